#pragma once
// The year's summary on one A4 page: the title with the year and the agent's name, the table of
// the months, quarters and the year, the months with several reports marked, and the files not
// counted. Printed, or written as PDF.

#include "output_result.h"
#include "printing.h"
#include "reports/summary/year_summary.h"

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

namespace kestrelon {

// Draws the page on a device set up for A4; false when the device cannot be drawn on.
bool paintSummaryPage(QPagedPaintDevice& device, const YearSummary& summary);

// The whole PDF in memory; `error` says why there is none.
QByteArray renderSummaryPdf(const YearSummary& summary, OutputResult& error);

// Written whole or not at all, as the documents' PDFs are (errors in English).
OutputResult exportSummaryPdf(const YearSummary& summary, const QString& path);

// The page on the printer the user chooses.
OutputResult printSummary(const YearSummary& summary, const PrinterChoice& choose);

} // namespace kestrelon
