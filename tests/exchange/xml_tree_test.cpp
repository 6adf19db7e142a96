// The exchange file's XML: escaped so that any name survives, windows-1251 or nothing.

#include "exchange/xml_tree.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(XmlTree, WritesWindows1251WithEscapesAndLeavesEmptyAttributesOut) {
    XmlElement root{"Файл", {{"А", "ООО «Рога & Копыта» \"Юг\" 'Север' <1>"}, {"Б", ""}}, {}, {}};
    root.child(XmlElement{"Текст", {}, {}, "a\tb\r\nc"});
    const XmlBytes xml = writeXmlCp1251(root);
    ASSERT_TRUE(xml.ok());
    EXPECT_EQ(xml.bytes,
              "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n"
              "<\xD4\xE0\xE9\xEB \xC0=\"\xCE\xCE\xCE \xAB\xD0\xEE\xE3\xE0 &amp; "
              "\xCA\xEE\xEF\xFB\xF2\xE0\xBB &quot;\xDE\xE3&quot; &apos;\xD1\xE5\xE2\xE5\xF0&apos; "
              "&lt;1&gt;\">\r\n"
              "\t<\xD2\xE5\xEA\xF1\xF2>a&#9;b&#13;&#10;c</\xD2\xE5\xEA\xF1\xF2>\r\n"
              "</\xD4\xE0\xE9\xEB>\r\n");
}

TEST(XmlTree, RefusesByNameWhatWindows1251OrXmlCannotHold) {
    XmlElement root{"ФИО", {{"Фамилия", "Bērziņš"}, {"Имя", "Jānis"}}, {}, {}};
    root.child(XmlElement{"Примечание", {}, {}, std::string("x\x01y") + "😀"});
    const XmlBytes xml = writeXmlCp1251(root);
    EXPECT_TRUE(xml.bytes.empty());
    const std::vector<std::string> expected = {
        "ФИО/@Фамилия: знак «ē» (U+0113) не записывается в кодировке windows-1251",
        "ФИО/@Фамилия: знак «ņ» (U+0146) не записывается в кодировке windows-1251",
        "ФИО/@Фамилия: знак «š» (U+0161) не записывается в кодировке windows-1251",
        "ФИО/@Имя: знак «ā» (U+0101) не записывается в кодировке windows-1251",
        "ФИО/Примечание: управляющий знак U+0001 не допускается в XML",
        "ФИО/Примечание: знак «😀» (U+1F600) не записывается в кодировке windows-1251",
    };
    EXPECT_EQ(xml.problems, expected);
}

} // namespace
} // namespace kestrelon
