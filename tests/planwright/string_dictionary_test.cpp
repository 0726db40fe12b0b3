#include <gtest/gtest.h>

#include "common/automation/error.h"
#include "planwright/shorten_text.h"
#include "planwright/string_dictionary.h"

namespace qvl::planwright {
namespace {

int errorNumberOf(const std::function<void()>& statement) {
    try {
        statement();
    } catch (const automation::Error& e) {
        return e.code();
    }
    return 0;
}

TEST(StringDictionary, KeepsInsertionOrderThroughRenamesAndRemovals) {
    StringDictionary d;
    d.Add("b", "B");
    d.Add("a", "A");
    d.Add("c", "C");
    d.Key("a", "a-出现错误!");
    EXPECT_EQ(d.Keys(), (std::vector<std::string>{"b", "a-出现错误!", "c"}));
    EXPECT_EQ(d.Item("a-出现错误!"), "A");
    EXPECT_FALSE(d.Exists("a"));
    d.Remove("b");
    d.Add("b", "B2");
    EXPECT_EQ(d.Keys(), (std::vector<std::string>{"a-出现错误!", "c", "b"}));
    d.RemoveAll();
    EXPECT_EQ(d.Count(), 0u);
}

TEST(StringDictionary, KeysCompareExactly) {
    StringDictionary d;
    d.Add("Part.CATPart", "1");
    d.Add("part.CATPart", "2");
    EXPECT_EQ(d.Count(), 2u);
    EXPECT_FALSE(d.Exists("PART.CATPART"));
}

TEST(StringDictionary, RefusesWhatTheScriptingDictionaryRefuses) {
    StringDictionary d;
    d.Add("a", "A");
    d.Add("b", "B");
    EXPECT_EQ(errorNumberOf([&] { d.Add("a", "again"); }), StringDictionary::keyAlreadyExists);
    EXPECT_EQ(errorNumberOf([&] { d.Key("a", "b"); }), StringDictionary::keyAlreadyExists);
    EXPECT_EQ(errorNumberOf([&] { d.Key("x", "y"); }), StringDictionary::elementNotFound);
    EXPECT_EQ(errorNumberOf([&] { d.Remove("x"); }), StringDictionary::elementNotFound);
    EXPECT_EQ(errorNumberOf([&] { (void)d.Item("x"); }), StringDictionary::elementNotFound);
    // Nothing of that changed the dictionary; reading a missing key adds no entry.
    EXPECT_EQ(d.Keys(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(d.Item("a"), "A");
}

TEST(ShortenText, CutsToTheLastOrFirstCharacters) {
    const std::string p45 = "D:\\" + std::string(32, 'a') + "\\b.CATPart";  // 3 + 32 + 10 = 45
    ASSERT_EQ(p45.size(), 45u);
    EXPECT_EQ(ShortenText(p45, 45, "R"), p45);
    const std::string p46 = "X" + p45;
    EXPECT_EQ(ShortenText(p46, 45, "R"), ".." + p45);
    EXPECT_EQ(ShortenText(p46, 45, "L"), p46.substr(0, 45) + "..");
    EXPECT_EQ(ShortenText(p46, 45, "r"), "");
    EXPECT_EQ(ShortenText(p46, 45, "M"), "");
    EXPECT_EQ(ShortenText("", 0, "R"), "");
    EXPECT_EQ(ShortenText("ab", 0, "R"), "..");
}

TEST(ShortenText, CountsChineseCharactersAsOne) {
    std::string forty5;
    for (int i = 0; i < 43; ++i) forty5 += "零";
    forty5 += "件A";
    EXPECT_EQ(ShortenText(forty5, 45, "R"), forty5);  // 135 bytes, 45 characters
    EXPECT_EQ(ShortenText("D" + forty5, 45, "R"), ".." + forty5);
    EXPECT_EQ(ShortenText("零件" + forty5, 46, "L"), "零件" + forty5.substr(0, 44 * 3) + "..");
}

TEST(ShortenText, NegativeLengthFails) {
    EXPECT_EQ(errorNumberOf([] { (void)ShortenText("abc", -1, "R"); }), automation::errc::invalidProcedureCall);
    EXPECT_EQ(ShortenText("abc", -1, "X"), "");
}

}  // namespace
}  // namespace qvl::planwright
