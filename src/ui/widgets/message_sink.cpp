#include "message_sink.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace kestrelon {
namespace {

const QString kTitle = QStringLiteral("Kestrelon");

// Room for the title bar's own parts beside the title: the window icon and the buttons.
constexpr int kTitleBarParts = 180;
// A short message would otherwise give a box narrower than its title bar needs.
constexpr int kNarrowest = 320;

// A box sizes itself to its text; a spacer across its layout keeps it wide enough for the title,
// which the window manager draws in a font at most a little wider than the box's own.
void keepTitleWhole(QMessageBox& box) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int title = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle());
    const int width = std::max(kNarrowest, title * 5 / 4 + kTitleBarParts);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, MessageKind kind,
                                            const QString& text) {
    const bool cancel = kind == MessageKind::QuestionWithCancel;
    const bool question = kind == MessageKind::Question || cancel;
    const QMessageBox::Icon icon = question                           ? QMessageBox::Question
                                   : kind == MessageKind::Information ? QMessageBox::Information
                                                                      : QMessageBox::Warning;
    auto box = std::make_unique<QMessageBox>(icon, kTitle, text,
                                             cancel ? QMessageBox::Yes | QMessageBox::No |
                                                          QMessageBox::Cancel
                                             : question ? QMessageBox::Yes | QMessageBox::No
                                                        : QMessageBox::Ok,
                                             parent);
    if (question) {
        box->setDefaultButton(QMessageBox::Yes);
    }
    if (cancel) {
        // Said in Russian whatever Qt's own language: the answer decides whether work is lost.
        box->button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
        box->button(QMessageBox::No)->setText(QStringLiteral("Нет"));
        box->button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
        box->setEscapeButton(QMessageBox::Cancel);
    }
    keepTitleWhole(*box);
    return box;
}

void MessageBoxSink::showMessage(const QString& text) {
    makeMessageBox(QApplication::activeWindow(), MessageKind::Error, text)->exec();
}

void MessageBoxSink::showInformation(const QString& text) {
    makeMessageBox(QApplication::activeWindow(), MessageKind::Information, text)->exec();
}

bool MessageBoxSink::askQuestion(const QString& text) {
    return makeMessageBox(QApplication::activeWindow(), MessageKind::Question, text)->exec() ==
           QMessageBox::Yes;
}

MessageSink::Answer MessageBoxSink::askYesNoCancel(const QString& text) {
    switch (makeMessageBox(QApplication::activeWindow(), MessageKind::QuestionWithCancel, text)
                ->exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace kestrelon
