// The four views of a model: orientation, measurement, scale, paper and layout.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/automation/error.h"
#include "common/text/vb_number.h"
#include "tests/planwright/drawing_fixture.h"

namespace qvl::planwright::testing {
namespace {

const std::string bracketPath = "D:\\models\\Bracket.CATPart";

// A part 80 deep (x), 200 wide (y) and 100 high (z): seen from the front 200 x 100, from the
// side 80 wide. With 40 mm spacing its block is 400 x 300 at 1:1.
class ViewsTest : public DrawingTest {
protected:
    FakeModel* bracket = nullptr;
    Object product;

    MainFrm& prepare() {
        bracket = &catia.addPart(bracketPath, "Bracket", {80, 200, 100});
        MainFrm& f = start();
        f.opOut3.setValue(1);
        EXPECT_TRUE(f.CreateDrawingFromTemplate("Views", "Views"));
        product = catia.openModel(bracketPath).get("Product").object();
        return f;
    }
    std::vector<FakeView*> views() const { return lastDrawing().sheet("Views")->addedViews(); }
    // Position and scale of each added view, as "x,y@scale".
    std::vector<std::string> layout() const {
        std::vector<std::string> placed;
        for (const FakeView* v : views()) {
            placed.push_back(text::cstr(v->x) + "," + text::cstr(v->y) + "@" + text::cstr(v->scale));
        }
        return placed;
    }
};

TEST_F(ViewsTest, APartFitsItsPaperAtOneToOne) {
    MainFrm& f = prepare();
    f.CreateViews(product, f.CurrentSheet, 0.0, 0.0, "A0", 3);

    EXPECT_EQ(f.PaperCode, "A2");
    EXPECT_EQ(f.ViewScale, 1);
    EXPECT_EQ(f.TitleValues[1], "(200x80x100)");
    EXPECT_EQ(f.TitleValues[5], "1 : 1");
    EXPECT_EQ(f.BlockHeight, 300);
    // Front, side to its right, lower below it, isometric in the corner at half scale; the
    // lower view's bottom edge 1.6 spacings above the origin.
    EXPECT_EQ(layout(), (std::vector<std::string>{"160,234@1", "352,234@1", "160,104@1", "352,104@0.5"}));
    const auto v = views();
    EXPECT_EQ(v[0]->definition, "front");
    EXPECT_EQ(v[0]->subject, bracket);
    EXPECT_EQ(v[1]->projectionType, 1);
    EXPECT_EQ(v[2]->projectionType, 2);
    EXPECT_EQ(v[1]->referenceView, v[0]);
    EXPECT_TRUE(v[2]->aligned);
    EXPECT_EQ(v[3]->definition, "isometric");
    EXPECT_EQ(v[3]->direction, (std::array<double, 6>{-0.707107, 0.707107, 0, -0.408248, -0.408248, 0.816497}));
    EXPECT_EQ(v[3]->subject, bracket);
    for (const FakeView* view : v) EXPECT_GE(view->updates, 2);
}

TEST_F(ViewsTest, ASmallPaperLimitHalvesTheScale) {
    MainFrm& f = prepare();
    f.CreateViews(product, f.CurrentSheet, 0.0, 0.0, "A4", 3);
    EXPECT_EQ(f.PaperCode, "A4");
    EXPECT_EQ(f.ViewScale, 0.5);
    EXPECT_EQ(f.TitleValues[5], "0.5 : 1");
    EXPECT_EQ(f.BlockHeight, 300);  // measured at 1:1
    EXPECT_EQ(layout(), (std::vector<std::string>{"110,169@0.5", "232,169@0.5", "110,84@0.5", "232,84@0.25"}));
}

TEST_F(ViewsTest, OnTheSharedSheetViewsStandAtTheFrameOriginOfTheirPaper) {
    MainFrm& f = prepare();
    f.FrameOrigin = sideBySideFrameOrigins();
    f.CreateViews(product, f.CurrentSheet, 0.0, 0.0, "A0", 1);
    EXPECT_EQ(views()[0]->x, 797 + 160);
    EXPECT_EQ(views()[0]->y, 421 + 234);
}

TEST_F(ViewsTest, ThirdAngleProjectsSideAndLowerViewsTheOtherWay) {
    MainFrm& f = prepare();
    f.op3rd.setValue(1);
    f.CreateViews(product, f.CurrentSheet, 0.0, 0.0, "A0", 3);
    EXPECT_EQ(views()[1]->projectionType, 0);
    EXPECT_EQ(views()[2]->projectionType, 3);
    EXPECT_EQ(layout()[1], "352,234@1");  // the same places as in first angle
}

TEST_F(ViewsTest, ASpacingThatIsNoNumberCountsAsZero) {
    MainFrm& f = prepare();
    f.txtVdis.setText("40mm");
    f.CreateViews(product, f.CurrentSheet, 0.0, 0.0, "A0", 3);
    EXPECT_EQ(f.PaperCode, "A4");  // 280 x 180
    EXPECT_EQ(layout()[0], "100,130@1");
    EXPECT_EQ(f.BlockHeight, 180);
}

TEST_F(ViewsTest, UserAxisTurnsAPartButNeverAnAssembly) {
    MainFrm& f = prepare();
    bracket->axisSystems = {{{1, 0, 0}, {0, 0, 1}}, {{0, 0, 1}, {1, 0, 0}}};
    f.chkUserAxis.setValue(1);
    f.CreateViews(product, f.CurrentSheet, 0.0, 0.0, "A0", 3);
    // Only the first axis system counts: the XZ plane, 80 wide.
    EXPECT_EQ(views()[0]->direction, (std::array<double, 6>{1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(f.TitleValues[1], "(80x200x100)");

    catia.addAssembly("D:\\models\\Assy.CATProduct", "Assy", {500, 300, 200});
    const Object assembly = catia.openModel("D:\\models\\Assy.CATProduct").get("Product").object();
    f.CreateViews(assembly, f.CurrentSheet, 0.0, 0.0, "A0", 3);
    EXPECT_EQ(views()[4]->direction, (std::array<double, 6>{0, 1, 0, 0, 0, 1}));

    f.chkUserAxis.setValue(0);
    f.FVDirection(catia.openModel(bracketPath).get("Part").object());
    EXPECT_EQ(f.FrontViewDirection, (std::array<double, 6>{0, 1, 0, 0, 0, 1}));
    bracket->axisSystems.clear();
    f.chkUserAxis.setValue(1);
    f.FVDirection(catia.openModel(bracketPath).get("Part").object());
    EXPECT_EQ(f.FrontViewDirection, (std::array<double, 6>{0, 1, 0, 0, 0, 1}));
}

TEST_F(ViewsTest, ABodyIsLinkedAndMeasuredOnItsOwn) {
    MainFrm& f = prepare();
    auto body = std::make_unique<FakeBody>();
    body->name = "Pin";
    body->size = {10, 30, 60};
    body->model = bracket;
    bracket->bodies.push_back(std::move(body));
    const Object pin = catia.openModel(bracketPath).get("Part").object().get("Bodies").object().call("Item", {2}).object();
    f.CreateViews(pin, f.CurrentSheet, 0.0, 0.0, "A0", 3);
    EXPECT_EQ(views()[0]->subject, bracket->bodies[1].get());
    EXPECT_EQ(views()[1]->subject, bracket->bodies[1].get());  // links copied to the projections
    EXPECT_EQ(f.TitleValues[1], "(30x10x60)");
}

TEST_F(ViewsTest, APaperCodeThatIsNoCodeCreatesNothing) {
    MainFrm& f = prepare();
    f.PaperCode = "A3";
    EXPECT_THROW(f.CreateViews(product, f.CurrentSheet, 0.0, 0.0, "A5", 3), automation::Error);
    EXPECT_THROW(f.CreateViews(product, f.CurrentSheet, 0.0, 0.0, "A0", 4), automation::Error);
    EXPECT_EQ(messages(), (std::vector<std::string>{programTitle + "|图框尺寸代号输入错误！|0",
                                                    programTitle + "|投影选项输入错误！|0"}));
    EXPECT_TRUE(views().empty());
    EXPECT_EQ(f.PaperCode, "");  // no frame of an earlier paper follows
    EXPECT_THROW(f.CreateViews(Object(), f.CurrentSheet, 0.0, 0.0, "A0", 3), automation::Error);
    EXPECT_TRUE(views().empty());
}

TEST_F(ViewsTest, AModelTooLargeForAnyScaleIsLaidOutAndThenFails) {
    MainFrm& f = prepare();
    bracket->size = {80, 5e6, 100};
    EXPECT_THROW(f.CreateViews(product, f.CurrentSheet, 0.0, 0.0, "A4", 3), automation::Error);
    EXPECT_EQ(f.ViewScale, 1.0 / 10000);
    EXPECT_EQ(f.TitleValues[5], "0.0001 : 1");
    EXPECT_EQ(views()[0]->scale, 1.0 / 10000);
    EXPECT_EQ(views()[3]->scale, 1.0 / 20000);
}

}  // namespace
}  // namespace qvl::planwright::testing
