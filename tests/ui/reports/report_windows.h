#pragma once
// The report windows as start-up wires them, over a private data folder that holds the
// principal, the agent with a bank account, the agent contract and three client contracts
// (the second not active). Today is 7 January 2013.

#include "support/sample_catalogues.h"
#include "ui/main/program_windows.h"
#include "ui/reports/report_grid.h"
#include "ui/reports/tform_report.h"
#include "ui/reports/tform_slk.h"
#include "ui/support/firm_windows.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace kestrelon::test {

class ReportWindowsTest : public ::testing::Test {
protected:
    ReportWindowsTest() {
        store->DataFolder = folder.path();
        fillCatalogues(*store);
        context.today = [] { return QDate(2013, 1, 7); };
    }

    void createWindows() {
        windows = createProgramWindows(context);
        report = windows->FormReport;
        // What the first showing does: the controls and the creation work.
        report->ensureBuilt();
    }

    ReportGrid* grid() const { return child<ReportGrid>(*report, QStringLiteral("StringGrid1")); }
    QString cell(int row, int column) const {
        const QTableWidgetItem* item = grid()->item(row, column);
        return item ? item->text() : QString();
    }
    // Types into a grid cell as a user does: select it, type (the first key opens the
    // cell's editor), Enter.
    void typeCell(int row, int column, const QString& text) {
        typeCellWithoutEnter(row, column, text);
        if (QLineEdit* editor = cellEditor()) {
            QTest::keyClick(editor, Qt::Key_Return);
        }
    }
    // The same, but the cell's editor stays open with the text, as when the user goes on to
    // click somewhere else.
    void typeCellWithoutEnter(int row, int column, const QString& text) {
        ReportGrid* g = grid();
        g->setCurrentCell(row, column);
        for (const QChar c : text) {
            QWidget* target = cellEditor() ? static_cast<QWidget*>(cellEditor()) : g;
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    // Imports, through "Slk", a register of one invoice of 1000.00 net, 180.00 VAT and 1180.00
    // with VAT, dated in March 2013; the import's count of rows is taken as read.
    void importOneInvoice() {
        whenModal(QStringLiteral("FormSlk"), [](QDialog& dialog) {
            static_cast<TFormSlk&>(dialog).textArea()->setPlainText(QStringLiteral(
                "A0000001\t11111111\tК\t1000000000001\t15.03.2013\t1000\t180\t1180\tpaid\tx"));
            click(dialog, QStringLiteral("Button3"));
        });
        click(*report, QStringLiteral("SpeedButton5"));
        // A March register where December is proposed: the count box says so.
        EXPECT_EQ(sink.messages, QStringList{QStringLiteral("Загружено строк реестра: 1 — реестр "
                                                            "за Март 2013; предлагался Декабрь "
                                                            "2012.")});
        sink.messages.clear();
    }
    QLineEdit* cellEditor() const {
        for (QLineEdit* e : grid()->viewport()->findChildren<QLineEdit*>()) {
            if (e->isVisible()) {
                return e;
            }
        }
        return nullptr;
    }
    QString field(int number) const { return fieldText(number); }
    QString fieldText(int number) const {
        const QLineEdit* e = edit(*report, number);
        return e ? e->text() : QString();
    }
    QComboBox* combo(int number) const {
        return child<QComboBox>(*report, QStringLiteral("ComboBox%1").arg(number));
    }

    TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<ProgramWindows> windows;
    TFormReport* report = nullptr;
};

} // namespace kestrelon::test
