// A month worked through at its edges, as a bookkeeper meets them: the principal's INN corrected
// or its organization deleted, a principal that cannot be found, a register of another month,
// a second report of a month, a stored report opened over unsaved work, and the act as it reads
// before and after "Save". Run under the Russian locale as well as under "C".

#include "report_windows.h"
#include "store/image_file.h"
#include "ui/catalogues/tform_firm.h"
#include "ui/reports/document_view.h"
#include "ui/support/modal_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QTabWidget>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

constexpr const char* kRealInn = "7707083893";
const QString kLine = QStringLiteral(
    "A0000001\t11111111\tКлиент\t1000000000001\t15.03.2013\t1000\t180\t1180\tpaid\tx");

class MonthEdgesTest : public test::ReportWindowsTest {
protected:
    // The principal the user named in the agent contract card: a ПАО with its own INN.
    void addRealPrincipal() {
        FirmRecord& real = store->Firms[store->FirmCount++];
        real.Name = utf8ToCp1251("Публичное акционерное общество \"Связь\"");
        real.Inn = kRealInn;
        store->PrincipalChoice = real.Inn;
        store->refreshFirmIndexes();
        store->SaveFileFirm();
        store->SaveFilePrincipal();
        store->SaveFileAgent();
    }

    // Pastes the register lines into "Slk" with Ctrl+V over a cleared text and presses "OK".
    void pasteRegister(const QString& lines) {
        whenModal(QStringLiteral("FormSlk"), [lines](QDialog& dialog) {
            click(dialog, QStringLiteral("Button1")); // "Clear"
            QGuiApplication::clipboard()->setText(lines);
            QTest::keyClick(static_cast<TFormSlk&>(dialog).textArea(), Qt::Key_V,
                            Qt::ControlModifier);
            click(dialog, QStringLiteral("Button3")); // "OK"
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        click(*report, QStringLiteral("SpeedButton5"));
    }
    // A register of one March invoice, the remuneration typed, "Get".
    void computeMarch() {
        pasteRegister(kLine);
        test::type(*report, 10, QStringLiteral("100"));
        click(*report, QStringLiteral("SpeedButton4"));
    }

    void clickFirmRow(int row) {
        CatalogueGrid* grid = windows->FormFirm->grid();
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void showTab(TFormReport::Tab tab) {
        test::child<QTabWidget>(*report, QStringLiteral("PageControl1"))->setCurrentIndex(tab);
    }
    // Whether the tab's page prints `text` as one of its lines.
    bool tabPrints(TFormReport::Tab tab, const QString& text) const {
        const std::string wanted = utf8ToCp1251(text.toStdString());
        for (const PlacedPage& page : report->documentView(tab)->document().pages) {
            for (const TextItem& item : page.texts) {
                if (item.text == wanted) {
                    return true;
                }
            }
        }
        return false;
    }
    std::string said() const { return sink.messages.join('\n').toStdString(); }
};

TEST_F(MonthEdgesTest, ACorrectedPrincipalInnKeepsItThePrincipalOnTheDocuments) {
    addRealPrincipal();
    createWindows();
    const int slot = store->FirmCount - 1;
    clickFirmRow(slot);
    whenModal(QStringLiteral("FormRekvizit"), [](QDialog& card) {
        test::typeInto(card, "Edit17", QStringLiteral("7707083894"));
        click(card, QStringLiteral("ButtonOK"));
    });
    sink.answer = true; // «Да» to the control-digit question
    click(*windows->FormFirm, QStringLiteral("SpeedButton2")); // "Edit"
    ASSERT_EQ(store->Firms[slot].Inn.str(), "7707083894");
    EXPECT_EQ(store->PrincipalChoice.str(), "7707083894");
    EXPECT_EQ(store->PrincipalFirmIndex, slot);
    ShortStr<12> onDisk;
    ASSERT_TRUE(loadImage(folder.path(), files::kPrincipal, onDisk));
    EXPECT_EQ(onDisk.str(), "7707083894") << "saved with the card";

    sink.messages.clear();
    report->show();
    computeMarch();
    EXPECT_EQ(field(11), QStringLiteral("1080.00"));
    showTab(TFormReport::ActTab);
    EXPECT_TRUE(tabPrints(TFormReport::ActTab, QStringLiteral("ПАО \"Связь\"")));
    EXPECT_FALSE(tabPrints(TFormReport::ActTab, QStringLiteral("ООО \"Тарвел\"")));
}

TEST_F(MonthEdgesTest, DeletingThePrincipalSaysWhatItMeansAndThenTheMonthIsNotMadeWithoutIt) {
    addRealPrincipal();
    createWindows();
    const int slot = store->FirmCount - 1;
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "deleted" : "kept");
        clickFirmRow(slot);
        whenModal(QStringLiteral("FormDelFirm"), [](QDialog& d) { click(d, "ButtonYes"); });
        sink.questions.clear();
        sink.answer = yes;
        click(*windows->FormFirm, QStringLiteral("SpeedButton3")); // "Del"
        ASSERT_EQ(sink.questions.size(), 1);
        EXPECT_TRUE(sink.questions[0].startsWith(
            QStringLiteral("«Публичное акционерное общество \"Связь\"» — организация принципала")))
            << sink.questions[0].toStdString();
        EXPECT_TRUE(sink.questions[0].contains(QStringLiteral("список «Организация принципала»")));
        EXPECT_EQ(store->FirmCount, yes ? slot : slot + 1);
    }

    // Said where the month is made, naming the INN looked for and where to choose.
    sink.messages.clear();
    report->show();
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains(QString::fromLatin1(kRealInn))) << said();
    EXPECT_TRUE(sink.messages[0].contains(QStringLiteral("вкладка «Тарвел»"))) << said();
}

TEST_F(MonthEdgesTest, AMissingPrincipalStopsGetSaveAndTheDocuments) {
    addRealPrincipal();
    --store->FirmCount; // the organization is gone, "Principal" still names it
    store->Firms[store->FirmCount] = FirmRecord{};
    store->refreshFirmIndexes();
    createWindows();
    report->show();
    ASSERT_EQ(sink.messages.size(), 1) << said();
    const QString missing = sink.messages[0];
    EXPECT_TRUE(missing.startsWith(QStringLiteral("Организация принципала не найдена"))) << said();
    EXPECT_TRUE(missing.contains(QStringLiteral("ИНН 7707083893"))) << said();
    sink.messages.clear();

    computeMarch();
    EXPECT_TRUE(sink.messages.contains(missing)) << "Get is refused: " << said();
    EXPECT_EQ(field(11), QString()) << "nothing computed";
    sink.messages.clear();
    click(*report, QStringLiteral("SpeedButton2")); // "Save"
    EXPECT_FALSE(report->viewOnly());
    EXPECT_TRUE(context.reports.list.empty());

    showTab(TFormReport::ActTab);
    EXPECT_EQ(sink.messages, QStringList{missing});
    EXPECT_TRUE(report->documentView(TFormReport::ActTab)->document().pages.empty())
        << "no page with a made-up principal";
}

TEST_F(MonthEdgesTest, TheCountBoxSaysTheRegistersMonthAndTheRowsOfAnotherMonth) {
    createWindows();
    report->show();
    QString october =
        QString(kLine).replace(QStringLiteral("15.03.2013"), QStringLiteral("28.02.2013"));
    october.replace(QStringLiteral("1000000000001"), QStringLiteral("1000000000002"));
    pasteRegister(kLine + QLatin1Char('\n') + october);
    EXPECT_EQ(said(), "Загружено строк реестра: 2 — реестр за Март 2013; предлагался Декабрь "
                      "2012.\nСтроки не за Март 2013 (взяты в отчет): 1:\nстрока 2: 28.02.2013");
    EXPECT_EQ(sink.information, sink.messages) << "an account of work done";
    EXPECT_EQ(grid()->rowCount(), 2) << "taken, as before";
    EXPECT_EQ(combo(1)->currentText(), QStringLiteral("Март"));
}

TEST_F(MonthEdgesTest, ASecondReportOfTheMonthIsSavedOnlyWhenWanted) {
    createWindows();
    report->show();
    computeMarch();
    click(*report, QStringLiteral("SpeedButton2")); // "Save"
    ASSERT_TRUE(folder.exists("1_0313_12345678.rep"));

    click(*report, QStringLiteral("SpeedButton3")); // "New"
    sink.messages.clear();
    computeMarch();
    click(*report, QStringLiteral("SpeedButton2"));
    ASSERT_EQ(sink.questions.size(), 1);
    EXPECT_EQ(sink.questions[0].toStdString(),
              "За Март 2013 г. уже есть отчет:\nакт зачета № 1, файл «1_0313_12345678.rep»\n"
              "Сохранить еще один отчет за этот месяц?");
    EXPECT_FALSE(report->viewOnly()) << "«Нет» keeps the report to mend";
    EXPECT_FALSE(folder.exists("2_0313_12345678.rep"));

    sink.answer = true;
    click(*report, QStringLiteral("SpeedButton2"));
    EXPECT_TRUE(folder.exists("2_0313_12345678.rep"));
}

TEST_F(MonthEdgesTest, OpeningAStoredReportOverUnsavedWorkAsksFirst) {
    createWindows();
    report->show();
    computeMarch();
    click(*report, QStringLiteral("SpeedButton2"));
    click(*report, QStringLiteral("SpeedButton3")); // "New"
    pasteRegister(
        QString(kLine).replace(QStringLiteral("15.03.2013"), QStringLiteral("15.04.2013")));
    test::type(*report, 10, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4"));
    ASSERT_TRUE(report->hasUnsavedReport());

    const std::vector<std::pair<MessageSink::Answer, bool>> answers = {
        {MessageSink::Answer::Cancel, false}, {MessageSink::Answer::No, true}};
    for (const auto& step : answers) {
        const bool opened = step.second; // a structured binding cannot be captured by clang 14
        const MessageSink::Answer answer = step.first;
        sink.questions.clear();
        sink.threeWayAnswer = answer;
        whenModal(QStringLiteral("FormReportList"), [&](QDialog& list) {
            auto* rows = test::child<QTableWidget>(list, QStringLiteral("StringGrid1"));
            rows->setFocus();
            QTest::keyClick(rows, Qt::Key_Home, Qt::ControlModifier);
            click(list, QStringLiteral("SpeedButton3")); // "Open"
            EXPECT_EQ(list.isVisible(), !opened);
            if (list.isVisible()) {
                list.reject();
            }
        });
        click(*report, QStringLiteral("SpeedButton1")); // "List"
        EXPECT_EQ(sink.questions, QStringList{QStringLiteral("Отчет не сохранен. Сохранить?")});
        EXPECT_EQ(report->viewOnly(), opened);
        EXPECT_EQ(combo(1)->currentText(),
                  opened ? QStringLiteral("Март") : QStringLiteral("Апрель"));
    }
}

TEST_F(MonthEdgesTest, TheActReadsTheSameBeforeAndAfterSave) {
    createWindows();
    report->show();
    computeMarch();
    const QString line = QStringLiteral("12345678  (за Март 2013 г.)");
    showTab(TFormReport::ActTab);
    EXPECT_TRUE(tabPrints(TFormReport::ActTab, line));
    showTab(TFormReport::ReportTab);
    click(*report, QStringLiteral("SpeedButton2"));
    ASSERT_TRUE(context.reports.StoredReportOpen);
    showTab(TFormReport::ActTab);
    EXPECT_TRUE(tabPrints(TFormReport::ActTab, line)) << "the stored report's act";
}

} // namespace
} // namespace kestrelon
