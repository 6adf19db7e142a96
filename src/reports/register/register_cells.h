#pragma once
// Cutting a line of the pasted invoice register into cells.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

inline constexpr std::size_t kMaxRegisterCells = 64;
inline constexpr std::size_t kMaxRegisterCellLength = 64;

// The cells of a line cut at every separator. A run of separators counts as one, so an empty
// cell is never produced and a line with an empty cell has fewer cells. Each cell keeps its
// first kMaxRegisterCellLength characters. A line of any length is split whole; nullopt when
// it has more than kMaxRegisterCells cells.
std::optional<std::vector<std::string>> splitCells(std::string_view line, char separator);

} // namespace kestrelon
