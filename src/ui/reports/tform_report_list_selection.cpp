// The report list's selection: the row Open and Del act on, the totals of the selected
// reports in the status bar and its menu that puts them on the clipboard.

#include "reports/files/selection_sums.h"
#include "tform_report_list.h"
#include "ui/widgets/catalogue_grid.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/system_locale.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <algorithm>
#include <span>

namespace kestrelon {

std::vector<int> TFormReportList::selectedRows() const {
    std::vector<int> rows;
    const auto count = static_cast<int>(context_.reports.list.count());
    if (grid_->showsData()) {
        for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
            if (index.row() < count) {
                rows.push_back(index.row());
            }
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int TFormReportList::chosenRow() const {
    // The current row alone is no choice: a drag that starts under the last row moves it over
    // rows that end up not highlighted, and a click there leaves no row highlighted at all.
    const std::vector<int> rows = selectedRows();
    const auto selected = [&rows](int row) {
        return std::binary_search(rows.begin(), rows.end(), row);
    };
    if (rows.empty()) {
        return -1;
    }
    if (selected(clickedRow_)) {
        return clickedRow_;
    }
    const int current = grid_->currentDataRow();
    return selected(current) ? current : rows.front();
}

void TFormReportList::showChosenRow() {
    const int row = chosenRow();
    setPanel(ClickedRow, row < 0 ? QString() : QString::number(row + 1));
    speedButton2_->setEnabled(row >= 0);
    speedButton3_->setEnabled(row >= 0);
}

void TFormReportList::StringGrid1Click(int row) {
    if (grid_->showsData() && row >= 0) {
        clickedRow_ = row;
    }
    showChosenRow();
}

void TFormReportList::StringGrid1DblClick(int row) {
    if (grid_->showsData() && row >= 0) {
        SpeedButton3Click();
    }
}

void TFormReportList::StringGrid1SelectionChanged() {
    const std::vector<ReportListEntry>& entries = context_.reports.list.entries;
    const std::vector<int> rows = selectedRows();
    const int first = rows.empty() ? -1 : rows.front();
    const int last = rows.empty() ? -1 : rows.back();
    std::span<const ReportListEntry> selected;
    if (first >= 0 && static_cast<std::size_t>(last) < entries.size()) {
        selected = std::span(entries).subspan(static_cast<std::size_t>(first),
                                              static_cast<std::size_t>(last - first + 1));
    }
    const SelectionSums sums = sumSelection(selected, static_cast<std::size_t>(std::max(first, 0)),
                                            systemDecimalSeparator());
    setPanel(Gross, fromCp1251(sums.grossTotal));
    setPanel(Remuneration, fromCp1251(sums.remuneration));
    setPanel(ToPrincipal, fromCp1251(sums.toPrincipal));
    setPanel(Range, fromCp1251(sums.panelText));
    sixPercent_ = fromCp1251(sums.sixPercent);
    showChosenRow();
}

void TFormReportList::StatusBar1ContextPopup(const QPoint& globalPosition) {
    popup_->popup(globalPosition);
}

void TFormReportList::N2Click() {
    QGuiApplication::clipboard()->setText(panels_[Remuneration]->text());
}

void TFormReportList::N3Click() {
    QGuiApplication::clipboard()->setText(panels_[ToPrincipal]->text());
}

void TFormReportList::N4Click() {
    QGuiApplication::clipboard()->setText(sixPercent_);
}

} // namespace kestrelon
