// The views of the part on the sheet, their scale and places, and the axis systems.

#include "tests/millsheet/millsheet_fixture.h"

namespace qvl::millsheet::testing {
namespace {

class ViewsTest : public MillsheetTest {
protected:
    ProcessNode* program = nullptr;

    ViewsTest() {
        catia.openProcess();
        program = &catia.process->setup("Part Operation.1").program("Program.1");
        program->operation("Pocketing.1", 1);
    }
    // The three views added to the generated sheet.
    std::vector<FakeView*> views() const { return lastDrawing().sheets.front()->addedViews(); }
};

TEST_F(ViewsTest, APartThatFitsAtOneToOneHangsFromTheCornerWithItsAxisSymbols) {
    catia.addProduct("Housing.1", {100, 40, 60});  // front view 100 x 60, depth 40
    start();
    form->cmbAxis.setText("");
    runOn(*program);
    const std::vector<FakeView*> v = views();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0]->definition, "front");
    EXPECT_EQ(v[0]->direction, (std::array<double, 6>{1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(v[0]->axisSystem, nullptr);
    EXPECT_DOUBLE_EQ(v[0]->x, 200);
    EXPECT_DOUBLE_EQ(v[0]->y, 150);
    EXPECT_DOUBLE_EQ(v[0]->scale, 1);
    EXPECT_EQ(v[1]->definition, "projection");
    EXPECT_EQ(v[1]->projectionType, 2);
    EXPECT_EQ(v[1]->projectedFrom, v[0]);
    EXPECT_EQ(v[1]->referenceView, v[0]);
    EXPECT_TRUE(v[1]->aligned);
    EXPECT_TRUE(v[1]->copiedLinks);
    EXPECT_DOUBLE_EQ(v[1]->x, 200);
    EXPECT_DOUBLE_EQ(v[1]->y, 150 - 30 - 20 - 20);
    EXPECT_EQ(v[2]->definition, "isometric");
    EXPECT_EQ(v[2]->document, catia.products.front().get());
    EXPECT_DOUBLE_EQ(v[2]->scale, 0.5);
    EXPECT_DOUBLE_EQ(v[2]->x, 292 - 99.0 / 4);   // 0.707107 x 140 = 99.0 wide at 1:1
    EXPECT_DOUBLE_EQ(v[2]->y, 25 + 106.1 / 4);   // 0.408248 x 140 + 0.816497 x 60 = 106.1 high
    for (const FakeView* view : v) EXPECT_EQ(view->updates, 2);
    EXPECT_DOUBLE_EQ(form->ViewScale, 1);

    // The axis symbols: 20 mm legs, labels 4 mm off, in the front and the lower view only.
    using Line = std::array<double, 4>;
    EXPECT_EQ(v[0]->lines, (std::vector<Line>{{0, 0, 20, 0}, {0, 0, 0, 20}}));
    ASSERT_EQ(v[0]->texts.size(), 2u);
    EXPECT_EQ(v[0]->texts[0]->text, "X");
    EXPECT_DOUBLE_EQ(v[0]->texts[0]->x, 20);
    EXPECT_DOUBLE_EQ(v[0]->texts[0]->y, -4);
    EXPECT_EQ(v[0]->texts[1]->text, "Z");
    EXPECT_DOUBLE_EQ(v[0]->texts[1]->x, -4);
    EXPECT_DOUBLE_EQ(v[0]->texts[1]->y, 20);
    ASSERT_EQ(v[1]->texts.size(), 2u);
    EXPECT_EQ(v[1]->texts[1]->text, "Y");
    EXPECT_TRUE(v[2]->lines.empty());
}

TEST_F(ViewsTest, ALargePartIsScaledDownWithTheIsometricViewAtHalf) {
    catia.addProduct("Plate.1", {300, 50, 100});  // W 300, H 100, D 50
    start();
    runOn(*program);
    const std::vector<FakeView*> v = views();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_DOUBLE_EQ(form->ViewScale, 0.2);
    EXPECT_DOUBLE_EQ(v[0]->scale, 0.2);
    EXPECT_DOUBLE_EQ(v[0]->x, 250 - 30);
    EXPECT_DOUBLE_EQ(v[0]->y, 180 - 10);
    EXPECT_DOUBLE_EQ(v[1]->y, 170 - 10 - 20 - 5);
    EXPECT_DOUBLE_EQ(v[2]->scale, 0.1);
    // The symbol keeps its size on paper: legs of 100 view units at 1:5.
    EXPECT_DOUBLE_EQ(v[0]->lines[0][2], 100);
    EXPECT_DOUBLE_EQ(v[0]->texts[0]->y, -20);
}

TEST_F(ViewsTest, TheChosenAxisSystemTurnsTheFrontView) {
    FakeProduct& part = catia.addProduct("Housing.1", {100, 40, 60});
    part.axis("Axis System.1");
    FakeAxisSystem& turned = part.axis("Side/B", {0, 1, 0}, {1, 0, 0});
    start();
    EXPECT_EQ(form->cmbAxis.text(), "Housing.1/Axis System.1");
    form->cmbAxis.setText("Housing.1/Side/B");
    runOn(*program);
    const std::vector<FakeView*> v = views();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0]->axisSystem, &turned);
    EXPECT_EQ(v[0]->axisProduct, &part);
    EXPECT_EQ(v[0]->direction, (std::array<double, 6>{0, 1, 0, 1, 0, 0}));
    // Now 40 wide and 100 high, 60 deep: (100 + 60 + 20) is too high for 1:1.
    EXPECT_DOUBLE_EQ(form->ViewScale, 0.5);
    EXPECT_DOUBLE_EQ(v[0]->x, 250 - 10);
    EXPECT_DOUBLE_EQ(v[0]->y, 180 - 25);
}

TEST_F(ViewsTest, AnEntryThatNamesNoAxisSystemKeepsTheDefaultFrontView) {
    FakeProduct& part = catia.addProduct("Housing.1", {100, 40, 60});
    part.axis("Axis System.1", {0, 1, 0}, {1, 0, 0});
    start();
    for (const char* entry : {"零件绝对坐标系", "Housing.1/Missing", "Other.1/Axis System.1"}) {
        SCOPED_TRACE(entry);
        form->cmbAxis.setText(entry);
        runOn(*program);
        const std::vector<FakeView*> v = views();
        ASSERT_EQ(v.size(), 3u);
        EXPECT_EQ(v[0]->direction, (std::array<double, 6>{1, 0, 0, 0, 0, 1}));
        EXPECT_EQ(v[0]->axisSystem, nullptr);
        EXPECT_DOUBLE_EQ(v[0]->y, 150);
    }
}

TEST_F(ViewsTest, WithoutAnAxisChoiceTheFirstFailingCallEndsTheViews) {
    catia.addProduct("Housing.1", {100, 40, 60});
    start();
    catia.failing = {"DrawingView.Size"};
    form->cmbAxis.setText("");
    runOn(*program);
    EXPECT_EQ(views().size(), 1u);
    EXPECT_EQ(lastMessage(), programTitle +
                                 "|操作完成!\r\n\r\n文件保存在\r\nD:\\out\\Housing.1.CATDrawing\r\n\r\n"
                                 "以下内容没有写入加工单:\r\n视图");

    // With an axis choice every step is tried on its own.
    form->cmbAxis.setText("零件绝对坐标系");
    runOn(*program);
    EXPECT_EQ(views().size(), 3u);
    EXPECT_DOUBLE_EQ(form->ViewScale, 1);
}

class AxisSystemsTest : public MillsheetTest {
protected:
    AxisSystemsTest() { catia.openProcess(); }
};

TEST_F(AxisSystemsTest, OnlyThePartsAtTheLeavesAreSearchedDepthFirst) {
    FakeProduct& assembly = catia.addProduct("Assy.1");
    FakeProduct& first = assembly.child("Part1.1");
    first.axis("A");
    first.axis("B");
    assembly.child("Part2.1");
    FakeProduct& sub = assembly.child("Sub.1");
    sub.child("Deep.1").axis("C");
    sub.child("NoPart.1").hasPart = false;
    catia.addProduct("Second.1").axis("D");
    MainFrm3& f = start();
    EXPECT_EQ(f.AxisChoices, (std::vector<std::string>{"零件绝对坐标系", "Part1.1/A", "Part1.1/B", "Deep.1/C",
                                                       "Second.1/D"}));
    EXPECT_EQ(f.cmbAxis.items(), f.AxisChoices);
    EXPECT_EQ(f.cmbAxis.text(), "Part1.1/A");
}

TEST_F(AxisSystemsTest, AxisSystemsThatCannotBeReadAddNothing) {
    FakeProduct& part = catia.addProduct("Part.1");
    part.axis("A");
    catia.failing = {"AxisSystem.Name"};
    MainFrm3& f = start();
    EXPECT_EQ(f.AxisChoices, std::vector<std::string>{"零件绝对坐标系"});
}

TEST_F(AxisSystemsTest, TargProdSplitsAtTheFirstSlashAndTheLastMatchWins) {
    FakeProduct& assembly = catia.addProduct("Assy.1");
    assembly.child("Twin").axis("A/1", {1, 0, 0});
    assembly.child("Other").child("Twin").axis("A/1", {0, 0, 7});
    MainFrm3& f = start();
    const Object root = catia.productObject(assembly);

    f.TargProd(root, "Twin/A/1");
    EXPECT_EQ(f.TargetProduct.get("Name").toString(), "Twin");
    EXPECT_EQ(f.TargetAxisSystem.get("Name").toString(), "A/1");
    // The twin met last in depth-first order is the one taken.
    std::vector<Variant> axis{Variant(Variant::Array(3))};
    f.TargetAxisSystem.callByRef("GetXAxis", axis);
    EXPECT_DOUBLE_EQ(axis[0].array()[2].toDouble(), 7);

    f.TargetProduct = Object();
    f.TargetAxisSystem = Object();
    EXPECT_THROW(f.TargProd(root, "零件绝对坐标系"), automation::Error);
    EXPECT_TRUE(f.TargetProduct.isNothing());
    f.TargProd(root, "Nobody/A/1");
    EXPECT_TRUE(f.TargetAxisSystem.isNothing());
    EXPECT_THROW(f.TargProd(root, "Twin/Z"), automation::Error);
    // A product name with a slash cannot be found again.
    assembly.children.front()->name = "T/win";
    assembly.children.back()->children.front()->name = "T/win";
    f.TargetProduct = Object();
    f.TargProd(root, "T/win/A/1");
    EXPECT_TRUE(f.TargetProduct.isNothing());
}

TEST_F(AxisSystemsTest, MapAxisKeepsTheSymbolSizeOnPaperAndRefusesScaleZero) {
    catia.addProduct("Part.1");
    MainFrm3& f = start();
    const Object drawing = catia.getActiveObject("CATIA.Application").get("Documents").object().call("Add", {Variant("Drawing")}).object();
    const Object sheet = drawing.get("Sheets").object().call("Item", {Variant(1)}).object();
    const Object v = sheet.get("Views").object().call("Add", {Variant("AutomaticNaming")}).object();
    f.MapAxis(v, "X", "Y", 2);
    const FakeView& added = *catia.drawings.back()->sheets.front()->views.back();
    using Line = std::array<double, 4>;
    EXPECT_EQ(added.lines, (std::vector<Line>{{0, 0, 10, 0}, {0, 0, 0, 10}}));
    EXPECT_DOUBLE_EQ(added.texts[0]->y, -2);
    EXPECT_DOUBLE_EQ(added.texts[1]->x, -2);
    EXPECT_THROW(f.MapAxis(v, "X", "Y", 0), automation::Error);
    EXPECT_EQ(added.lines.size(), 2u);
}

}  // namespace
}  // namespace qvl::millsheet::testing
