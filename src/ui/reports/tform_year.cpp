#include "tform_year.h"

#include "named_list.h"
#include "render/summary_page.h"
#include "reports/summary/summary_files.h"
#include "reports/values/money.h"
#include "store/cp1251.h"
#include "store/file_set.h"
#include "store/io_error.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/first_focus.h"
#include "ui/widgets/read_only_table.h"
#include "year_chart.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidgetItem* cell(const QString& text, bool bold, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

} // namespace

TFormYear::TFormYear(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), dialogs_(std::make_unique<QtReportDialogs>()),
      folders_(context) {
    setObjectName(QStringLiteral("FormYear"));
    setWindowTitle(QStringLiteral("Итоги года"));
    setSizeGripEnabled(true);

    yearList_ = new NamedList(QStringLiteral("Год"), this);
    yearList_->setObjectName(QStringLiteral("YearList"));
    connect(yearList_, &QComboBox::activated, this, &TFormYear::yearChosen);
    auto* yearLabel = new QLabel(QStringLiteral("&Год:"), this);
    yearLabel->setBuddy(yearList_);

    table_ = new QTableWidget(17, static_cast<int>(std::size(kSummaryColumns)), this);
    table_->setObjectName(QStringLiteral("YearTable"));
    table_->setAccessibleName(QStringLiteral("Итоги года по месяцам и кварталам"));
    QStringList headers;
    for (const char* column : kSummaryColumns) {
        headers << QString::fromUtf8(column);
    }
    table_->setHorizontalHeaderLabels(headers);
    // Tab goes on to the picture.
    makeReadOnlyTable(*table_);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int row) { chart_->selectMonth(monthOfRow(row)); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (monthOfRow(row) >= 0) {
            openMonth(monthOfRow(row));
        }
    });

    chart_ = new YearChart(this);
    chart_->onMonthChosen = [this](int month) { monthChosen(month); };
    chart_->onMonthOpened = [this](int month) { openMonth(month); };

    unread_ = new QLabel(this);
    unread_->setObjectName(QStringLiteral("UnreadReports"));
    unread_->setWordWrap(true);
    unread_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    QPushButton* save =
        makeButton(this, QStringLiteral("Сохранить…"), "ButtonSave", &TFormYear::saveClicked);
    QPushButton* print =
        makeButton(this, QStringLiteral("Печать"), "ButtonPrint", &TFormYear::printClicked);
    QPushButton* pdf = makeButton(this, QStringLiteral("PDF"), "ButtonPdf", &TFormYear::pdfClicked);
    QPushButton* close =
        makeButton(this, QStringLiteral("Закрыть"), "ButtonClose", &TFormYear::closeClicked);
    save->setToolTip(QStringLiteral("Сохранить итоги как книгу Excel (.xlsx) или текст CSV"));

    auto* top = new QHBoxLayout;
    top->addWidget(yearLabel);
    top->addWidget(yearList_);
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {save, print, pdf}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 3);
    layout->addWidget(chart_, 2);
    layout->addWidget(unread_);
    layout->addLayout(buttons);
    // Each opening starts in the table, whatever had the focus last time.
    startEachShowingOn(*this, [this] { return static_cast<QWidget*>(table_); });
    resize(720, 640);
}

int TFormYear::rowOfMonth(int month) {
    return month + month / 3;
}

int TFormYear::monthOfRow(int row) {
    if (row < 0 || row >= 16 || row % 4 == 3) {
        return -1;
    }
    return row - row / 4;
}

void TFormYear::showYear(std::optional<int> year) {
    if (loadYear(year)) {
        exec();
    }
}

bool TFormYear::loadYear(std::optional<int> year) {
    try {
        folder_ = readFolderReports(context_.store.DataFolder);
    } catch (const IoError& error) {
        showFileError(context_, error);
        return false;
    }
    years_ = reportYears(folder_);
    if (years_.empty()) {
        years_.push_back(year.value_or(context_.today().year()));
    }
    const int shown = year && std::find(years_.begin(), years_.end(), *year) != years_.end()
                          ? *year
                          : years_.back();
    yearList_->clear();
    for (const int y : years_) {
        yearList_->addItem(QString::number(y));
    }
    yearList_->setCurrentIndex(
        static_cast<int>(std::find(years_.begin(), years_.end(), shown) - years_.begin()));
    summary_ = summarizeYear(folder_, shown);
    showSummary();
    return true;
}

void TFormYear::yearChosen(int entry) {
    if (entry < 0 || entry >= static_cast<int>(years_.size())) {
        return;
    }
    summary_ = summarizeYear(folder_, years_[static_cast<std::size_t>(entry)]);
    showSummary();
}

void TFormYear::showSummary() {
    setWindowTitle(QStringLiteral("Итоги %1 года").arg(summary_.year));
    fillTable();
    chart_->showSummary(summary_);
    QStringList unread;
    for (const UnreadReport& file : summary_.unread) {
        unread << QStringLiteral("%1 — %2").arg(utf8(file.fileName), utf8(file.reason));
    }
    unread_->setText(unread.isEmpty()
                         ? QString()
                         : QStringLiteral("Не учтены (файл не читается как отчет):\n") +
                               unread.join(u'\n'));
    unread_->setVisible(!unread.isEmpty());
    table_->setCurrentCell(0, 0);
}

void TFormYear::fillTable() {
    int row = 0;
    for (const SummaryLine& line : summaryLines(summary_)) {
        const bool total = line.kind != SummaryLine::Kind::Month;
        const SummarySums& sums = *line.sums;
        table_->setItem(row, 0, cell(utf8(cp1251ToUtf8(line.label)), total, Qt::AlignLeft));
        const bool empty = line.kind == SummaryLine::Kind::Month && sums.reports == 0;
        const bool several = line.month != nullptr && line.month->several();
        QTableWidgetItem* count = cell(empty ? QString()
                                             : QString::number(sums.reports) +
                                                   (several ? QStringLiteral(" *") : QString()),
                                       total, Qt::AlignRight);
        if (several) {
            count->setToolTip(QStringLiteral("Несколько отчетов за месяц:\n") +
                              utf8(monthReportsText(*line.month)));
        }
        table_->setItem(row, 1, count);
        int column = 2;
        for (const std::uint64_t amount :
             {sums.gross, sums.vat, sums.remuneration, sums.toPrincipal}) {
            table_->setItem(
                row, column++,
                cell(empty ? QString() : utf8(groupedAmount(amount)), total, Qt::AlignRight));
        }
        if (several) {
            for (int c = 0; c < table_->columnCount(); ++c) {
                table_->item(row, c)->setBackground(QColor(0xFF, 0xF3, 0xB0));
            }
            table_->item(row, 0)->setToolTip(count->toolTip());
        }
        ++row;
    }
}

void TFormYear::monthChosen(int month) {
    table_->setCurrentCell(rowOfMonth(month), std::max(table_->currentColumn(), 0));
}

void TFormYear::openMonth(int month) {
    const SummaryMonth& chosen = summary_.months[static_cast<std::size_t>(month)];
    if (chosen.reports.empty() || !onOpenReport) {
        return;
    }
    // Of several reports the first by number opens; the others are named in the tooltip.
    const std::string fileName = chosen.reports.front().fileName;
    accept();
    onOpenReport(fileName);
}

void TFormYear::saveClicked() {
    const QString suggested = QDir(folderStart(context_.store, FolderKind::Summary))
                                  .filePath(QStringLiteral("Итоги %1.xlsx").arg(summary_.year));
    QString path = dialogs_->chooseFile(this, FolderKind::Summary, suggested);
    if (path.isEmpty()) {
        return;
    }
    const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    if (!csv && !path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".xlsx");
    }
    try {
        const std::string bytes = csv ? summaryCsv(summary_) : summaryXlsx(summary_);
        saveFilesTogether({{path.toStdString(), bytes}});
    } catch (const IoError& error) {
        context_.messages.showMessage(QStringLiteral("Не удалось сохранить итоги года:\n%1\n%2")
                                          .arg(path, utf8(error.message())));
        return;
    }
    folders_.remember(FolderKind::Summary, QFileInfo(path).absolutePath());
}

void TFormYear::printClicked() {
    const OutputResult result = printSummary(summary_, [this](QPrinter& printer, int sheets) {
        return dialogs_->askPrinter(this, printer, sheets);
    });
    if (!result.ok()) {
        context_.messages.showMessage(result.error);
    }
}

void TFormYear::pdfClicked() {
    QString path =
        dialogs_->chooseFile(this, FolderKind::Pdf,
                             QDir(folderStart(context_.store, FolderKind::Pdf))
                                 .filePath(QStringLiteral("Итоги %1.pdf").arg(summary_.year)));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    const OutputResult result = exportSummaryPdf(summary_, path);
    if (!result.ok()) {
        context_.messages.showMessage(
            QStringLiteral("Не удалось сохранить итоги года в PDF:\n%1\n%2")
                .arg(path, result.error));
        return;
    }
    folders_.remember(FolderKind::Pdf, QFileInfo(path).absolutePath());
}

} // namespace kestrelon
