// What the price-list tool does when the user acts: parse, the percentages, the tariff
// function, "Copy till" and the pages.

#include "memo_text.h"
#include "price_grid.h"
#include "tariff/selection_stats.h"
#include "tariff/text_lines.h"
#include "tform1.h"
#include "ui/widgets/qt_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>

namespace kestrelon {

void TForm1::Parse() {
    const tariff::ParseOutcome outcome = list_.parse(memoText());
    showLines();
    const std::string leftOut = tariff::leftOutMessage(outcome, list_.separator());
    if (!leftOut.empty()) {
        context_.messages.showMessage(fromCp1251(leftOut));
    }
}

void TForm1::showLines() {
    editGrid_->priceModel()->showLines();
    const bool any = list_.count() > 0;
    buttons_[2]->setEnabled(any);
    enableLineControls(any);
    if (any) {
        memoChanged_ = false;
        editGrid_->setCurrentIndex(editGrid_->model()->index(0, 0));
    } else {
        edit1_->clear();
    }
    setPanel(0, QString::number(list_.count()));
    setPanel(2, QString()); // a selection of the lines before
}

void TForm1::showPage(Page page) {
    if (pageControl_->currentIndex() == page) {
        PageControl1Change(page);
    } else {
        pageControl_->setCurrentIndex(page);
    }
}

void TForm1::enableLineControls(bool enabled) {
    const auto [top, bottom] = editGrid_->selectedRange();
    upDown1_->setEnabled(enabled && bottom <= top);
    upDown2_->setEnabled(enabled);
    for (const std::size_t button : {5, 6, 7}) {
        buttons_[button]->setEnabled(enabled);
    }
}

void TForm1::setPercentCounter(int percent) {
    const QSignalBlocker blocker(upDown1_);
    upDown1_->setValue(percent);
    panel1_->setText(QString::number(upDown1_->value()));
}

std::string TForm1::memoText() const {
    return toCp1251(exactPlainText(*memo_));
}

int TForm1::memoLineCount() const {
    return static_cast<int>(tariff::splitLines(memoText()).size());
}

void TForm1::PageControl1Change(int page) {
    switch (page) {
    case FilePage:
        enableLineControls(false);
        setPanel(0, QString::number(memoLineCount()));
        break;
    case EditPage:
        if (memoChanged_ && !memo_->document()->isEmpty()) {
            Parse();
        }
        enableLineControls(list_.count() > 0);
        setPanel(0, QString::number(list_.count()));
        break;
    case OutputPage:
        upDown1_->setEnabled(false);
        upDown2_->setEnabled(false);
        buttons_[5]->setEnabled(false);
        outputGrid_->priceModel()->showLines();
        setPanel(0, QString::number(list_.count()));
        break;
    case CopyPage:
        setPanel(0, QString::number(list_.copyCount()));
        break;
    default:
        break;
    }
}

void TForm1::Memo1Change() {
    memoChanged_ = true;
}

void TForm1::StringGrid1SelectCell(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= list_.count()) {
        return;
    }
    selected_ = static_cast<std::size_t>(row);
    const tariff::PriceEntry& line = list_.line(selected_);
    edit1_->setText(fromCp1251(line.Name.view()));
    setPercentCounter(static_cast<int>(line.Percent.get()));
}

void TForm1::StringGrid1MouseUp() {
    const auto [top, bottom] = editGrid_->selectedRange();
    if (list_.count() == 0 || top < 0) {
        return;
    }
    const auto first = static_cast<std::size_t>(top);
    const auto last = static_cast<std::size_t>(bottom);
    setPanel(2, QString::fromStdString(tariff::selectionRangeText(first, last)));
    if (last == first) {
        upDown1_->setEnabled(true);
        edit1_->setText(fromCp1251(list_.line(selected_).Name.view()));
        return;
    }
    edit1_->setText(
        fromCp1251(tariff::selectionSummary(list_.table(), first, last, list_.separator())));
    // One percentage for several lines at once is not offered.
    upDown1_->setEnabled(false);
}

void TForm1::UpDown1Click(int percent) {
    panel1_->setText(QString::number(percent));
    if (list_.count() == 0) {
        return;
    }
    list_.setLinePercent(selected_, static_cast<unsigned>(percent));
    editGrid_->priceModel()->lineChanged(static_cast<int>(selected_));
}

void TForm1::UpDown2Click(int percent) {
    panel2_->setText(QString::number(percent));
    list_.setAllPercent(static_cast<unsigned>(percent));
    if (selected_ < list_.count() && list_.line(selected_).Individual == 0) {
        setPercentCounter(percent);
    }
    showMarkedUp();
}

void TForm1::showMarkedUp() {
    editGrid_->priceModel()->markedUpChanged();
    outputGrid_->priceModel()->markedUpChanged();
}

void TForm1::SpeedButton3Click() {
    steps_.pressX10();
    applySteps();
}

void TForm1::SpeedButton4Click() {
    steps_.pressX100();
    applySteps();
}

void TForm1::applySteps() {
    buttons_[3]->setChecked(steps_.x10Down());
    buttons_[4]->setChecked(steps_.x100Down());
    upDown1_->setSingleStep(steps_.step());
    upDown2_->setSingleStep(steps_.step());
}

void TForm1::SpeedButton5Click() {
    if (list_.count() == 0 || !functionEditor_ || !functionEditor_()) {
        return;
    }
    list_.applyFunction(context_.store.EditedFunction);
    setPercentCounter(static_cast<int>(list_.line(selected_).Percent.get()));
    showMarkedUp();
}

void TForm1::SpeedButton6Click() {
    const QString typed = edit2_->text();
    const tariff::CopyTillOutcome outcome = list_.copyTill(toCp1251(typed));
    if (!typed.isEmpty()) {
        edit2_->setText(fromCp1251(outcome.limitText));
    }
    copyGrid_->priceModel()->showLines();
    showPage(CopyPage);
    if (!outcome.message.empty()) {
        context_.messages.showMessage(fromCp1251(outcome.message));
    }
}

void TForm1::SpeedButton7Click() {
    setPercentCounter(upDown2_->value());
    list_.reset();
    showMarkedUp();
}

} // namespace kestrelon
