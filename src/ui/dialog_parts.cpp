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
