#include "dialog_parts.h"

#include <QFrame>

namespace kestrelon {

QLabel* makeSunkenPanel(QWidget* parent, const char* objectName) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(objectName));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setWordWrap(true);
    panel->setMinimumSize(320, 40);
    return panel;
}

QLineEdit* makeLineEdit(QWidget* parent, const char* objectName, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(maxLength);
    return edit;
}

QToolButton* makeSpeedButton(QWidget* parent, const QString& caption, const QString& hint,
                             const QString& objectName) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setMinimumWidth(56);
    return button;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

QHBoxLayout* toolbarRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (QWidget* button : buttons) {
        row->addWidget(button);
    }
    row->addStretch(1);
    return row;
}

} // namespace kestrelon
