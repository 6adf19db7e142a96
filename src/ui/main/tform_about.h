#pragma once
// The small window "О программе": the program's name and version.

#include <QDialog>

namespace kestrelon {

class TFormAbout : public QDialog {
public:
    explicit TFormAbout(QWidget* parent = nullptr);
};

} // namespace kestrelon
