#include "summary_page.h"

#include "pdf_export.h"
#include "reports/summary/summary_files.h"
#include "reports/values/money.h"
#include "store/cp1251.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>

namespace kestrelon {
namespace {

// Millimetres on the sheet.
constexpr double kLeft = 20;
constexpr double kTop = 20;
constexpr double kRowHeight = 7;
constexpr double kColumns[] = {34, 18, 30, 27, 32, 30}; // 171 of the 170-180 between margins
constexpr int kMostUnreadLines = 12;

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

class SheetPainter {
public:
    SheetPainter(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), perMm_(device.logicalDpiX() / 25.4) {}

    double px(double mm) const { return mm * perMm_; }
    QRectF box(double x, double y, double w, double h) const {
        return {px(x), px(y), px(w), px(h)};
    }
    void font(double points, bool bold) {
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(points);
        font.setBold(bold);
        painter_.setFont(font);
    }
    void text(const QRectF& area, int flags, const QString& text) {
        painter_.drawText(area, flags | Qt::TextSingleLine, text);
    }
    QPainter& painter() { return painter_; }

private:
    QPainter& painter_;
    double perMm_;
};

void paintTable(SheetPainter& sheet, const YearSummary& summary, double top) {
    double y = top;
    const auto row = [&](const QStringList& cells, bool bold, bool shaded) {
        sheet.font(9, bold);
        double x = kLeft;
        if (shaded) {
            sheet.painter().fillRect(sheet.box(kLeft, y, 171, kRowHeight), QColor(235, 235, 235));
        }
        for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c) {
            const double w = kColumns[c];
            const int align = c == 0 ? Qt::AlignLeft : Qt::AlignRight;
            if (c < cells.size()) {
                sheet.text(sheet.box(x + 1.5, y, w - 3, kRowHeight), align | Qt::AlignVCenter,
                           cells[c]);
            }
            sheet.painter().drawRect(sheet.box(x, y, w, kRowHeight));
            x += w;
        }
        y += kRowHeight;
    };
    QStringList header;
    for (const char* column : kSummaryColumns) {
        header << QString::fromUtf8(column);
    }
    row(header, true, true);
    for (const SummaryLine& line : summaryLines(summary)) {
        const SummarySums& sums = *line.sums;
        QStringList cells{utf8(cp1251ToUtf8(line.label))};
        const bool empty = line.kind == SummaryLine::Kind::Month && sums.reports == 0;
        if (!empty) {
            const bool several = line.month != nullptr && line.month->several();
            cells << QString::number(sums.reports) + (several ? QStringLiteral(" *") : QString());
            for (const std::uint64_t amount :
                 {sums.gross, sums.vat, sums.remuneration, sums.toPrincipal}) {
                cells << utf8(groupedAmount(amount));
            }
        }
        row(cells, line.kind != SummaryLine::Kind::Month, line.kind != SummaryLine::Kind::Month);
    }
}

} // namespace

bool paintSummaryPage(QPagedPaintDevice& device, const YearSummary& summary) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    SheetPainter sheet(painter, device);
    painter.setPen(QPen(Qt::black, sheet.px(0.2)));
    sheet.font(14, true);
    sheet.text(sheet.box(kLeft, kTop, 171, 9), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Итоги %1 года").arg(summary.year));
    // The agent's whole name, on two lines when it is long.
    sheet.font(10.5, false);
    painter.drawText(sheet.box(kLeft, kTop + 9, 171, 10),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     utf8(cp1251ToUtf8(summary.agentName)));
    sheet.font(9, false);
    sheet.text(sheet.box(kLeft, kTop + 20, 171, 6), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Суммы отчетов агента по месяцам и кварталам, руб."));
    const double tableTop = kTop + 28;
    paintTable(sheet, summary, tableTop);

    double y = tableTop + kRowHeight * 18 + 4;
    sheet.font(8.5, false);
    const bool several = std::any_of(summary.months.begin(), summary.months.end(),
                                     [](const SummaryMonth& m) { return m.several(); });
    if (several) {
        sheet.text(sheet.box(kLeft, y, 171, 5), Qt::AlignLeft,
                   QStringLiteral("* За месяц сохранено несколько отчетов: проверьте, нет ли "
                                  "среди них лишнего."));
        y += 6;
    }
    if (!summary.unread.empty()) {
        sheet.font(8.5, true);
        sheet.text(sheet.box(kLeft, y, 171, 5), Qt::AlignLeft,
                   QStringLiteral("Не учтены (файл не читается как отчет):"));
        y += 5.5;
        sheet.font(8.5, false);
        int shown = 0;
        for (const UnreadReport& unread : summary.unread) {
            if (shown == kMostUnreadLines) {
                sheet.text(sheet.box(kLeft, y, 171, 5), Qt::AlignLeft,
                           QStringLiteral("и еще %1")
                               .arg(static_cast<int>(summary.unread.size()) - shown));
                break;
            }
            const QString line =
                QStringLiteral("%1 — %2").arg(utf8(unread.fileName), utf8(unread.reason));
            sheet.text(sheet.box(kLeft, y, 171, 5), Qt::AlignLeft,
                       painter.fontMetrics().elidedText(line, Qt::ElideMiddle,
                                                        static_cast<int>(sheet.px(171))));
            y += 5;
            ++shown;
        }
    }
    return painter.end();
}

QByteArray renderSummaryPdf(const YearSummary& summary, OutputResult& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setUpA4Pdf(writer, utf8(summaryTitle(summary)));
    if (!paintSummaryPage(writer, summary)) {
        error.error = QStringLiteral("cannot draw the summary");
        return {};
    }
    return bytes;
}

OutputResult exportSummaryPdf(const YearSummary& summary, const QString& path) {
    OutputResult result;
    const QByteArray bytes = renderSummaryPdf(summary, result);
    return saveRenderedPdf(bytes, result, path);
}

OutputResult printSummary(const YearSummary& summary, const PrinterChoice& choose) {
    const QString job = utf8(summaryTitle(summary));
    return printAfterChoice(
        job, [](QPrinter&) { return 1; }, choose,
        [&](QPrinter& printer) {
            return paintOnPrinter(
                printer, QStringLiteral("Не удалось напечатать итоги года на принтере «%1»."),
                [&](QPagedPaintDevice& device, const PrinterSettings&) {
                    return paintSummaryPage(device, summary);
                });
        });
}

} // namespace kestrelon
