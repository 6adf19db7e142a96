// Every drop-down list's pop-up list selects the entry the list shows: a screen reader reads
// the list's value from there, also while the pop-up is closed or the list disabled.

#include "support/temp_folder.h"
#include "ui/main/program_windows.h"
#include "ui/support/recording_sink.h"
#include "ui/widgets/lazy_dialog.h"
#include "ui/widgets/shown_entry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// The rows selected in the list's pop-up list.
std::vector<int> selectedRows(const QComboBox& list) {
    std::vector<int> rows;
    for (const QModelIndex& index : list.view()->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    return rows;
}

std::unique_ptr<QComboBox> monthList() {
    auto list = std::make_unique<QComboBox>();
    list->addItems({QStringLiteral("Январь"), QStringLiteral("Февраль"), QStringLiteral("Март"),
                    QStringLiteral("Апрель")});
    keepShownEntrySelected(*list);
    return list;
}

TEST(ShownEntryTest, EveryListOfTheProgramSelectsTheEntryItShows) {
    test::TempFolder folder;
    DataStore store;
    store.DataFolder = folder.path();
    test::RecordingSink sink;
    AppContext context{store, sink};
    const auto windows = createProgramWindows(context);
    for (QDialog* dialog : windows->FormMain->findChildren<QDialog*>()) {
        if (auto* lazy = dynamic_cast<LazyDialog*>(dialog)) {
            lazy->ensureBuilt();
        }
    }
    const QList<QComboBox*> lists = windows->FormMain->findChildren<QComboBox*>();
    // The period's month and year, the two organization lists, the functions, the drives.
    ASSERT_GE(lists.size(), 6);
    for (QComboBox* list : lists) {
        SCOPED_TRACE(list->objectName().toStdString() + " of " +
                     list->window()->objectName().toStdString());
        while (list->count() < 3) {
            list->addItem(QStringLiteral("Строка %1").arg(list->count()));
        }
        for (const int shown : {2, 1, -1}) {
            list->setCurrentIndex(shown);
            EXPECT_EQ(selectedRows(*list), shown < 0 ? std::vector<int>{} : std::vector{shown});
        }
    }
}

TEST(ShownEntryTest, AListSetQuietlySelectsItsEntryAndSaysNothingOfIt) {
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        const auto list = monthList();
        list->setEnabled(enabled);
        QSignalSpy changed(list.get(), &QComboBox::currentIndexChanged);
        QSignalSpy highlighted(list.get(), &QComboBox::highlighted);
        {
            const QuietListChange quiet(*list);
            list->setCurrentIndex(2);
        }
        EXPECT_EQ(selectedRows(*list), std::vector{2});
        EXPECT_EQ(list->view()->selectionModel()->currentIndex().row(), 2);
        EXPECT_EQ(changed.count(), 0);
        EXPECT_EQ(highlighted.count(), 0);
        EXPECT_FALSE(list->signalsBlocked());
    }
}

TEST(ShownEntryTest, APopUpClosedSelectsWhatTheListThenShows) {
    const struct {
        const char* what;
        Qt::Key closing;
        int shown; // from "Февраль", the user went down two entries to "Апрель"
    } cases[] = {{"Escape keeps the entry", Qt::Key_Escape, 1},
                 {"Enter takes the entry", Qt::Key_Return, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto list = monthList();
        list->setCurrentIndex(1);
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
        list->showPopup();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->view()));
        QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), c.closing);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !list->view()->isVisible(); }));
        QTest::qWait(20); // the pop-up's closing is followed up once the choice is through
        EXPECT_EQ(list->currentIndex(), c.shown);
        EXPECT_EQ(selectedRows(*list), std::vector{c.shown});
    }
}

} // namespace
} // namespace kestrelon
