#pragma once
// Small pieces the dialogs are built from, so that they look and behave alike.

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <initializer_list>

namespace kestrelon {

// A sunken panel that shows a name (the delete questions, the agent window).
QLabel* makeSunkenPanel(QWidget* parent, const char* objectName = "Panel1");

// A push button with its caption and object name, calling `handler` of `owner` when clicked.
template <typename Owner>
QPushButton* makeButton(Owner* owner, const QString& caption, const char* objectName,
                        void (Owner::*handler)()) {
    auto* button = new QPushButton(caption, owner);
    button->setObjectName(QString::fromLatin1(objectName));
    QObject::connect(button, &QPushButton::clicked, owner, handler);
    return button;
}

// A one-line field with its object name, taking at most `maxLength` characters.
QLineEdit* makeLineEdit(QWidget* parent, const char* objectName, int maxLength);

// A flat toolbar button with its caption, hint (empty for none) and object name.
QToolButton* makeSpeedButton(QWidget* parent, const QString& caption, const QString& hint,
                             const QString& objectName);

// The buttons in a row on the right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

// A window's toolbar: its buttons close together on the left.
QHBoxLayout* toolbarRow(std::initializer_list<QWidget*> buttons);

} // namespace kestrelon
