// The folders last chosen for each kind of file ("MailFolder", "PdfFolder", "SyncFolder"),
// kept across runs.

#include "store/folder_choice.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <optional>

namespace kestrelon::test {
namespace {

std::string withLength(std::uint16_t length, const std::string& text) {
    std::string image(sizeof(FolderChoice), '\0');
    image[0] = static_cast<char>(length & 0xFF);
    image[1] = static_cast<char>(length >> 8);
    image.replace(2, text.size(), text);
    return image;
}

TEST(MailFolder, AChosenFolderIsFoundAgainInTheNextRun) {
    const std::string longest(FolderChoice::kCapacity, 'a');
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"plain", "/home/buh/Отчеты/2013"},
        {"blanks and quotes", "/media/флешка/\"Март\" 2013 г"},
        {"not cp1251", "/home/buh/Ελλάδα/文件"},
        {"as long as it may be", "/" + longest.substr(1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder data;
        ASSERT_TRUE(saveMailFolder(data.path(), c.path));
        ASSERT_EQ(data.readFile("MailFolder").size(), 4096u) << "a fixed-size file";
        EXPECT_EQ(loadMailFolder(data.path()), c.path);
    }
}

TEST(MailFolder, ATooLongPathIsNotKeptAndTheEarlierChoiceStays) {
    TempFolder data;
    ASSERT_TRUE(saveMailFolder(data.path(), "/home/buh"));
    EXPECT_FALSE(saveMailFolder(data.path(), std::string(FolderChoice::kCapacity + 1, 'a')));
    EXPECT_EQ(loadMailFolder(data.path()), "/home/buh");
}

TEST(MailFolder, NoFileOrADamagedOneGivesNoFolder) {
    const struct {
        const char* name;
        std::optional<std::string> image;
        std::string expected;
    } cases[] = {
        {"never chosen", std::nullopt, ""},
        {"length within the field", withLength(5, "/tmp/xyz"), "/tmp/"},
        {"length past the field", withLength(4095, "/tmp"), ""},
        {"length at its largest", withLength(0xFFFF, "/tmp"), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder data;
        if (c.image) {
            data.writeFile("MailFolder", *c.image);
        }
        EXPECT_EQ(loadMailFolder(data.path()), c.expected);
    }
}

TEST(FolderChoice, EachKindKeepsItsOwnFolderInItsOwnFile) {
    const struct {
        FolderKind kind;
        const char* file;
        std::string path;
    } kinds[] = {
        {FolderKind::Mail, "MailFolder", "/home/buh/Почта"},
        {FolderKind::Pdf, "PdfFolder", "/home/buh/Документы/PDF"},
        {FolderKind::Sync, "SyncFolder", "/media/флешка/Отчеты"},
    };
    TempFolder data;
    for (const auto& k : kinds) {
        EXPECT_EQ(loadFolder(data.path(), k.kind), "") << k.file << ": none chosen yet";
    }
    for (const auto& k : kinds) {
        ASSERT_TRUE(saveFolder(data.path(), k.kind, k.path)) << k.file;
    }
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.file);
        EXPECT_EQ(folderFileName(k.kind), std::string(k.file));
        EXPECT_EQ(data.readFile(k.file).size(), 4096u);
        EXPECT_EQ(loadFolder(data.path(), k.kind), k.path);
    }
    EXPECT_EQ(loadMailFolder(data.path()), "/home/buh/Почта");
}

} // namespace
} // namespace kestrelon::test
