#include "window_state.h"

#include <algorithm>

namespace kestrelon {

void ColumnWidths::sanitise() {
    for (auto& slot : values) {
        if (slot.get() < 4) {
            slot = kNeverStored;
        }
    }
}

int ColumnWidths::applied(GridBlock block, std::size_t column) const {
    const auto stored = values.at(static_cast<std::size_t>(block) + column).get();
    return std::max<int>(stored, kMinimumPixels);
}

void ColumnWidths::store(GridBlock block, std::size_t column, std::uint16_t width) {
    values.at(static_cast<std::size_t>(block) + column) = width;
}

std::optional<WindowState> windowStateToSave(const WindowState& stored,
                                             const KeptWindowSizes& current) {
    WindowState next = stored;
    for (std::size_t w = 0; w < current.size(); ++w) {
        next.setSize(static_cast<SizedWindow>(2 * w), current[w]);
    }
    for (std::size_t i = 0; i < WindowState::kKeptSlots; ++i) {
        if (next.values[i].get() != stored.values[i].get()) {
            return next;
        }
    }
    return std::nullopt;
}

} // namespace kestrelon
