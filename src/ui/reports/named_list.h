#pragma once
// A drop-down list that a screen reader names by what it chooses ("Месяц", "Год"). Qt on
// Linux gives a list's current entry as its name, so "Декабрь" would be read out without
// saying that it is the month. The value a screen reader reads is the selected entry of the
// list's pop-up list, which the list keeps on the entry it shows (ui/widgets/shown_entry.h).

#include <QComboBox>

namespace kestrelon {

class NamedList : public QComboBox {
public:
    NamedList(const QString& accessibleName, QWidget* parent);
};

} // namespace kestrelon
