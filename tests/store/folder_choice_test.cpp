// The folder "Отправить" last wrote into ("MailFolder"), kept across runs.

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

} // namespace
} // namespace kestrelon::test
