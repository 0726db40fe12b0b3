#include <gtest/gtest.h>

#include "win32/base/wide_text.h"

namespace qvl::win32 {
namespace {

TEST(WideText, ChineseAndAstralCharactersRoundTrip) {
    const std::string text = "零件名称 Housing 𠀀";
    const std::wstring wide = toWide(text);
    EXPECT_EQ(wide.size(), 4u + 9u + 2u);  // the astral character is a surrogate pair
    EXPECT_EQ(wide.substr(0, 4), L"\u96f6\u4ef6\u540d\u79f0");
    EXPECT_EQ(toUtf8(wide), text);
}

TEST(WideText, IllFormedUtf8BecomesReplacementCharacter) {
    EXPECT_EQ(toWide("a\xff" "b"), L"a\ufffd" L"b");
    EXPECT_EQ(toWide(""), L"");
}

}  // namespace
}  // namespace qvl::win32
