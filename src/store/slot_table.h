#pragma once
// Slot tables: fixed arrays with no stored count. Used entries are packed from
// slot 0; the first slot whose presence field is empty ends the table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kestrelon {

template <typename Record, std::size_t Slots>
std::uint8_t countSlots(const std::array<Record, Slots>& table) {
    static_assert(Slots <= 255);
    std::size_t n = 0;
    while (n < Slots && isPresent(table[n])) {
        ++n;
    }
    return static_cast<std::uint8_t>(n);
}

// Appends an entry that starts from an all-zero slot, so nothing of an earlier
// occupant carries over. Returns the new entry, or nullptr when the table is full.
template <typename Record, std::size_t Slots>
Record* appendZeroedSlot(std::array<Record, Slots>& table, std::uint8_t& count) {
    if (count >= Slots) {
        return nullptr;
    }
    Record& slot = table[count];
    std::memset(static_cast<void*>(&slot), 0, sizeof(Record));
    ++count;
    return &slot;
}

// Appends a whole copy of an entry (a restored organization). False when full.
template <typename Record, std::size_t Slots>
bool appendSlotCopy(std::array<Record, Slots>& table, std::uint8_t& count, const Record& entry) {
    if (count >= Slots) {
        return false;
    }
    table[count] = entry;
    ++count;
    return true;
}

// Removes entry j: later entries move down one slot each, and the presence field
// of the last used slot is emptied (its other bytes stay). False when j is not used.
template <typename Record, std::size_t Slots>
bool removeSlot(std::array<Record, Slots>& table, std::uint8_t& count, std::size_t j) {
    if (count == 0 || j >= count || count > Slots) {
        return false;
    }
    for (std::size_t k = j; k + 1 < count; ++k) {
        table[k] = table[k + 1];
    }
    clearPresence(table[count - 1]);
    --count;
    return true;
}

} // namespace kestrelon
