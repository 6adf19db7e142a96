#pragma once
// The report windows with a computed March 2013 of any number of invoices (the offset act
// numbered 5, the invoice and the act 1), for the tests of what leaves the program: printing,
// PDF files, mail and the folders they go to.

#include "report_windows.h"
#include "ui/reports/document_view.h"

#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>

namespace kestrelon::test {

class ReportOutputsTest : public ReportWindowsTest {
protected:
    void prepareMonth(int invoices = 1) {
        createWindows();
        report->show();
        importInvoices(invoices);
        type(*report, 1, QStringLiteral("5"));
        type(*report, 10, QStringLiteral("100"));
        click(*report, QStringLiteral("SpeedButton4"));
    }

    // Pastes a register of the invoices, each of 1000.00 net, into "Slk".
    void importInvoices(int count) {
        QString lines;
        for (int i = 1; i <= count; ++i) {
            lines +=
                QStringLiteral("A0000001\t11111111\tК\t%1\t15.03.2013\t1000\t180\t1180\tpaid\tx\n")
                    .arg(1000000000000LL + i);
        }
        whenModal(QStringLiteral("FormSlk"), [lines](QDialog& dialog) {
            static_cast<TFormSlk&>(dialog).textArea()->setPlainText(lines);
            click(dialog, QStringLiteral("Button3"));
        });
        click(*report, QStringLiteral("SpeedButton5"));
        // A March register where December is proposed: the count box says so.
        EXPECT_EQ(sink.messages, QStringList{QStringLiteral("Загружено строк реестра: %1 — реестр "
                                                            "за Март 2013; предлагался Декабрь "
                                                            "2012.")
                                                 .arg(count)});
        sink.messages.clear();
    }

    QTabWidget* tabs() const { return child<QTabWidget>(*report, QStringLiteral("PageControl1")); }
    QWidget* button(const char* name) const {
        return child<QWidget>(*report, QString::fromLatin1(name));
    }
    // The sheets the tab shows.
    std::size_t tabSheets(TFormReport::Tab tab) const {
        return report->documentView(tab)->document().pages.size();
    }

    // The pages of a PDF file as Qt writes it: one page object each; -1 when it cannot be read.
    static int pdfPages(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return -1;
        }
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
        int count = 0;
        for (auto it = page.globalMatch(QString::fromLatin1(file.readAll())); it.hasNext();
             it.next()) {
            ++count;
        }
        return count;
    }
};

} // namespace kestrelon::test
