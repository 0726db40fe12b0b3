#include <gtest/gtest.h>

#include <string>

#include "common/profile/profile_text.h"
#include "common/text/gbk.h"
#include "common/text/utf16.h"
#include "common/text/utf8.h"

namespace qvl::profile {
namespace {

using namespace std::string_literals;

// A settings file as Notepad saves it in "Unicode": the UTF-16LE byte-order mark, then UTF-16LE.
std::string utf16le(const std::string& utf8) { return text::unitsToUtf16le(text::utf8ToUtf16(utf8)); }
std::string unicodeFile(const std::string& utf8) { return "\xFF\xFE" + utf16le(utf8); }

TEST(UnicodeProfileTest, ReadsTheFileAsUnicodeAndGivesAnsiText) {
    std::string notes;
    for (int i = 0; i < 200; ++i) notes += "技";
    const std::string file = unicodeFile("; 记事本\r\n[自动投图]\r\n\v设计S = '张三'\r\n绘图S=•李四\r\n[生成加工单Drw]\r\n技术要求=" +
                                         notes + "\r\n");
    EXPECT_EQ(readProfileString(file, "自动投图", "设计s", "-"), "张三");
    EXPECT_EQ(readProfileString(file, "自动投图", "绘图S", "-"), "?李四");  // • has no GBK form
    // 255 bytes hold 127 characters; the 128th, which does not fit whole, is left out.
    EXPECT_EQ(readProfileString(file, "生成加工单DRW", "技术要求", "-"), text::leftChars(notes, 127));
    EXPECT_EQ(readProfileString(file, "生成加工单Drw", "技术要求", "-", kUnlimitedBuffer), notes);
    EXPECT_EQ(readProfileString(file, "自动投图", "绘图", "-"), "-");
    // A UTF-8 byte-order mark makes no Unicode file: it belongs to the first line.
    EXPECT_EQ(readProfileString("\xEF\xBB\xBF[a]\r\nx=1\r\n", "a", "x", "-"), "-");
}

TEST(UnicodeProfileTest, EditsTheFileInPlaceAndKeepsItUnicode) {
    // Around the key: a character without a GBK form, an unpaired surrogate and an odd last byte.
    const std::string head = unicodeFile("; •\r\n[自动投图]\r\n");
    const std::string tail = utf16le("\r\n绘图S=李四\n\r\n[其他]\r\nk=1") + "\x00\xD8\x41"s;
    const std::string before = head + utf16le("设计S='张三'") + tail;

    const std::string replaced = writeProfileString(before, "自动投图", "设计S", "王五");
    EXPECT_EQ(replaced, head + utf16le("设计S=王五") + tail);

    const std::string appended = writeProfileString(replaced, "自动投图", "绘图", "1•");
    EXPECT_EQ(appended, head + utf16le("设计S=王五\r\n绘图S=李四\n绘图=1?\r\n\r\n[其他]\r\nk=1") + "\x00\xD8\x41"s);

    const std::string newSection = writeProfileString(unicodeFile(""), "生成加工单Drw", "编程", "张三");
    EXPECT_EQ(newSection, unicodeFile("[生成加工单Drw]\r\n编程=张三\r\n"));
}

}  // namespace
}  // namespace qvl::profile
