#include <algorithm>
#include <cmath>

#include "sim/model/drawing/drawing_reader.h"
#include "sim/render/sheet_picture.h"
#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

class DrawingViewsTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        drawing = newDrawing();
        onSheet = sheet(drawing, 1);
    }
    Object drawing;
    Object onSheet;
};

TEST_F(DrawingViewsTest, FrontSideTopAndIsometricViewsOfABlockMeasureItsProjectedBoxes) {
    Object block = blockProduct();
    Object front = frontView(onSheet, block);     // looking along -X: Y to the right, Z up
    Object left = projectionView(onSheet, front, 1);
    Object right = projectionView(onSheet, front, 0);
    Object top = projectionView(onSheet, front, 2);
    Object bottom = projectionView(onSheet, front, 3);
    Object iso = isometricView(onSheet, block);

    EXPECT_DOUBLE_EQ(width(front), 60);
    EXPECT_DOUBLE_EQ(height(front), 40);
    for (const Object& side : {left, right}) {
        EXPECT_DOUBLE_EQ(width(side), 100);
        EXPECT_DOUBLE_EQ(height(side), 40);
    }
    for (const Object& below : {top, bottom}) {
        EXPECT_DOUBLE_EQ(width(below), 60);
        EXPECT_DOUBLE_EQ(height(below), 100);
    }
    EXPECT_NEAR(width(iso), 160 / std::sqrt(2.0), 1e-3);
    EXPECT_NEAR(height(iso), 240 / std::sqrt(6.0), 1e-3);

    EXPECT_EQ(front.get("ViewType").toLong(), 1);
    EXPECT_EQ(iso.get("ViewType").toLong(), 8);
    EXPECT_EQ(left.get("Name").toString(), "Left view");
    EXPECT_EQ(right.get("Name").toString(), "Right view");
    EXPECT_EQ(top.get("Name").toString(), "Top view");
    EXPECT_EQ(bottom.get("Name").toString(), "Bottom view");
    EXPECT_EQ(iso.get("Name").toString(), "Isometric view");
    EXPECT_EQ(frontView(onSheet, block).get("Name").toString(), "Front view.2");
}

TEST_F(DrawingViewsTest, AViewStandsWithTheProjectedCentreOfGravityAtItsPosition) {
    // An L: a plate 120 x 80 x 10 and an upright 10 x 80 x 60 on its end. Seen from the front
    // (Y right, Z up) its centre of gravity lies at y 40, z (9600 * 5 + 4800 * 40) / 14400 = 50 / 3.
    write("D:\\models\\L.CATPart", R"({ "kind": "Part", "partNumber": "L",
      "bodies": [ { "name": "PartBody", "boxes": [[0, 0, 0, 120, 80, 10], [0, 0, 10, 10, 80, 70]] } ] })");
    Object front = frontView(onSheet, open("D:\\models\\L.CATPart").get("Product").object());
    front.put("x", 200.0);
    front.put("y", 100.0);
    auto box = size(front);
    EXPECT_NEAR(box[0], 160, 1e-9);
    EXPECT_NEAR(box[1], 240, 1e-9);
    EXPECT_NEAR(box[2], 100 - 50.0 / 3, 1e-9);
    EXPECT_NEAR(box[3], 100 + 70 - 50.0 / 3, 1e-9);
    // The view's own coordinates are the projected model coordinates: a line drawn from the
    // view's (0, 0) starts at the projected model origin, the box's lower-left corner here.
    front.get("Factory2D").object().call("CreateLine", {0.0, 0.0, 10.0, 0.0});
    drawing.call("SaveAs", {Variant("D:\\out\\l")});
    const platform::Json saved = fileJson("D:\\out\\l.CATDrawing")["sheets"][0]["views"][2];
    EXPECT_EQ(saved["generative"]["gravity"][0], 40);
    EXPECT_NEAR(saved["generative"]["gravity"][1].get<double>(), 50.0 / 3, 1e-6);
    const auto read = readDrawing(fileJson("D:\\out\\l.CATDrawing"),
                                  [](const std::string&, std::string&) { return std::shared_ptr<Document>(); });
    const SheetPicture picture = pictureOf(*read->sheets[0]);
    const auto drawn = std::find_if(picture.lines.begin(), picture.lines.end(),
                                    [](const auto& l) { return l.kind == SheetPicture::LineKind::Artwork; });
    ASSERT_NE(drawn, picture.lines.end());
    EXPECT_NEAR(drawn->x1, 160, 1e-6);
    EXPECT_NEAR(drawn->y1, 100 - 50.0 / 3, 1e-6);
}

TEST_F(DrawingViewsTest, SizeIsTheBoxOnTheSheetCentredOnThePositionAndScaled) {
    Object front = frontView(onSheet, blockProduct());
    front.put("x", 200.0);
    front.put("y", 100.0);
    auto box = size(front);
    EXPECT_EQ(box, (std::array<double, 4>{170, 230, 80, 120}));
    front.put("Scale2", 0.5);
    EXPECT_EQ(size(front), (std::array<double, 4>{185, 215, 90, 110}));
    // Turned by a quarter turn, the box turns with it.
    front.put("Angle", std::acos(0.0));
    box = size(front);
    EXPECT_NEAR(box[1] - box[0], 20, 1e-9);
    EXPECT_NEAR(box[3] - box[2], 30, 1e-9);
}

TEST_F(DrawingViewsTest, AViewShowsNothingUntilItIsUpdated) {
    Object view = addView(onSheet);
    view.put("x", 50.0);
    EXPECT_EQ(size(view), (std::array<double, 4>{50, 50, 0, 0}));
    behavior(view).put("Document", Variant(blockProduct()));
    behavior(view).call("DefineFrontView", {0.0, 1.0, 0.0, 0.0, 0.0, 1.0});
    EXPECT_DOUBLE_EQ(width(view), 0);
    onSheet.call("Update");
    EXPECT_DOUBLE_EQ(width(view), 60);
    // A defined view that projects nothing cannot be updated.
    Object empty = addView(onSheet);
    behavior(empty).call("DefineFrontView", {0.0, 1.0, 0.0, 0.0, 0.0, 1.0});
    EXPECT_EQ(errorOf([&] { behavior(empty).call("Update"); }), serverFailure);
}

TEST_F(DrawingViewsTest, FirstAndThirdAngleSideViewsShowTheBlockFromOppositeSides) {
    // A block with a step: the higher half at the front (large X).
    write("D:\\models\\Step.CATPart", R"({ "kind": "Part", "partNumber": "Step", "bodies": [ { "name": "PartBody",
        "boxes": [[0, 0, 0, 100, 60, 20], [50, 0, 20, 100, 60, 40]] } ] })");
    Object step = open("D:\\models\\Step.CATPart").get("Product").object();
    Object front = frontView(onSheet, step);
    onSheet.put("ProjectionMethod", 0);
    Object firstAngle = projectionView(onSheet, front, 1);  // seen from the left, placed on the right
    Object thirdAngle = projectionView(onSheet, front, 0);  // seen from the right, placed on the right
    drawing.call("SaveAs", {Variant("D:\\out\\step")});
    platform::Json views = fileJson("D:\\out\\step.CATDrawing")["sheets"][0]["views"];
    // The edges of the upper step lie where the front of the block is: away from the front view in
    // first angle (x > 0 on the left view), towards it in third angle (x < 0 on the right view).
    auto upperStepX = [](const platform::Json& view) {
        double sum = 0;
        int count = 0;
        const double top = view["generative"]["extent"][3].get<double>();
        // Relative to the projected centre of gravity, x = 0 lies at 0 + (100 * 60 * 20 * 50 +
        // 50 * 60 * 20 * 75) / (100 * 60 * 20 + 50 * 60 * 20) in model x; the upper step's middle
        // at 75.
        for (const auto& e : view["generative"]["edges"]) {
            if (e[1] == top && e[3] == top) {
                sum += e[0].get<double>() + e[2].get<double>();
                count += 2;
            }
        }
        return sum / count;
    };
    EXPECT_EQ(views[3]["name"], "Left view");
    EXPECT_GT(upperStepX(views[3]), 0);
    EXPECT_EQ(views[4]["name"], "Right view");
    EXPECT_LT(upperStepX(views[4]), 0);
    EXPECT_EQ(views[3]["generative"]["projectedFrom"], "Front view");
    EXPECT_EQ(views[3]["generative"]["horizontal"], platform::Json::parse("[1, 0, 0]"));
    EXPECT_EQ(views[4]["generative"]["horizontal"], platform::Json::parse("[-1, 0, 0]"));
}

TEST_F(DrawingViewsTest, TheFrontDirectionsChooseThePlaneAndProjectionViewsFollowIt) {
    Object block = blockProduct();
    // The XZ plane, as a user axis system with Y along X gives it; directions need not be unit.
    Object front = frontView(onSheet, block, {2, 0, 0, 0, 0, 3});
    Object side = projectionView(onSheet, front, 1);
    EXPECT_DOUBLE_EQ(width(front), 100);
    EXPECT_DOUBLE_EQ(width(side), 60);
    // Redefined, the front view and after an update its projection views follow.
    behavior(front).call("DefineFrontView", {0.0, 1.0, 0.0, 0.0, 0.0, 1.0});
    onSheet.call("Update");
    EXPECT_DOUBLE_EQ(width(front), 60);
    EXPECT_DOUBLE_EQ(width(side), 100);
    EXPECT_EQ(errorOf([&] { behavior(front).call("DefineFrontView", {1.0, 0.0, 0.0, 2.0, 0.0, 0.0}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { behavior(side).call("DefineProjectionView", {Variant(behavior(side)), Variant(1)}); }),
              serverFailure);
    EXPECT_EQ(errorOf([&] { behavior(addView(onSheet)).call("DefineProjectionView", {Variant(behavior(front)), Variant(7)}); }),
              serverFailure);
}

TEST_F(DrawingViewsTest, AnAssemblyProjectsItsChildrenWithTheirOffsetsAndABodyOnlyItself) {
    Object pair = open("D:\\models\\Pair.CATProduct").get("Product").object();
    EXPECT_DOUBLE_EQ(width(frontView(onSheet, pair)), 260);  // two blocks 60 deep, 200 apart along Y

    Object twin = open("D:\\models\\Twin.CATPart");
    Object bodies = twin.get("Part").object().get("Bodies").object();
    Object rightBody = bodies.call("Item", {Variant(2)}).object();
    Object view = addView(onSheet);
    view.get("GenerativeLinks").object().call("AddLink", {Variant(rightBody)});
    behavior(view).call("DefineFrontView", {1.0, 0.0, 0.0, 0.0, 0.0, 1.0});
    behavior(view).call("Update");
    EXPECT_DOUBLE_EQ(width(view), 30);
    EXPECT_DOUBLE_EQ(width(frontView(onSheet, twin.get("Product").object(), {1, 0, 0, 0, 0, 1})), 80);

    // The behaviour's document is the body, whose parent is the part's bodies.
    Object projected = behavior(view).get("Document").object();
    EXPECT_TRUE(projected.is(rightBody));
    EXPECT_EQ(projected.get("Parent").object().typeName(), "Bodies");
    EXPECT_EQ(errorOf([&] { behavior(view).put("Document", Variant(onSheet)); }), serverFailure);
}

TEST_F(DrawingViewsTest, ReferenceAndAlignmentLineASideViewUpWithItsFrontView) {
    Object front = frontView(onSheet, blockProduct());
    front.put("x", 100.0);
    front.put("y", 300.0);
    Object side = projectionView(onSheet, front, 1);
    side.put("x", 250.0);
    side.put("y", 10.0);
    EXPECT_EQ(errorOf([&] { side.call("AlignedWithReferenceView"); }), serverFailure);  // no reference yet
    side.put("ReferenceView", Variant(front));
    side.call("AlignedWithReferenceView");
    EXPECT_DOUBLE_EQ(side.get("y").toDouble(), 300);
    EXPECT_DOUBLE_EQ(side.get("x").toDouble(), 250);
    EXPECT_TRUE(side.get("ReferenceView").object().is(front));
    Object other = sheets(drawing).call("Add", {Variant("Other")}).object();
    EXPECT_EQ(errorOf([&] { addView(other).put("ReferenceView", Variant(front)); }), serverFailure);
}

TEST_F(DrawingViewsTest, ASavedDrawingReopensWithItsViewsEvenWhenTheModelIsGone) {
    Object front = frontView(onSheet, blockProduct());
    Object side = projectionView(onSheet, front, 1);
    side.put("ReferenceView", Variant(front));
    side.call("AlignedWithReferenceView");
    front.put("x", 120.0);
    drawing.call("SaveAs", {Variant("D:\\out\\block")});
    platform::Json saved = fileJson("D:\\out\\block.CATDrawing")["sheets"][0]["views"][2];
    EXPECT_EQ(saved["generative"]["definition"], "front");
    EXPECT_EQ(saved["generative"]["links"], platform::Json::parse(R"([{"document": "D:\\models\\Block.CATPart"}])"));
    EXPECT_EQ(saved["generative"]["extent"], platform::Json::parse("[-30, 30, -20, 20]"));
    EXPECT_EQ(saved["generative"]["edges"].size(), 4u);

    drawing.call("Close");
    activeDocument().call("Close");
    EXPECT_EQ(documents().get("Count").toLong(), 0);
    disk.removeFile("D:\\models\\Block.CATPart");
    Object reopened = open("D:\\out\\block.CATDrawing");
    Object view = views(sheet(reopened, 1)).call("Item", {Variant("Front view")}).object();
    EXPECT_EQ(size(view), (std::array<double, 4>{90, 150, -20, 20}));
    EXPECT_EQ(errorOf([&] { behavior(view).get("Document"); }), serverFailure);
    behavior(view).call("Update");  // keeps what it showed
    EXPECT_DOUBLE_EQ(width(view), 60);
    EXPECT_TRUE(views(sheet(reopened, 1)).call("Item", {Variant(4)}).object().get("ReferenceView").object().is(view));
    EXPECT_EQ(sim.dumpDocument("active")->at("content"), fileJson("D:\\out\\block.CATDrawing"));
}

TEST_F(DrawingViewsTest, ADrawingKeepsTheModelsItProjectsLoaded) {
    Object model = open("D:\\models\\Block.CATPart");
    frontView(onSheet, model.get("Product").object());
    model.call("Close");
    EXPECT_EQ(documents().get("Count").toLong(), 1);
    Object view = views(onSheet).call("Item", {Variant(3)}).object();
    Object projected = behavior(view).get("Document").object();
    EXPECT_EQ(projected.get("Parent").object().get("FullName").toString(), "D:\\models\\Block.CATPart");
    // Opening it again gives the loaded document a window.
    EXPECT_TRUE(open("D:\\models\\Block.CATPart").get("Product").object().is(projected));
}

}  // namespace
}  // namespace qvl::sim::testing
