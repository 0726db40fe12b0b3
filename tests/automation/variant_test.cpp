#include "common/automation/variant.h"

#include <gtest/gtest.h>

#include "common/automation/error.h"

namespace qvl::automation {
namespace {

std::int32_t errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.code();
    }
    return 0;
}

TEST(Variant, ConvertsNumbersToTextAsCStrDoes) {
    EXPECT_EQ(Variant(0.5).toString(), "0.5");
    EXPECT_EQ(Variant(1.0 / 3).toString(), "0.333333333333333");
    EXPECT_EQ(Variant(12500.0).toString(), "12500");
    EXPECT_EQ(Variant(42).toString(), "42");
    EXPECT_EQ(Variant(true).toString(), "True");
    EXPECT_EQ(Variant().toString(), "");
}

TEST(Variant, ConvertsTextToNumbersStrictlyAndRoundsHalfToEven) {
    EXPECT_DOUBLE_EQ(Variant(" 12.5 ").toDouble(), 12.5);
    EXPECT_EQ(Variant("2.5").toLong(), 2);
    EXPECT_EQ(Variant("3.5").toLong(), 4);
    EXPECT_EQ(Variant(-2.5).toLong(), -2);
    EXPECT_EQ(Variant().toLong(), 0);
    EXPECT_EQ(Variant(true).toLong(), -1);
    EXPECT_EQ(errorOf([] { (void)Variant("12a").toDouble(); }), errc::typeMismatch);
    EXPECT_EQ(errorOf([] { (void)Variant("").toLong(); }), errc::typeMismatch);
    EXPECT_EQ(errorOf([] { (void)Variant(3e10).toLong(); }), errc::overflow);
    EXPECT_EQ(errorOf([] { (void)Variant::null().toString(); }), 94);
}

TEST(Variant, ConvertsToBooleanAsCBoolDoes) {
    EXPECT_TRUE(Variant("true").toBool());
    EXPECT_FALSE(Variant(" False ").toBool());
    EXPECT_TRUE(Variant("-1").toBool());
    EXPECT_FALSE(Variant(0.0).toBool());
    EXPECT_EQ(errorOf([] { (void)Variant("yes").toBool(); }), errc::typeMismatch);
}

TEST(Variant, NamesItsTypeAsTypeNameDoes) {
    EXPECT_EQ(Variant().typeName(), "Empty");
    EXPECT_EQ(Variant::null().typeName(), "Null");
    EXPECT_EQ(Variant(Object()).typeName(), "Nothing");
    EXPECT_EQ(Variant(1.5).typeName(), "Double");
    EXPECT_EQ(Variant("x").typeName(), "String");
    EXPECT_EQ(Variant(Variant::Array{1, 2}).typeName(), "Variant()");
}

TEST(Variant, RefusesToBeReadAsWhatItDoesNotHold) {
    EXPECT_EQ(errorOf([] { (void)Variant("text").object(); }), errc::objectRequired);
    EXPECT_EQ(errorOf([] { (void)Variant(1).array(); }), errc::typeMismatch);
    EXPECT_EQ(errorOf([] { (void)Variant(Object()).toString(); }), errc::typeMismatch);
    EXPECT_TRUE(Variant(Object()).isNothing());
    EXPECT_FALSE(Variant().isNothing());
}

TEST(Variant, ArraysCopyByValue) {
    Variant original(Variant::Array{1, "a"});
    Variant copy = original;
    copy.array()[0] = Variant(99);
    EXPECT_EQ(original.array()[0].toLong(), 1);
    EXPECT_FALSE(original == copy);
}

}  // namespace
}  // namespace qvl::automation
