#pragma once
// What the core takes from the system's locale as parameters.

#include <QLocale>

namespace kestrelon {

// The system's decimal separator as the core's one-byte character; '.' for a locale whose
// separator is not a plain ASCII character.
inline char systemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

} // namespace kestrelon
