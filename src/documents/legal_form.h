#pragma once
// Shortening "Общество с ограниченной ответственностью ..." to "ООО ..." (cp1251 texts).

#include <string>

namespace kestrelon {

std::string OOO(const std::string& name);

} // namespace kestrelon
