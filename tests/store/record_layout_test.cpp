// Fields land where the data files keep them: known bytes written at a file offset must
// appear in the loaded field.

#include "store_test_util.h"

#include "store/startup_load.h"

#include <gtest/gtest.h>

#include <functional>

namespace kestrelon::test {
namespace {

struct Placement {
    const char* file;
    std::size_t fileSize;
    std::size_t offset;
    std::string bytes;
    std::function<void(const DataStore&)> check;
};

std::vector<Placement> placements() {
    constexpr std::size_t firms = 189824;
    constexpr std::size_t clients = 10880;
    return {
        {"Firms", firms, 0, field("ООО Альфа"_cp),
         [](const DataStore& s) { EXPECT_EQ(utf8(s.Firms[0].Name), "ООО Альфа"); }},
        {"Firms", firms, 2 * kFirmBytes + 2638, field("7712345670"),
         [](const DataStore& s) { EXPECT_EQ(s.Firms[2].Inn, "7712345670"); }},
        {"Firms", firms, kFirmBytes + 2965, "\x02",
         [](const DataStore& s) { EXPECT_EQ(s.Firms[1].SelectedBank, 2); }},
        {"Firms", firms, 886 + 438 * 3, field("40702810900000000001"),
         [](const DataStore& s) {
             EXPECT_EQ(s.Firms[0].Banks[3].SettlementAccount, "40702810900000000001");
         }},
        {"FirmsDel", firms, 63 * kFirmBytes, field("Бета"_cp),
         [](const DataStore& s) { EXPECT_EQ(utf8(s.FirmsDel[63].Name), "Бета"); }},
        {"Clients", clients, kClientBytes + 26, field("7701000001"),
         [](const DataStore& s) { EXPECT_EQ(s.Clients[1].FirmInn, "7701000001"); }},
        {"Clients", clients, kClientBytes + 169, "\x01",
         [](const DataStore& s) { EXPECT_EQ(s.Clients[1].Inactive, 1); }},
        // A damaged length byte must not pull the next field's bytes into FirmInn.
        {"Clients", clients, 26,
         "\xFF"
         "123456789012"
         "\x03"
         "555",
         [](const DataStore& s) { EXPECT_EQ(s.Clients[0].FirmInn.view(), "123456789012"); }},
        {"ClientsDel", clients, 63 * kClientBytes + 26, field("7701000002"),
         [](const DataStore& s) { EXPECT_EQ(s.ClientsDel[63].FirmInn, "7701000002"); }},
        {"FormW", 128, 2 * 3, le16(0x1234),
         [](const DataStore& s) { EXPECT_EQ(s.FormW.values[3].get(), 0x1234); }},
        {"ArCol.ats", 512, 2 * 255, le16(0x0100),
         [](const DataStore& s) { EXPECT_EQ(s.ArCol.values[255].get(), 256); }},
        {"Function", 1472, 15 * kFunctionBytes, field("Тариф"_cp),
         [](const DataStore& s) { EXPECT_EQ(utf8(s.Functions[15].Name), "Тариф"); }},
        // The count, two padding bytes, then 8-byte points: point 1's x is at offset 12.
        {"Pixels", 144012, 0, le16(16) + std::string(10, '\0') + le16(0x0102),
         [](const DataStore& s) {
             EXPECT_EQ(s.Pixels.count.get(), 16);
             EXPECT_EQ(s.Pixels.points[1].x.get(), 0x0102);
         }},
    };
}

TEST(RecordLayout, BytesAtFileOffsetAppearInLoadedField) {
    for (const auto& p : placements()) {
        SCOPED_TRACE(std::string(p.file) + " at " + std::to_string(p.offset));
        TempFolder folder;
        std::string image(p.fileSize, '\0');
        put(image, p.offset, p.bytes);
        folder.writeFile(p.file, image);
        auto store = storeIn(folder);
        loadStartupTables(*store);
        p.check(*store);
    }
}

} // namespace
} // namespace kestrelon::test
