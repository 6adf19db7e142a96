#include "ui/widgets/message_sink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// Room a title bar needs beside its title: the window icon and three buttons, 32 pixels each.
constexpr int kTitleBarButtons = 4 * 32;

TEST(MessageBoxTest, ErrorsWarnQuestionsAskAndNoBoxIsTooNarrowForItsTitle) {
    struct Case {
        MessageKind kind;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const Case cases[] = {
        {MessageKind::Error, QStringLiteral("Введите ИНН"), QMessageBox::Warning, QMessageBox::Ok},
        {MessageKind::Error, QStringLiteral("File not found"), QMessageBox::Warning,
         QMessageBox::Ok},
        {MessageKind::Information, QStringLiteral("Загружено строк реестра: 3."),
         QMessageBox::Information, QMessageBox::Ok},
        {MessageKind::Question, QStringLiteral("Сохранить изменения агентского договора?"),
         QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const auto box = makeMessageBox(nullptr, c.kind, c.text);
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->standardButtons(), c.buttons);
        EXPECT_EQ(box->text(), c.text);
        box->show();
        QFont title = box->font();
        title.setBold(true);
        EXPECT_GE(box->width(),
                  QFontMetrics(title).horizontalAdvance(box->windowTitle()) + kTitleBarButtons)
            << box->windowTitle().toStdString();
        box->close();
    }
}

} // namespace
} // namespace kestrelon
