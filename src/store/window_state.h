#pragma once
// Window sizes ("FormW") and grid column widths ("ArCol.ats").

#include "le.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace kestrelon {

// Slots of the five windows whose sizes are kept, in file order: width, height each.
enum class SizedWindow : std::size_t {
    PriceList = 0,     // TForm1: written at shut-down, never applied
    Organizations = 2, // TFormFirm
    OrganizationCard = 4,
    ClientContracts = 6,
    ReportList = 8,
};

struct WindowSize {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    bool operator==(const WindowSize&) const = default;
};

struct WindowState {
    static constexpr std::size_t kKeptSlots = 10;
    std::array<LeU16, 64> values{};

    WindowSize size(SizedWindow w) const {
        const auto i = static_cast<std::size_t>(w);
        return {values[i].get(), values[i + 1].get()};
    }
    void setSize(SizedWindow w, WindowSize s) {
        const auto i = static_cast<std::size_t>(w);
        values[i] = s.width;
        values[i + 1] = s.height;
    }
};
static_assert(sizeof(WindowState) == 128);

// The sizes of the five kept windows at shut-down, in slot order.
using KeptWindowSizes = std::array<WindowSize, 5>;

// The state to write at shut-down: all ten kept values set to the current sizes when any of
// them differs from the stored value, nothing (nullopt) when all ten are equal.
std::optional<WindowState> windowStateToSave(const WindowState& stored,
                                             const KeptWindowSizes& current);

// Column widths of all grids; each grid owns a block of values.
enum class GridBlock : std::size_t {
    Organizations = 0,
    ClientContracts = 8,
    ReportGrid = 16,
    ReportList = 24,
};

struct ColumnWidths {
    static constexpr std::uint16_t kMinimumPixels = 24;
    // What a width that was never stored (0 in the file) reads as after sanitising.
    static constexpr std::uint16_t kNeverStored = 8;
    std::array<LeU16, 256> values{};

    // Widths below 4 come from damaged or never-written files; they load as 8.
    void sanitise();
    // The width a grid applies: the stored value, but never less than 24 pixels.
    int applied(GridBlock block, std::size_t column) const;
    void store(GridBlock block, std::size_t column, std::uint16_t width);
};
static_assert(sizeof(ColumnWidths) == 512);

} // namespace kestrelon
