#include "sheets/zipped/zip_archive.h"

#include "zip_test_writer.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

#include <functional>

namespace kestrelon {
namespace {

using test::zipOf;
using test::ZipOptions;
using test::ZipPart;

// Rows enough that the deflated part spans many bytes.
std::string sheetXml() {
    std::string xml = "<sheetData>";
    for (int row = 1; row <= 200; ++row) {
        xml += "<row r=\"" + std::to_string(row) + "\"><c><v>" + std::to_string(row * 7919) +
               "</v></c></row>";
    }
    return xml + "</sheetData>";
}

const std::string kSheet = sheetXml();

ZipOptions zip64() {
    ZipOptions options;
    options.zip64 = true;
    return options;
}

ZipOptions commented(std::string comment) {
    ZipOptions options;
    options.comment = std::move(comment);
    return options;
}

// What reading every entry gives: "name=bytes" lines, or "! " and the damage in UTF-8.
std::string readAll(const std::string& file) {
    try {
        const ZipArchive zip(file);
        std::string all;
        for (const ZipEntry& entry : zip.entries()) {
            all += entry.name + "=" + zip.read(entry) + "\n";
        }
        return all;
    } catch (const DamagedFile& e) {
        return "! " + cp1251ToUtf8(e.what());
    }
}

TEST(ZipArchive, EntriesAreReadStoredOrDeflatedWhateverWayTheArchiveIsWritten) {
    const std::vector<ZipPart> parts = {ZipPart("mimetype", "text").stored(),
                                        ZipPart("a/b.xml", "<b/>")};
    const struct {
        const char* label;
        std::string file;
    } cases[] = {
        {"plain", zipOf(parts)},
        {"with a comment holding the end record's signature",
         zipOf(parts, commented("PK\x05\x06 not the end"))},
        {"zip64", zipOf(parts, zip64())},
        {"sizes in data descriptors",
         zipOf({parts[0].withDataDescriptor(), parts[1].withDataDescriptor()})},
        {"an empty entry", zipOf({parts[0], parts[1].stored()})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readAll(c.file), "mimetype=text\na/b.xml=<b/>\n") << c.label;
    }
    const std::string file = zipOf(parts);
    const ZipArchive zip(file);
    EXPECT_EQ(zip.read("a/b.xml"), "<b/>");
    EXPECT_EQ(zip.read("A/B.xml"), std::nullopt);
    EXPECT_EQ(readAll(zipOf({})), "");
}

TEST(ZipArchive, AnEntryUnlikeItsDirectoryIsDamagedAndSaysWhichAndHow) {
    const std::string sheet = "xl/worksheets/sheet1.xml";
    const ZipPart part(sheet, kSheet);
    ZipOptions pastTheEnd;
    pastTheEnd.directoryOffset = 1u << 20;
    const std::string whole = zipOf({part});
    const std::string half = whole.substr(0, whole.size() / 2);
    const struct {
        const char* label;
        std::string file;
        const char* said;
    } cases[] = {
        {"no end record: cut short", half, "нет оглавления архива zip"},
        {"local header states half the size", zipOf({part.localHeaderStates(kSheet.size() / 2)}),
         "часть «xl/worksheets/sheet1.xml» не совпадает с оглавлением архива"},
        {"both headers state half the size", zipOf({part.bothState(kSheet.size() / 2)}),
         "часть «xl/worksheets/sheet1.xml» длиннее, чем сказано в оглавлении архива"},
        {"directory and header state more", zipOf({part.stored().bothState(kSheet.size() + 1)}),
         "часть «xl/worksheets/sheet1.xml» короче, чем сказано в оглавлении архива"},
        {"wrong CRC", zipOf({part.crcStated(0x12345678)}),
         "часть «xl/worksheets/sheet1.xml» не сходится с контрольной суммой"},
        {"1 GB stated", zipOf({ZipPart("content.xml", kSheet).bothState(1u << 30)}),
         "часть «content.xml» больше 256 МБ"},
        {"deflated data cut short", zipOf({part.packedSizeStated(100)}),
         "часть «xl/worksheets/sheet1.xml» обрывается"},
        {"stored data that is not deflate",
         zipOf({ZipPart(sheet, "\xFF\xFF\xFF").stored().methodStated(8)}),
         "часть «xl/worksheets/sheet1.xml» повреждена"},
        {"bzip2", zipOf({part.methodStated(12)}),
         "часть «xl/worksheets/sheet1.xml» сжата неизвестным способом (12)"},
        {"encrypted", zipOf({part.flagged(1)}), "часть «xl/worksheets/sheet1.xml» зашифрована"},
        {"two entries of one name", zipOf({ZipPart(sheet, "a"), ZipPart(sheet, "b")}),
         "часть «xl/worksheets/sheet1.xml» записана в архиве дважды"},
        {"directory past the end", zipOf({part}, pastTheEnd),
         "оглавление архива zip выходит за конец файла"},
        {"data past the directory", zipOf({part.packedSizeStated(1u << 20)}),
         "часть «xl/worksheets/sheet1.xml» выходит за конец архива"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readAll(c.file), std::string("! ") + c.said) << c.label;
        std::string checked;
        try {
            ZipArchive(c.file).checkEveryEntry();
        } catch (const DamagedFile& e) {
            checked = cp1251ToUtf8(e.what());
        }
        EXPECT_EQ(checked, c.said) << c.label << ": the whole-archive check";
    }
}

// Whatever a damaged file holds, the reader reads inside it and tells it as damaged: every
// prefix of an archive and every byte of its headers changed.
TEST(ZipArchive, AnyDamageIsToldAsDamagedNeverAnotherFault) {
    const std::string file = zipOf(
        {ZipPart("mimetype", "text").stored(), ZipPart("content.xml", kSheet)}, commented("c"));
    const auto survives = [](const std::string& bytes) {
        try {
            ZipArchive(bytes).checkEveryEntry();
        } catch (const DamagedFile&) {
        }
    };
    for (std::size_t size = 0; size < file.size(); ++size) {
        EXPECT_NO_THROW(survives(file.substr(0, size))) << size;
    }
    const std::size_t directory = file.rfind("PK\x01\x02", std::string::npos);
    for (std::size_t at = 0; at < file.size(); ++at) {
        if (at >= 60 && at < directory - 60) {
            continue; // the deflated data: the CRC catches its changes
        }
        for (const char value : {'\x00', '\x7F', '\xFF'}) {
            std::string changed = file;
            changed[at] = value;
            EXPECT_NO_THROW(survives(changed)) << at;
        }
    }
}

} // namespace
} // namespace kestrelon
