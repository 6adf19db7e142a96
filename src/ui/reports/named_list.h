#pragma once
// A drop-down list that a screen reader names by what it chooses ("Месяц", "Год") and then
// reads its current item as the value. Qt on Linux gives a list's current item as its name,
// so "Декабрь" would be read out without saying that it is the month.

#include <QComboBox>

namespace kestrelon {

class NamedList : public QComboBox {
public:
    NamedList(const QString& accessibleName, QWidget* parent);
};

} // namespace kestrelon
