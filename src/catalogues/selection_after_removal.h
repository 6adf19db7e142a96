#pragma once
// Where a list's selection goes when an entry is removed from that list.

#include <cstddef>
#include <cstdint>

namespace kestrelon {

// After entry `removed` of a list that held `countBefore` entries is gone: a selection on the
// last used slot follows it up one row, and never goes below the first row; otherwise the
// selection stays and now names the entry that moved up.
inline void followRemoval(std::int16_t& selected, std::size_t removed, std::size_t countBefore) {
    if (removed + 1 == countBefore && selected > 0) {
        --selected;
    }
}

} // namespace kestrelon
