#include "function_windows.h"

#include "ui/widgets/catalogue_grid.h"

#include <QLabel>

namespace kestrelon::test {
namespace {

using FunctionList = FunctionWindowsTest;

CatalogueGrid* grid(const TFormFunc& list) {
    return child<CatalogueGrid>(list, QStringLiteral("StringGrid1"));
}

QStringList column(const TFormFunc& list, int c) {
    QStringList texts;
    CatalogueGrid* g = grid(list);
    for (int r = 0; g->showsData() && r < g->rowCount(); ++r) {
        texts.append(g->item(r, c) ? g->item(r, c)->text() : QString());
    }
    return texts;
}

TEST_F(FunctionList, AddStoresTheWorkingCopyUnderTheTypedNameAndListsIt) {
    createWindows();
    showEditor();
    combo()->setEditText(QStringLiteral("Тариф А"));
    typeIn(9, QStringLiteral("150"));
    click(*editor, QStringLiteral("SpeedButton2"));
    EXPECT_EQ(sink.messages, QStringList());
    ASSERT_EQ(store->FunctionCount, 1);
    EXPECT_EQ(store->Functions[0].Rates[1].get(), 150) << "the typed rate was committed first";
    EXPECT_TRUE(button(*editor, "SpeedButton1")->isEnabled()) << "List";
    EXPECT_TRUE(button(*list, "SpeedButton2")->isEnabled()) << "Del";

    combo()->setEditText(QStringLiteral("Тариф Б"));
    click(*editor, QStringLiteral("SpeedButton2"));
    EXPECT_EQ(column(*list, 0),
              (QStringList{QStringLiteral("Тариф А"), QStringLiteral("Тариф Б")}));
    EXPECT_FALSE(column(*list, 1).at(1).isEmpty()) << "the time it was added";
    EXPECT_EQ(grid(*list)->currentRow(), 1);
    EXPECT_EQ(combo()->count(), 2);
    EXPECT_EQ(combo()->currentIndex(), 1);
    EXPECT_EQ(context.tariff.SelectedFunction, 1);
    EXPECT_EQ(savedNames(),
              (std::vector<std::string>{utf8ToCp1251("Тариф А"), utf8ToCp1251("Тариф Б")}));
    const QStringList headers = {grid(*list)->horizontalHeaderItem(0)->text(),
                                 grid(*list)->horizontalHeaderItem(1)->text()};
    EXPECT_EQ(headers, (QStringList{"Name", "Date."}));
    EXPECT_EQ(grid(*list)->columnWidth(0), 381);
    EXPECT_EQ(grid(*list)->columnWidth(1), 82);
}

TEST_F(FunctionList, AddRefusesAStoredNameOrARefusedRate) {
    storeFunction("A", {1, 2, 3, 4, 5, 6, 7, 8});
    createWindows();
    showEditor();
    combo()->setEditText(QStringLiteral("A"));
    click(*editor, QStringLiteral("SpeedButton2"));
    typeIn(15, QStringLiteral("2.5"));
    combo()->setEditText(QStringLiteral("B"));
    click(*editor, QStringLiteral("SpeedButton2"));
    EXPECT_EQ(sink.messages, (QStringList{QStringLiteral("Такое имя функции уже есть"),
                                          QStringLiteral("'2.5' is not a valid integer value")}));
    EXPECT_EQ(store->FunctionCount, 1);
    EXPECT_FALSE(folder.exists("Function")) << "nothing stored, nothing written";
}

TEST_F(FunctionList, TheSixteenthAddTurnsAddOffAndADeletionOn) {
    for (int i = 0; i < 15; ++i) {
        storeFunction(("F" + std::to_string(i)).c_str(), {1, 2, 3, 4, 5, 6, 7, 8});
    }
    createWindows();
    showEditor();
    combo()->setEditText(QStringLiteral("F15"));
    click(*editor, QStringLiteral("SpeedButton2"));
    EXPECT_EQ(store->FunctionCount, 16);
    EXPECT_FALSE(button(*editor, "SpeedButton2")->isEnabled());

    whenModal(QStringLiteral("FormFunc"), [](QDialog& dialog) {
        whenModal(QStringLiteral("FormDelFunc"),
                  [](QDialog& question) { click(question, QStringLiteral("ButtonYes")); });
        click(dialog, QStringLiteral("SpeedButton2"));
        dialog.reject();
    });
    click(*editor, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(store->FunctionCount, 15);
    EXPECT_TRUE(button(*editor, "SpeedButton2")->isEnabled());
}

TEST_F(FunctionList, DeletingAsksAndTheSelectionAndTheEditorFollow) {
    storeFunction("A", {1, 2, 3, 4, 5, 6, 7, 8});
    storeFunction("B", {9, 9, 9, 9, 9, 9, 9, 9});
    storeFunction("C", {5, 5, 5, 5, 5, 5, 5, 5});
    createWindows();
    showEditor();
    const auto before = rates();

    QString asked;
    whenModal(QStringLiteral("FormFunc"), [&](QDialog& dialog) {
        CatalogueGrid* g = grid(*list);
        // Row of C, the last one.
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualRect(g->model()->index(2, 0)).center());
        whenModal(QStringLiteral("FormDelFunc"), [&](QDialog& question) {
            asked = child<QLabel>(question, QStringLiteral("Panel1"))->text();
            click(question, QStringLiteral("ButtonYes"));
        });
        click(dialog, QStringLiteral("SpeedButton2"));
        dialog.reject();
    });
    click(*editor, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(asked, QStringLiteral("C"));
    EXPECT_EQ(column(*list, 0), (QStringList{"A", "B"}));
    EXPECT_EQ(context.tariff.SelectedFunction, 1) << "the last one went: the one before it";
    EXPECT_EQ(grid(*list)->currentRow(), 1);
    EXPECT_EQ(combo()->count(), 2);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("A")) << "the first name is shown";
    EXPECT_EQ(rates(), before) << "the working copy is not changed";
    EXPECT_EQ(savedNames(), (std::vector<std::string>{"A", "B"}));

    whenModal(QStringLiteral("FormDelFunc"),
              [](QDialog& question) { click(question, QStringLiteral("ButtonNo")); });
    list->SpeedButton2Click();
    EXPECT_EQ(store->FunctionCount, 2) << "No deletes nothing";
}

TEST_F(FunctionList, DeletingTheLastFunctionLeavesAnEmptyList) {
    storeFunction("A", {1, 2, 3, 4, 5, 6, 7, 8});
    createWindows();
    whenModal(QStringLiteral("FormDelFunc"),
              [](QDialog& question) { click(question, QStringLiteral("ButtonYes")); });
    list->SpeedButton2Click();
    EXPECT_EQ(store->FunctionCount, 0);
    EXPECT_FALSE(button(*list, "SpeedButton1")->isEnabled());
    EXPECT_FALSE(button(*list, "SpeedButton2")->isEnabled());
    EXPECT_FALSE(button(*editor, "SpeedButton1")->isEnabled());
    EXPECT_EQ(combo()->count(), 0);
    EXPECT_EQ(combo()->currentText(), QString());
    EXPECT_FALSE(grid(*list)->showsData());
    EXPECT_EQ(grid(*list)->rowCount(), 4);
    EXPECT_EQ(grid(*list)->currentRow(), 0);
    EXPECT_EQ(savedNames(), std::vector<std::string>{});
}

TEST_F(FunctionList, ChoosingAFunctionFillsTheFieldsAndGraphAndApplyHandsItOver) {
    storeFunction("A", {10, 10, 10, 10, 10, 10, 10, 10});
    storeFunction("B", {20, 40, 60, 80, 100, 120, 140, 160});
    store->Functions[1].Thresholds[3] = 1250;
    createWindows();
    bool applied = false;
    whenModal(QStringLiteral("Form2"), [this](QDialog&) {
        combo()->setFocus();
        QTest::keyClick(combo(), Qt::Key_Down); // A
        QTest::keyClick(combo(), Qt::Key_Down); // B
        EXPECT_EQ(context.tariff.SelectedFunction, 1);
        EXPECT_EQ(fieldTexts(8, 15),
                  (QStringList{"20", "40", "60", "80", "100", "120", "140", "160"}));
        EXPECT_EQ(field(3)->text(), amount("12.5"));
        EXPECT_EQ(editor->graphLayout().y[0], 176 - 20);
        EXPECT_EQ(editor->graphLayout().thresholdLabels[3].text, amount("12.5").toStdString());
        click(*editor, QStringLiteral("Button1"));
    });
    applied = editor->openForApply();
    EXPECT_TRUE(applied);
    EXPECT_EQ(rates(), (std::array<unsigned, 8>{20, 40, 60, 80, 100, 120, 140, 160}));
    EXPECT_EQ(thresholds()[3], 1250u);
}

TEST_F(FunctionList, EditPicksTheFunctionOfTheCurrentRowForTheEditor) {
    storeFunction("A", {10, 10, 10, 10, 10, 10, 10, 10});
    storeFunction("B", {30, 30, 30, 30, 30, 30, 30, 30});
    storeFunction("C", {50, 50, 50, 50, 50, 50, 50, 50});
    createWindows();
    showEditor();
    editor->chooseFunction(2);
    whenModal(QStringLiteral("FormFunc"), [this](QDialog& dialog) {
        CatalogueGrid* g = grid(*list);
        EXPECT_EQ(g->currentRow(), 2) << "the function chosen in the editor is current";
        QTest::keyClick(g, Qt::Key_Up); // the keyboard chooses a row as a click does
        EXPECT_EQ(context.tariff.SelectedFunction, 1);
        click(dialog, QStringLiteral("SpeedButton1"));
        EXPECT_FALSE(dialog.isVisible()) << "Edit closes the list";
    });
    click(*editor, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(rates()[4], 30u);
    EXPECT_EQ(field(12)->text(), QStringLiteral("30"));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("B"));
}

} // namespace
} // namespace kestrelon::test
