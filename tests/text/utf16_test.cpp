#include "common/text/utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace qvl::text {
namespace {

using namespace std::string_literals;

TEST(Utf16Test, ConvertsEveryCharacterAndReplacesWhatIsBroken) {
    const std::string text = "a中€\xF0\x9F\x98\x80";  // U+1F600 takes a surrogate pair
    EXPECT_EQ(utf8ToUtf16(text), u"a中€\xD83D\xDE00");
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(text)), text);
    EXPECT_EQ(utf8ToUtf16("x\xFFy"), u"x\xFFFDy");
    EXPECT_EQ(utf16ToUtf8(u"\xD800x\xDC00"), "\xEF\xBF\xBDx\xEF\xBF\xBD");  // unpaired surrogates
}

TEST(Utf16Test, StoresCodeUnitsLowByteFirst) {
    EXPECT_EQ(unitsToUtf16le(u"A中\xD800"), "A\0\x2D\x4E\x00\xD8"s);
    EXPECT_EQ(utf16leToUnits("A\0\x2D\x4E\x00\xD8\x7F"s), u"A中\xD800");  // the odd byte is no unit
}

}  // namespace
}  // namespace qvl::text
