#include <gtest/gtest.h>

#include "millsheet/sheet/sheet_layout.h"

namespace qvl::millsheet {
namespace {

const StandardScaleList scales = drawing::BuildStandardScales();

TEST(SheetScale, StepsDownFromOneToOneUntilTheBlockFitsTheViewField) {
    // 300 x (100 + 50): 1:1 and 1:2 are too wide, 1:5 fits (60 wide, 34 high with the gap).
    EXPECT_DOUBLE_EQ(SheetScaleFor(300, 150, 20, scales), 0.2);
    EXPECT_DOUBLE_EQ(SheetScaleFor(100, 100, 20, scales), 1);
    // The limits belong to the field; the gap is scaled with the model.
    EXPECT_DOUBLE_EQ(SheetScaleFor(145, 135, 20, scales), 1);
    EXPECT_DOUBLE_EQ(SheetScaleFor(145.1, 100, 20, scales), 0.5);
    EXPECT_DOUBLE_EQ(SheetScaleFor(100, 136, 20, scales), 0.5);
    EXPECT_DOUBLE_EQ(SheetScaleFor(10, 10, 20, scales), 1);  // never above 1:1
    EXPECT_DOUBLE_EQ(SheetScaleFor(0, 0, 20, scales), 1);
}

TEST(SheetScale, AModelTooLargeForEveryScaleTakesTheLastOne) {
    EXPECT_DOUBLE_EQ(SheetScaleFor(1e9, 10, 20, scales), 1.0 / 10000);
    EXPECT_DOUBLE_EQ(SheetScaleFor(1450000, 10, 20, scales), 1.0 / 10000);
    EXPECT_DOUBLE_EQ(SheetScaleFor(1000000, 10, 20, scales), 1.0 / 10000);
    EXPECT_DOUBLE_EQ(SheetScaleFor(500000, 10, 20, scales), 1.0 / 5000);
}

TEST(SheetViewPlaces, FrontViewHangsFromTheCornerAndTheLowerViewSitsAGapBelow) {
    const MeasuredViews measured{100, 60, 40, 120, 90};
    const SheetViewPlaces at1 = PlaceSheetViews(measured, 1, {250, 180}, 20);
    EXPECT_DOUBLE_EQ(at1.front.x, 200);
    EXPECT_DOUBLE_EQ(at1.front.y, 150);
    EXPECT_DOUBLE_EQ(at1.lower.x, 200);
    EXPECT_DOUBLE_EQ(at1.lower.y, 150 - 30 - 20 - 20);
    EXPECT_DOUBLE_EQ(at1.isometric.x, 292 - 30);
    EXPECT_DOUBLE_EQ(at1.isometric.y, 25 + 22.5);
    EXPECT_DOUBLE_EQ(at1.scale, 1);
    EXPECT_DOUBLE_EQ(at1.isometricScale, 0.5);

    // At 1:5 the sizes shrink, the gap does not.
    const SheetViewPlaces at5 = PlaceSheetViews({300, 100, 50, 200, 100}, 0.2, {250, 180}, 20);
    EXPECT_DOUBLE_EQ(at5.front.x, 250 - 30);
    EXPECT_DOUBLE_EQ(at5.front.y, 180 - 10);
    EXPECT_DOUBLE_EQ(at5.lower.y, 170 - 10 - 20 - 5);
    EXPECT_DOUBLE_EQ(at5.isometric.x, 292 - 10);
    EXPECT_DOUBLE_EQ(at5.isometric.y, 25 + 5);
    EXPECT_DOUBLE_EQ(at5.isometricScale, 0.1);
}

}  // namespace
}  // namespace qvl::millsheet
