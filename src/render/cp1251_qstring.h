#pragma once
// The program's texts are cp1251 bytes; Qt draws, measures and edits QStrings.

#include "store/cp1251.h"

#include <QString>
#include <string>
#include <string_view>

namespace kestrelon {

inline QString fromCp1251(std::string_view text) {
    return QString::fromStdString(cp1251ToUtf8(text));
}

inline std::string toCp1251(const QString& text) {
    return utf8ToCp1251(text.toStdString());
}

} // namespace kestrelon
