// Qt's own dialogs, buttons and menus speak Russian once the translation is installed.

#include "ui/widgets/qt_translation.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace kestrelon {
namespace {

bool hasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

class QtTranslationTest : public ::testing::Test {
protected:
    ~QtTranslationTest() override {
        // Other tests expect Qt's own English.
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

TEST_F(QtTranslationTest, MessageBoxesMenusAndFileDialogsAreRussian) {
    ASSERT_TRUE(installQtRussian(*qApp)) << "qt6-translations-l10n is a dependency";

    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
    EXPECT_TRUE(hasCyrillic(box.button(QMessageBox::Yes)->text()));

    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    int named = 0;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            ++named;
            EXPECT_TRUE(hasCyrillic(action->text())) << action->text().toStdString();
        }
    }
    EXPECT_GE(named, 5) << "Undo, Cut, Copy, Paste, Select All at least";

    QFileDialog dialog(nullptr, QStringLiteral("t"), QDir::tempPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_TRUE(lookIn);
    EXPECT_TRUE(hasCyrillic(lookIn->text())) << lookIn->text().toStdString();
    const auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_TRUE(buttons);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
}

TEST_F(QtTranslationTest, AMissingTranslationLeavesQtInEnglish) {
    const QTemporaryDir empty;
    EXPECT_FALSE(installQtRussian(*qApp, empty.path()));
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                    QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
}

} // namespace
} // namespace kestrelon
