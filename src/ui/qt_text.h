#pragma once
// Conversions between the core's cp1251 texts and Qt strings.

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
