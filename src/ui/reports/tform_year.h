#pragma once
// «Итоги года»: the year's summary of the data folder's reports, opened from the report list's
// «Год». A table of the months with a line after each quarter and the year's total, a picture
// of the months' remuneration and sum due that follows the table, the files not counted, and
// the summary saved as .xlsx or .csv, printed or written as PDF.

#include "report_dialogs.h"
#include "reports/summary/year_summary.h"
#include "ui/widgets/app_context.h"
#include "ui/widgets/kept_folder.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QTableWidget;

namespace kestrelon {

class YearChart;

class TFormYear : public QDialog {
public:
    TFormYear(AppContext& context, QWidget* parent);

    // Reads the data folder and shows `year` (the latest with a report when it has none) until
    // the user closes the window.
    void showYear(std::optional<int> year);
    // The same without showing the window; false when the folder cannot be read (said).
    bool loadYear(std::optional<int> year);
    // Opens a report (its file name, UTF-8) in the report window; true when it was opened.
    std::function<bool(const std::string& fileName)> onOpenReport;

    void setReportDialogs(std::unique_ptr<ReportDialogs> dialogs) { dialogs_ = std::move(dialogs); }
    ReportDialogs& reportDialogs() { return *dialogs_; }
    const YearSummary& summary() const { return summary_; }

    void yearChosen(int entry);
    void monthChosen(int month); // from the picture
    void openMonth(int month);
    void saveClicked();
    void printClicked();
    void pdfClicked();
    void closeClicked() { reject(); }

private:
    void showSummary();
    void fillTable();
    // The table's row of a month, and the month of a row (-1 for a quarter or the year).
    static int rowOfMonth(int month);
    static int monthOfRow(int row);

    AppContext& context_;
    std::unique_ptr<ReportDialogs> dialogs_;
    FolderKeeper folders_;
    FolderReports folder_;
    YearSummary summary_;
    std::vector<int> years_;
    QComboBox* yearList_ = nullptr;
    QTableWidget* table_ = nullptr;
    YearChart* chart_ = nullptr;
    QLabel* unread_ = nullptr;
};

} // namespace kestrelon
