#include "store/cp1251.h"
#include "store/io_error.h"
#include "support/temp_folder.h"
#include "tariff/price_files.h"
#include "tariff/price_list.h"
#include "tariff/price_text_codec.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace kestrelon::tariff {
namespace {

using test::TempFolder;

std::uint32_t le32At(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + i])) << (8 * i);
    }
    return value;
}

// An image whose every byte says where it is, with a valid count.
std::string patternedImage(std::uint32_t count) {
    std::string bytes(kPriceImageSize, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[376656 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
    }
    return bytes;
}

TEST(PriceImage, SavedImageHasTheFileLayout) {
    TempFolder folder;
    PriceList list('.');
    list.parse("Москва   12.50\nХлеб 1\n"_cp);
    list.setLinePercent(1, 50);
    const std::string path = folder.path() + "list.trf";
    savePriceImage(path, list.table());
    const std::string bytes = folder.readFile("list.trf");
    ASSERT_EQ(bytes.size(), 376832u);
    EXPECT_EQ(le32At(bytes, 376656), 2u);
    const std::size_t line1 = 184;
    EXPECT_EQ(le32At(bytes, line1 + 0), 100u); // base price
    EXPECT_EQ(le32At(bytes, line1 + 4), 150u); // marked-up price
    EXPECT_EQ(le32At(bytes, line1 + 8), 50u);  // percent
    EXPECT_EQ(bytes[line1 + 36], 1);           // its own percentage
    EXPECT_EQ(bytes.substr(line1 + 37, 2), "\x01"
                                           "1");
    EXPECT_EQ(bytes.substr(line1 + 45, 4), "\x03"
                                           "1.5");
    EXPECT_EQ(bytes.substr(line1 + 53, 5), "\x04" + "Хлеб"_cp);
    EXPECT_EQ(bytes.substr(53, 9), "\x08" + "Москва  "_cp);
}

TEST(PriceImage, RoundTripKeepsEveryByte) {
    TempFolder folder;
    const std::string original = patternedImage(2047);
    folder.writeFile("in.trf", original + "bytes after the image are ignored");
    const PriceImageRead read = readPriceImage(folder.path() + "in.trf");
    ASSERT_TRUE(read.table) << cp1251ToUtf8(read.refusal);
    EXPECT_EQ(read.table->count(), 2047u);
    EXPECT_EQ(std::memcmp(read.table.get(), original.data(), original.size()), 0);
    savePriceImage(folder.path() + "out.trf", *read.table);
    EXPECT_EQ(folder.readFile("out.trf"), original);
}

TEST(PriceImage, AShortFileOrACountAbove2047IsRefused) {
    TempFolder folder;
    const std::pair<std::string, std::string> cases[] = {
        {"short.trf", patternedImage(3).substr(0, 376831)},
        {"empty.trf", ""},
        {"count.trf", patternedImage(2048)},
        {"huge.trf", patternedImage(0xFFFFFFFF)},
    };
    for (const auto& [name, bytes] : cases) {
        folder.writeFile(name, bytes);
        const PriceImageRead read = readPriceImage(folder.path() + name);
        EXPECT_FALSE(read.table) << name;
        EXPECT_FALSE(read.refusal.empty()) << name;
    }
    try {
        readPriceImage(folder.path() + "missing.trf");
        ADD_FAILURE() << "a missing file was read";
    } catch (const IoError& error) {
        EXPECT_EQ(error.message(), "File not found");
    }
}

TEST(PriceFiles, OpenTakesTextsAndImagesInAnyLetterCase) {
    const std::pair<const char*, PriceFileKind> cases[] = {
        {"/home/u/price.txt", PriceFileKind::Text},  {"/home/u/PRICE.TXT", PriceFileKind::Text},
        {"/home/u/a.b.Txt", PriceFileKind::Text},    {"/home/u/list.trf", PriceFileKind::Image},
        {"/home/u/LIST.TRF", PriceFileKind::Image},  {"/home/u/list.csv", PriceFileKind::Other},
        {"/home/u/list.txt~", PriceFileKind::Other}, {"/home/u/list", PriceFileKind::Other},
        {"/home/u.txt/list", PriceFileKind::Other},  {"/home/u/.txtx", PriceFileKind::Other},
    };
    for (const auto& [path, kind] : cases) {
        EXPECT_EQ(priceFileKind(path), kind) << path;
    }
}

TEST(PriceTextFiles, EncodingAndLineEndsAreFoundAndWrittenBack) {
    const std::string cp = "Москва   12.50"_cp;
    struct Case {
        const char* label;
        std::string bytes;
        TextEncoding encoding;
        bool bom;
        LineEnd lineEnd;
    };
    const Case cases[] = {
        {"UTF-8, CRLF", "Москва   12.50\r\nХлеб 1\r\n", TextEncoding::Utf8, false, LineEnd::CrLf},
        {"UTF-8 with BOM, LF", "\xEF\xBB\xBFМосква   12.50\nХлеб 1", TextEncoding::Utf8, true,
         LineEnd::Lf},
        {"cp1251, CRLF", cp + "\r\n" + "Хлеб 1"_cp + "\r\n", TextEncoding::Cp1251, false,
         LineEnd::CrLf},
        {"cp1251, LF", cp + "\n" + "Хлеб 1"_cp, TextEncoding::Cp1251, false, LineEnd::Lf},
        {"UTF-8, CR", "Москва   12.50\rХлеб 1\r", TextEncoding::Utf8, false, LineEnd::Cr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const FileText text = decodeTextFile(c.bytes);
        EXPECT_EQ(text.format.encoding, c.encoding);
        EXPECT_EQ(text.format.byteOrderMark, c.bom);
        EXPECT_EQ(text.format.lineEnd, c.lineEnd);
        const std::string lines = "Москва   12.50\nХлеб 1";
        EXPECT_EQ(text.utf8.substr(0, lines.size()), lines);
        EXPECT_EQ(encodeTextFile(text.utf8, text.format), c.bytes);
        // Names keep their letters whichever way the file was written.
        PriceList list('.');
        list.parse(utf8ToCp1251(text.utf8));
        ASSERT_EQ(list.count(), 2u);
        EXPECT_EQ(cp1251ToUtf8(list.line(0).Name.view()), "Москва  ");
    }
    EXPECT_EQ(decodeTextFile("plain 1\n").format, TextFormat{});
    EXPECT_EQ(decodeTextFile("").format, TextFormat{});
}

// A cp1251 list may begin with "п»ї", the bytes of the UTF-8 mark: it is read, written and read
// again as cp1251 with every letter, while a marked UTF-8 list stays UTF-8.
TEST(PriceTextFiles, MarkBytesMakeUtf8OnlyWhenTheRestIsUtf8) {
    struct Case {
        const char* label;
        std::string bytes;
        TextEncoding encoding;
        bool bom;
        std::string firstName; // UTF-8
        std::string secondName;
    };
    const std::string mark = "\xEF\xBB\xBF";
    const Case cases[] = {
        {"cp1251 beginning with the mark's bytes", mark + "Москва   12.50\r\nХлеб 1\r\n"_cp,
         TextEncoding::Cp1251, false, "п»їМосква  ", "Хлеб"},
        {"UTF-8 with a mark", mark + "Москва   12.50\r\nХлеб 1\r\n", TextEncoding::Utf8, true,
         "Москва  ", "Хлеб"},
        {"ASCII after the mark", mark + "Moscow 12.50\r\nBread 1\r\n", TextEncoding::Utf8, true,
         "Moscow", "Bread"},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const FileText read = decodeTextFile(c.bytes);
        EXPECT_EQ(read.format.encoding, c.encoding);
        EXPECT_EQ(read.format.byteOrderMark, c.bom);
        EXPECT_EQ(encodeTextFile(read.utf8, read.format), c.bytes);
        PriceList list('.');
        list.parse(utf8ToCp1251(read.utf8));
        ASSERT_EQ(list.count(), 2u);
        EXPECT_EQ(cp1251ToUtf8(list.line(0).Name.view()), c.firstName);

        // The marked-up list is written the way the list was read, and reads back so.
        const std::string path = folder.path() + "out.txt";
        writeWholeFile(path, encodeLines(list.outputLines(), read.format));
        const FileText again = decodeTextFile(readWholeFile(path));
        EXPECT_EQ(again.format, read.format);
        PriceList output('.');
        output.parse(utf8ToCp1251(again.utf8));
        ASSERT_EQ(output.count(), 2u);
        EXPECT_EQ(cp1251ToUtf8(output.line(0).Name.view()), c.firstName);
        EXPECT_EQ(cp1251ToUtf8(output.line(1).Name.view()), c.secondName);
    }
}

TEST(PriceTextFiles, OutputIsWrittenInTheListsEncodingAndLineEnds) {
    const std::vector<std::string> lines = {"Москва  \t25"_cp, "Хлеб\t1,5"_cp};
    const TextFormat cp1251{TextEncoding::Cp1251, false, LineEnd::CrLf};
    const TextFormat utf8Bom{TextEncoding::Utf8, true, LineEnd::Lf};
    EXPECT_EQ(encodeLines(lines, cp1251), "Москва  \t25\r\nХлеб\t1,5\r\n"_cp);
    EXPECT_EQ(encodeLines(lines, utf8Bom), "\xEF\xBB\xBFМосква  \t25\nХлеб\t1,5\n");
    EXPECT_EQ(encodeLines(lines, TextFormat{}), "Москва  \t25\nХлеб\t1,5\n");
    EXPECT_EQ(encodeTextFile("€ и 中", cp1251), "€ и ?"_cp);
}

TEST(PriceTextFiles, WrittenFilesReplaceTheOldOneWhole) {
    TempFolder folder;
    const std::string path = folder.path() + "out.txt";
    writeWholeFile(path, "a long first version\n");
    writeWholeFile(path, "short\n");
    EXPECT_EQ(readWholeFile(path), "short\n");
    EXPECT_FALSE(folder.exists("out.txt.~save"));
    try {
        readWholeFile(folder.path() + "none.txt");
        ADD_FAILURE() << "a missing file was read";
    } catch (const IoError& error) {
        EXPECT_EQ(error.message(), "File not found");
    }
}

} // namespace
} // namespace kestrelon::tariff
