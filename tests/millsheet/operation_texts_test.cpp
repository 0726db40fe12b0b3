#include <gtest/gtest.h>

#include "millsheet/operations/operation_texts.h"

namespace qvl::millsheet {
namespace {

TEST(OperationTexts, NumbersAreTheLeadingNumberOfAnAttributeInShortestForm) {
    EXPECT_EQ(NumberText("10mm"), "10");
    EXPECT_EQ(NumberText("0.50mm"), "0.5");
    EXPECT_EQ(NumberText("  12.25 mm"), "12.25");
    EXPECT_EQ(NumberText("-3mm"), "-3");
    EXPECT_EQ(NumberText("0mm"), "0");
    // A text without a leading number reads 0.
    EXPECT_EQ(NumberText("mm10"), "0");
    EXPECT_EQ(NumberText(""), "0");
}

TEST(OperationTexts, DiameterAndRadiusShowWhatCouldBeRead) {
    EXPECT_EQ(DiameterRadiusText("10mm", "0.5mm"), "D10/R0.5");
    EXPECT_EQ(DiameterRadiusText("10mm", "0mm"), "D10/R0");
    EXPECT_EQ(DiameterRadiusText(std::nullopt, "0.5mm"), "?\?/R0.5");
    EXPECT_EQ(DiameterRadiusText("8mm", std::nullopt), "D8/");
    EXPECT_EQ(DiameterRadiusText(std::nullopt, std::nullopt), "?\?/");
    EXPECT_EQ(DiameterRadiusText("abc", "x"), "D0/R0");
}

TEST(OperationTexts, LengthsKeepTheirSeparatorWhenAPartIsMissing) {
    EXPECT_EQ(LengthsText("30mm", "75mm"), "30//75mm");
    EXPECT_EQ(LengthsText("30mm", "75"), "30//75");
    EXPECT_EQ(LengthsText(std::nullopt, "75"), "//75");
    EXPECT_EQ(LengthsText("30.5mm", std::nullopt), "30.5//");
    EXPECT_EQ(LengthsText(std::nullopt, std::nullopt), "//");
}

TEST(OperationTexts, MachiningTimesHaveTwoDecimalsRoundedHalfToEven) {
    EXPECT_EQ(MachiningTimeText(0.125), "0.12");
    EXPECT_EQ(MachiningTimeText(0.375), "0.38");
    EXPECT_EQ(MachiningTimeText(3), "3.00");
    EXPECT_EQ(MachiningTimeText(1.5), "1.50");
    EXPECT_EQ(MachiningTimeText(12.3456), "12.35");
    EXPECT_EQ(MachiningTimeText(0), "0.00");
    EXPECT_EQ(TimeSumText(4.25), "4.25");
    EXPECT_EQ(TimeSumText(1.0 + 2.5 + 0.75), "4.25");
    EXPECT_EQ(TimeSumText(0.1 + 0.2), "0.3");
    EXPECT_EQ(TimeSumText(12.5), "12.5");
    EXPECT_EQ(TimeSumText(0), "0");
}

TEST(OperationTexts, OnlyTheSevenNonMachiningTypesAreLeftOut) {
    for (const char* type : {"ToolChange", "ToolChangeLathe", "TableHeadRotation", "CoordinateSystem",
                             "PPInstruction", "MfgTracutOperation", "MfgTracutEnd"}) {
        EXPECT_TRUE(IsExcludedOperationType(type)) << type;
    }
    for (const char* type : {"Pocketing", "toolchange", "ToolChange ", "", "Drilling"}) {
        EXPECT_FALSE(IsExcludedOperationType(type)) << type;
    }
}

TEST(OperationTexts, AptToolsTakeTheirOwnDiameterAttribute) {
    EXPECT_EQ(DiameterAttributeName("MfgAPTTool"), "MFG_APT_DIAMETER");
    EXPECT_EQ(DiameterAttributeName("MfgEndMillTool"), "MFG_NOMINAL_DIAM");
    EXPECT_EQ(DiameterAttributeName("mfgapttool"), "MFG_NOMINAL_DIAM");
    EXPECT_EQ(DiameterAttributeName(""), "MFG_NOMINAL_DIAM");
}

}  // namespace
}  // namespace qvl::millsheet
