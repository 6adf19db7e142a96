// Slot tables: counting from the presence fields, appending and removing entries.

#include "store_test_util.h"

#include "store/slot_table.h"
#include "store/startup_load.h"

#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

TEST(SlotTable, FirmsEndAtFirstSlotWithoutName) {
    TempFolder folder;
    std::string image(189824, '\0');
    for (std::size_t slot : {0, 1, 2, 4, 5}) {
        put(image, slot * kFirmBytes, field("Firm " + std::to_string(slot)));
    }
    put(image, 3 * kFirmBytes + 2638, field("7712345670")); // slot 3: an INN but no name
    folder.writeFile("Firms", image);
    auto store = storeIn(folder);
    loadStartupTables(*store);
    EXPECT_EQ(store->FirmCount, 3);
}

TEST(SlotTable, ContractWithoutFirmInnEndsClients) {
    TempFolder folder;
    std::string image(10880, '\0');
    put(image, 26, field("7701000001"));
    put(image, kClientBytes, field("A-17")); // contract number, empty FirmInn
    put(image, 2 * kClientBytes + 26, field("7701000003"));
    folder.writeFile("Clients", image);
    auto store = storeIn(folder);
    loadStartupTables(*store);
    EXPECT_EQ(store->ClientCount, 1);
}

TEST(SlotTable, FullTableCounts64AndRefusesAppend) {
    auto firms = std::make_unique<FirmTable>();
    for (auto& firm : *firms) {
        firm.Name = "x";
    }
    std::uint8_t count = countSlots(*firms);
    EXPECT_EQ(count, 64);
    EXPECT_EQ(appendZeroedSlot(*firms, count), nullptr);
    EXPECT_EQ(count, 64);
}

// Four organizations A..D, each with its own INN and bank details.
std::unique_ptr<FirmTable> fourFirms(std::uint8_t& count) {
    auto firms = std::make_unique<FirmTable>();
    for (char c : std::string("ABCD")) {
        FirmRecord& firm = (*firms)[count++];
        firm.Name = std::string("Firm ") + c;
        firm.Inn = std::string(10, c);
        firm.Banks[1].Bik = std::string(9, c);
        firm.SelectedBank = 1;
    }
    return firms;
}

TEST(SlotTable, RemoveMovesLaterEntriesDownAndClearsOnlyLastPresenceByte) {
    std::uint8_t count = 0;
    auto firms = fourFirms(count);
    FirmRecord lastBefore = (*firms)[3];

    ASSERT_TRUE(removeSlot(*firms, count, 1));
    EXPECT_EQ(count, 3);
    EXPECT_EQ((*firms)[0].Name, "Firm A");
    EXPECT_EQ((*firms)[1].Name, "Firm C");
    EXPECT_EQ((*firms)[2].Name, "Firm D");
    EXPECT_EQ((*firms)[2].Inn, "DDDDDDDDDD");
    lastBefore.Name.length = 0;
    EXPECT_EQ(bytesOf((*firms)[3]), bytesOf(lastBefore));
}

TEST(SlotTable, RemovingLastEntryClearsOnlyItsPresenceByte) {
    std::uint8_t count = 0;
    auto firms = fourFirms(count);
    const auto before = bytesOf(*firms);

    ASSERT_TRUE(removeSlot(*firms, count, 3));
    EXPECT_EQ(count, 3);
    auto expected = before;
    expected[3 * kFirmBytes] = 0;
    EXPECT_EQ(bytesOf(*firms), expected);
}

TEST(SlotTable, AppendAfterRemovalStartsFromZeroedSlot) {
    std::uint8_t count = 0;
    auto firms = fourFirms(count);
    ASSERT_TRUE(removeSlot(*firms, count, 3));

    FirmRecord* added = appendZeroedSlot(*firms, count);
    ASSERT_EQ(added, &(*firms)[3]);
    EXPECT_EQ(count, 4);
    EXPECT_TRUE(allZero(*added));
    EXPECT_EQ(added->SelectedBank, 0);
    EXPECT_TRUE(added->Banks[1].Bik.empty());
}

TEST(SlotTable, ClientRemovalClearsFirmInnOfLastSlot) {
    ClientTable clients{};
    std::uint8_t count = 0;
    for (const char* inn : {"7701000001", "7701000002"}) {
        ClientRecord* c = appendZeroedSlot(clients, count);
        c->FirmInn = inn;
        c->ContractNo = "A-1";
        c->Inactive = 1;
    }
    ASSERT_TRUE(removeSlot(clients, count, 0));
    EXPECT_EQ(countSlots(clients), 1);
    EXPECT_EQ(clients[0].FirmInn, "7701000002");
    EXPECT_EQ(clients[1].ContractNo, "A-1");
    EXPECT_EQ(clients[1].Inactive, 1);
}

} // namespace
} // namespace kestrelon::test
