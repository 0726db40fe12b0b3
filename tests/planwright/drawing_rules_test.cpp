// The pure choices of a Planwright drawing: scale and positions on the sheet.

#include <gtest/gtest.h>

#include "planwright/drawing/scale_choice.h"
#include "planwright/drawing/sheet_layout.h"

namespace qvl::planwright {
namespace {

// ---- Scale ------------------------------------------------------------------------------------

class ScaleChoiceTest : public ::testing::Test {
protected:
    StandardScaleList scales = BuildStandardScales();
};

TEST_F(ScaleChoiceTest, StandardScalesRunFrom100To1To10000) {
    EXPECT_EQ(scales[0], 100);
    EXPECT_EQ(scales[oneToOneScaleIndex], 1);
    EXPECT_EQ(scales[7], 0.5);
    EXPECT_EQ(scales[8], 1.0 / 5);
    EXPECT_EQ(scales[18], 1.0 / 10000);
    for (std::size_t i = 1; i < scales.size(); ++i) EXPECT_LT(scales[i], scales[i - 1]) << i;
}

TEST_F(ScaleChoiceTest, KeepsOneToOneWhenThePaperIsAllowed) {
    const ScaleChoice choice = chooseScaleAndPaper(400, 300, "A0", 40, scales);
    EXPECT_EQ(choice.paperCode, "A2");
    EXPECT_EQ(choice.scale, 1);
    EXPECT_TRUE(choice.withinLimit);
    // Small models are never enlarged.
    EXPECT_EQ(chooseScaleAndPaper(130, 130, "A4", 40, scales).scale, 1);
}

TEST_F(ScaleChoiceTest, StepsDownScalingTheModelButNotTheSpacing) {
    // 400 x 300 with 3 x 40 of spacing: at 1:2 the model part halves, 260 x 210 is A4.
    const ScaleChoice choice = chooseScaleAndPaper(400, 300, "A4", 40, scales);
    EXPECT_EQ(choice.paperCode, "A4");
    EXPECT_EQ(choice.scale, 0.5);
    EXPECT_TRUE(choice.withinLimit);
}

TEST_F(ScaleChoiceTest, OversizeIsReducedFirstThenToTheLimit) {
    // 3000 wide: Ax at 1:1 and 1:2, A1 at 1:5; an A2 limit needs 1:10 (300 wide, A3).
    EXPECT_EQ(chooseScaleAndPaper(3000, 500, "A0", 0, scales).paperCode, "A1");
    EXPECT_EQ(chooseScaleAndPaper(3000, 500, "A0", 0, scales).scale, 1.0 / 5);
    const ScaleChoice limited = chooseScaleAndPaper(3000, 500, "A2", 0, scales);
    EXPECT_EQ(limited.paperCode, "A3");
    EXPECT_EQ(limited.scale, 1.0 / 10);
}

TEST_F(ScaleChoiceTest, AxAllowsAnySizeAtOneToOne) {
    const ScaleChoice choice = chooseScaleAndPaper(5000, 4000, "Ax", 40, scales);
    EXPECT_EQ(choice.paperCode, "Ax");
    EXPECT_EQ(choice.scale, 1);
    EXPECT_TRUE(choice.withinLimit);
}

TEST_F(ScaleChoiceTest, StopsAtTheLastScaleWhenNothingFits) {
    // Three spacings of 100 mm never fit A4, whatever the scale: 300 mm high stays A2.
    const ScaleChoice spaced = chooseScaleAndPaper(400, 350, "A4", 100, scales);
    EXPECT_EQ(spaced.scale, 1.0 / 10000);
    EXPECT_EQ(spaced.paperCode, "A2");
    EXPECT_FALSE(spaced.withinLimit);
    // A block still larger than A0 at 1:10000.
    const ScaleChoice huge = chooseScaleAndPaper(2e8, 100, "A0", 0, scales);
    EXPECT_EQ(huge.scale, 1.0 / 10000);
    EXPECT_EQ(huge.paperCode, "Ax");
    EXPECT_FALSE(huge.withinLimit);
}

// ---- Sheet layout -----------------------------------------------------------------------------

TEST(SheetLayout, SideBySideFramesShareTheirTopEdge) {
    const FrameOrigins origins = sideBySideFrameOrigins();
    const FrameOrigins expected{{{0, 631}, {337, 544}, {797, 421}, {1431, 247}, {2312, 0}, {4135.5, 0}}};
    EXPECT_EQ(origins, expected);
    EXPECT_EQ(frameOriginSlot("A4"), 0u);
    EXPECT_EQ(frameOriginSlot("A0"), 4u);
    EXPECT_EQ(frameOriginSlot("Ax"), 5u);
    EXPECT_EQ(frameOriginSlot("B1"), std::nullopt);
}

TEST(SheetLayout, NotesAndSizeTextSitInTheFrame) {
    EXPECT_EQ(notesPosition("A3", {337, 544}), (SheetPoint{737, 801}));
    EXPECT_EQ(notesPosition("A0", {0, 0}), (SheetPoint{1149, 786}));
    EXPECT_EQ(notesPosition("A1", {0, 0}), (SheetPoint{801, 539}));
    EXPECT_EQ(notesPosition("A2", {0, 0}), (SheetPoint{574, 380}));
    EXPECT_EQ(notesPosition("A4", {0, 0}), (SheetPoint{277, 170}));
    EXPECT_EQ(notesPosition("Ax", {10, 20}), (SheetPoint{410, 277}));  // the A3 offsets
    EXPECT_EQ(notesPosition("A6", {0, 0}), std::nullopt);

    EXPECT_EQ(sizeTextPosition("A0", {100, 100}), (SheetPoint{120, 110}));
    EXPECT_EQ(sizeTextPosition("A1", {0, 0}), (SheetPoint{20, 10}));
    EXPECT_EQ(sizeTextPosition("A3", {337, 544}), (SheetPoint{342, 544}));
    EXPECT_EQ(sizeTextPosition("Ax", {0, 0}), (SheetPoint{5, 0}));
}

TEST(SheetLayout, OriginsMoveDownByAFrameAndUpByAnOversizeBlock) {
    EXPECT_EQ(nextFrameOrigin("A3", {337, 544}, 0), (SheetPoint{337, 207}));
    EXPECT_EQ(nextFrameOrigin("A0", {0, 0}, 0), (SheetPoint{0, -881}));
    EXPECT_EQ(nextFrameOrigin("A4", {0, 631}, 0), (SheetPoint{0, 381}));
    EXPECT_EQ(nextFrameOrigin("Ax", {4135.5, 0}, 500), (SheetPoint{4135.5, 500}));
    EXPECT_EQ(nextFrameOrigin("", {0, 0}, 500), std::nullopt);
}

}  // namespace
}  // namespace qvl::planwright
