// Pasting into the program's multi-line editors from a clipboard that holds nothing: Qt's own
// editor crashes on it, and the program with it.

#include "support/temp_folder.h"
#include "ui/main/program_windows.h"
#include "ui/support/recording_sink.h"
#include "ui/widgets/lazy_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

class MemoPasteTest : public ::testing::Test {
protected:
    MemoPasteTest() {
        store.DataFolder = folder.path();
        windows = createProgramWindows(context);
        for (QDialog* dialog : windows->FormMain->findChildren<QDialog*>()) {
            if (auto* lazy = dynamic_cast<LazyDialog*>(dialog)) {
                lazy->ensureBuilt();
            }
        }
        memos = windows->FormMain->findChildren<QPlainTextEdit*>();
    }
    ~MemoPasteTest() override { QGuiApplication::clipboard()->clear(); }

    test::TempFolder folder;
    DataStore store;
    test::RecordingSink sink;
    AppContext context{store, sink};
    std::unique_ptr<ProgramWindows> windows;
    QList<QPlainTextEdit*> memos;
};

TEST_F(MemoPasteTest, AnEmptyClipboardPastesNothingAndTextStillPastes) {
    // The import dialog, the price-list text and the requisites card.
    ASSERT_GE(memos.size(), 3);
    for (QPlainTextEdit* memo : memos) {
        SCOPED_TRACE(memo->objectName().toStdString() + " of " +
                     memo->window()->objectName().toStdString());
        memo->setPlainText(QStringLiteral("Москва 12.50"));
        memo->moveCursor(QTextCursor::End);

        QGuiApplication::clipboard()->setMimeData(new QMimeData); // holds no format at all
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_Insert, Qt::ShiftModifier);
        memo->paste(); // the context menu's "Paste"
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("Москва 12.50"));

        auto* image = new QMimeData;
        image->setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
        QGuiApplication::clipboard()->setMimeData(image);
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("Москва 12.50"));

        QGuiApplication::clipboard()->setText(QStringLiteral("\nСочи\t7"));
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("Москва 12.50\nСочи\t7"));
    }
}

} // namespace
} // namespace kestrelon
