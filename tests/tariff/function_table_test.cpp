#include "store/cp1251.h"
#include "tariff/function_table.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace kestrelon::tariff {
namespace {

std::unique_ptr<DataStore> storeWith(const std::vector<std::string>& names) {
    auto store = std::make_unique<DataStore>();
    for (const std::string& name : names) {
        store->Functions[store->FunctionCount++].Name = name;
    }
    return store;
}

std::vector<std::string> storedNames(const DataStore& store) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < store.FunctionCount; ++i) {
        names.push_back(store.Functions[i].Name.str());
    }
    return names;
}

TEST(AddFunction, RefusesAnEmptyOrStoredNameAndStoresAnyOther) {
    struct Case {
        const char* label;
        std::vector<std::string> before;
        std::string name;
        const char* message; // UTF-8; nullptr when stored
        std::vector<std::string> after;
    };
    const std::string long40(40, 'x');
    const std::string cut32(32, 'x');
    const Case cases[] = {
        {"first", {}, "A", nullptr, {"A"}},
        {"second", {"A"}, "B", nullptr, {"A", "B"}},
        {"empty name", {"A"}, "", "Введите название функции", {"A"}},
        {"same name", {"A", "B"}, "B", "Такое имя функции уже есть", {"A", "B"}},
        {"letter case differs", {"a"}, "A", nullptr, {"a", "A"}},
        {"trailing space differs", {"A"}, "A ", nullptr, {"A", "A "}},
        {"40 characters kept as 32", {}, long40, nullptr, {cut32}},
        {"40 characters equal a stored 32", {cut32}, long40, "Такое имя функции уже есть", {cut32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto store = storeWith(c.before);
        const AddResult result = AddFunction(*store, c.name, "14:05:09");
        EXPECT_EQ(result.added, c.message == nullptr);
        EXPECT_EQ(cp1251ToUtf8(result.message), c.message ? c.message : "");
        EXPECT_EQ(storedNames(*store), c.after);
    }
}

TEST(AddFunction, StoresTheWorkingCopyWithTheTimeCutToTenCharacters) {
    auto store = storeWith({"A"});
    for (std::size_t i = 0; i < 8; ++i) {
        store->EditedFunction.Rates[i] = static_cast<std::uint16_t>(10 * i + 1);
        store->EditedFunction.Thresholds[i] = static_cast<std::uint32_t>(1000 * i);
    }
    ASSERT_TRUE(AddFunction(*store, "B", "2:05:09 PM MSK").added);
    const TariffFunction& slot = store->Functions[1];
    EXPECT_EQ(slot.CreatedTime.str(), "2:05:09 PM");
    EXPECT_EQ(slot.Rates[7].get(), 71);
    EXPECT_EQ(slot.Thresholds[3].get(), 3000u);
    EXPECT_EQ(store->EditedFunction.Rates[7].get(), 71) << "the working copy stays";
}

TEST(AddFunction, SixteenAtMost) {
    auto store = std::make_unique<DataStore>();
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(AddFunction(*store, "F" + std::to_string(i), "10:00:00").added) << i;
    }
    EXPECT_EQ(store->FunctionCount, 16);
    EXPECT_FALSE(AddFunction(*store, "one more", "10:00:00").added);
    EXPECT_EQ(store->FunctionCount, 16);
    EXPECT_EQ(store->Functions[15].Name.str(), "F15");
}

TEST(DeleteFunction, SlotsMoveDownAndTheSelectionFollows) {
    struct Case {
        std::vector<std::string> before;
        std::int16_t selected;
        std::vector<std::string> after;
        std::int16_t selectedAfter;
    };
    const Case cases[] = {
        {{"A", "B", "C"}, 0, {"B", "C"}, 0},
        {{"A", "B", "C"}, 1, {"A", "C"}, 1}, // keeps the index, which now names C
        {{"A", "B", "C"}, 2, {"A", "B"}, 1}, // the last one: the selection moves up
        {{"A"}, 0, {}, 0},
    };
    for (const Case& c : cases) {
        auto store = storeWith(c.before);
        std::int16_t selected = c.selected;
        EXPECT_TRUE(DeleteFunction(*store, selected));
        EXPECT_EQ(storedNames(*store), c.after) << "deleting " << c.selected;
        EXPECT_EQ(selected, c.selectedAfter) << "deleting " << c.selected;
        EXPECT_TRUE(store->Functions[c.after.size()].Name.empty()) << "the freed slot";
    }
}

TEST(DeleteFunction, MovesWholeSlotsAndTouchesOnlyTheFreedName) {
    auto store = storeWith({"A", "B"});
    store->Functions[1].CreatedTime = "11:11:11";
    store->Functions[1].Rates[3] = 33;
    std::int16_t selected = 0;
    ASSERT_TRUE(DeleteFunction(*store, selected));
    EXPECT_EQ(store->Functions[0].CreatedTime.str(), "11:11:11");
    EXPECT_EQ(store->Functions[0].Rates[3].get(), 33);
    // Only the length byte marks a slot as unused; the rest of it stays as it was.
    EXPECT_EQ(store->Functions[1].Rates[3].get(), 33);
}

TEST(DeleteFunction, ASelectionOutsideTheStoredFunctionsRemovesNothing) {
    for (const std::int16_t selected : {std::int16_t{-1}, std::int16_t{2}, std::int16_t{15}}) {
        auto store = storeWith({"A", "B"});
        std::int16_t s = selected;
        EXPECT_FALSE(DeleteFunction(*store, s)) << selected;
        EXPECT_EQ(store->FunctionCount, 2);
    }
}

} // namespace
} // namespace kestrelon::tariff
