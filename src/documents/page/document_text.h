#pragma once
// The texts of one document, addressed by item index.

#include <string>
#include <vector>

namespace kestrelon {

using DocumentText = std::vector<std::string>;

} // namespace kestrelon
