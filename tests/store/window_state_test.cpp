// Kept window sizes ("FormW") and grid column widths ("ArCol.ats").

#include "store_test_util.h"

#include "store/startup_load.h"
#include "store/window_state.h"

#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

constexpr KeptWindowSizes kCurrent = {{{800, 600}, {640, 480}, {500, 400}, {700, 300}, {900, 650}}};

// Slots 0..9 hold `sizes` as width, height pairs; slots 10..63 hold 1000 + slot.
WindowState storedState(const KeptWindowSizes& sizes) {
    WindowState state;
    for (std::size_t i = 0; i < state.values.size(); ++i) {
        state.values[i] = static_cast<std::uint16_t>(1000 + i);
    }
    for (std::size_t w = 0; w < sizes.size(); ++w) {
        state.values[2 * w] = sizes[w].width;
        state.values[2 * w + 1] = sizes[w].height;
    }
    return state;
}

TEST(WindowState, NothingToSaveWhenAllTenValuesAreUnchanged) {
    EXPECT_FALSE(windowStateToSave(storedState(kCurrent), kCurrent).has_value());
}

TEST(WindowState, AnyChangeSetsAllTenValuesAndLeavesTheRest) {
    for (std::size_t w = 0; w < kCurrent.size(); ++w) {
        for (bool widthChanged : {true, false}) {
            SCOPED_TRACE("window " + std::to_string(w) + (widthChanged ? " width" : " height"));
            KeptWindowSizes old = kCurrent;
            (widthChanged ? old[w].width : old[w].height) -= 7;
            const WindowState stored = storedState(old);
            const auto next = windowStateToSave(stored, kCurrent);
            ASSERT_TRUE(next.has_value());
            EXPECT_EQ(bytesOf(*next), bytesOf(storedState(kCurrent)));
        }
    }
}

TEST(ColumnWidths, LoadSanitisesAndApplyingKeepsAMinimumWithoutChangingStored) {
    struct Width {
        std::uint16_t inFile;
        std::uint16_t loaded;
        int applied;
    };
    const Width widths[] = {{0, 8, 24}, {1, 8, 24},   {2, 8, 24},   {3, 8, 24},
                            {4, 4, 24}, {10, 10, 24}, {24, 24, 24}, {300, 300, 300}};
    TempFolder folder;
    std::string image(512, '\0');
    for (std::size_t i = 0; i < std::size(widths); ++i) {
        put(image, 2 * i, le16(widths[i].inFile));
    }
    folder.writeFile("ArCol.ats", image);
    auto store = storeIn(folder);
    loadStartupTables(*store);
    store->SaveFileCol();
    const std::string saved = folder.readFile("ArCol.ats");

    for (std::size_t i = 0; i < std::size(widths); ++i) {
        SCOPED_TRACE("stored " + std::to_string(widths[i].inFile));
        EXPECT_EQ(store->ArCol.values[i].get(), widths[i].loaded);
        EXPECT_EQ(store->ArCol.applied(GridBlock::Organizations, i), widths[i].applied);
        EXPECT_EQ(saved.substr(2 * i, 2), le16(widths[i].loaded));
    }
}

} // namespace
} // namespace kestrelon::test
