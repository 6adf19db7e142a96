#pragma once
// The invoice ("СЧЕТ") for the agent's remuneration: one A4 page.

#include "documents/input/document_input.h"
#include "documents/page/document_text.h"
#include "documents/page/page_geometry.h"
#include "documents/page/placed_document.h"
#include "documents/words/text_metrics.h"

namespace kestrelon {

inline constexpr std::size_t kInvoiceTexts = 64; // items 0..47 are used

// The 64 texts; the payee and bank names are wrapped for `geometry` with `metrics` (the screen),
// and printing reuses these lines.
DocumentText FillBillSt(const DocumentInput& input, const PageGeometry& geometry,
                        const TextMetrics& metrics);

// Positions, fonts and lines of the page on a device (screen: pens of 1 pixel; printer: pens
// by the printer rules and every position corrected by the printable area's offset).
PlacedDocument FillBillXY(const DocumentText& texts, const PageGeometry& geometry,
                          const TextMetrics& metrics);

} // namespace kestrelon
