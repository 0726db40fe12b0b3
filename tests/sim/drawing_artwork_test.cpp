#include <numbers>

#include "sim/render/drawing_svg.h"
#include "sim/render/dxf_writer.h"
#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

// What a program draws to make a template of its own: detail sheets, circles and tables.
class DrawingArtworkTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        drawing = newDrawing();
    }
    platform::Json content() { return sim.dumpDocument(drawing.get("Name").toString())->at("content"); }

    Object drawing;
};

TEST_F(DrawingArtworkTest, DetailSheetsHoldCirclesThatTheirInstancesCarry) {
    Object detailSheet = sheets(drawing).call("AddDetail", {Variant("Symbol")}).object();
    EXPECT_TRUE(detailSheet.call("IsDetail").toBool());
    EXPECT_FALSE(sheet(drawing, 1).call("IsDetail").toBool());
    // A detail sheet holds the two views of every sheet CATIA makes; its details are added.
    Object detail = views(detailSheet).call("Add", {Variant("Symbol")}).object();
    EXPECT_EQ(views(detailSheet).get("Count").toLong(), 3);
    Object factory = detail.get("Factory2D").object();
    Object circle = factory.call("CreateClosedCircle", {Variant(10), Variant(20), Variant(5)}).object();
    factory.call("CreateCircle", {Variant(0), Variant(0), Variant(4), Variant(0), Variant(std::numbers::pi / 2)});
    EXPECT_EQ(circle.typeName(), "Circle2D");
    EXPECT_EQ(circle.get("Radius").toDouble(), 5);
    std::vector<Variant> centre{Variant(Variant::Array(2))};
    circle.callByRef("GetCenter", centre);
    EXPECT_EQ(centre[0].array()[1].toDouble(), 20);
    EXPECT_EQ(errorOf([&] { factory.call("CreateClosedCircle", {Variant(0), Variant(0), Variant(0)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { factory.call("CreateCircle", {Variant(0), Variant(0), Variant(1), Variant(2), Variant(1)}); }),
              serverFailure);
    // The box of what is drawn: the whole circle and the quarter arc from (4, 0) to (0, 4).
    const std::array<double, 4> box = size(detail), expected{0, 15, 0, 25};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(box[i], expected[i], 1e-9) << i;

    platform::Json saved = content()["sheets"][1];
    EXPECT_EQ(saved["detail"], true);
    EXPECT_EQ(saved["views"][2]["circles"], platform::Json::parse("[[10, 20, 5], [0, 0, 4, 0, 1.570796]]"));
    EXPECT_FALSE(saved["views"][0].contains("circles"));

    // Placed and exploded, the circles stand where the component does.
    Object mainView = views(sheet(drawing, 1)).call("Item", {Variant(1)}).object();
    mainView.get("Components").object().call("Add", {Variant(detail), Variant(100), Variant(0)}).object().call("Explode");
    EXPECT_EQ(content()["sheets"][0]["views"][0]["circles"][0], platform::Json::parse("[110, 20, 5]"));
}

TEST_F(DrawingArtworkTest, TablesAreAddedEmptyInTheSizesGiven) {
    Object view = views(sheet(drawing, 1)).call("Item", {Variant(1)}).object();
    Object tables = view.get("Tables").object();
    Object table = tables.call("Add", {Variant(5), Variant(180), Variant(3), Variant(2), Variant(7.0), Variant(20.0)}).object();
    EXPECT_EQ(table.get("Name").toString(), "Table.1");
    table.put("Name", "ToolsList1");
    table.call("SetColumnSize", {Variant(2), Variant(36.0)});
    table.call("SetRowSize", {Variant(3), Variant(10.0)});
    table.call("SetCellString", {Variant(1), Variant(2), Variant("程序名")});
    EXPECT_EQ(errorOf([&] { table.call("SetRowSize", {Variant(4), Variant(10.0)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] {
                  tables.call("Add", {Variant(0), Variant(0), Variant(0), Variant(2), Variant(7.0), Variant(20.0)});
              }),
              serverFailure);
    EXPECT_EQ(content()["sheets"][0]["views"][0]["tables"][0], platform::Json::parse(R"({"name": "ToolsList1",
        "x": 5, "y": 180, "cells": [["", "程序名"], ["", ""], ["", ""]], "merges": [],
        "columnWidths": [20, 36], "rowHeights": [7, 7, 10]})"));
}

TEST_F(DrawingArtworkTest, CirclesAreDrawnAsCirclesAndArcsInTheRenders) {
    const platform::Json drawing = platform::Json::parse(R"({ "kind": "Drawing", "sheets": [ { "name": "Sheet.1",
        "views": [ { "name": "Main View", "viewType": 13, "circles": [[10, 10, 5], [50, 10, 5, 0, 3.14159265]] } ] } ] })");
    const std::string svg = renderDrawingSvg(drawing);
    EXPECT_NE(svg.find("<circle class=\"artwork\""), std::string::npos);
    EXPECT_NE(svg.find(" A 5 5 0 0 0 "), std::string::npos);
    const std::string dxf = drawingDxf(drawing);
    EXPECT_NE(dxf.find("0\nCIRCLE\n"), std::string::npos);
    EXPECT_NE(dxf.find("0\nARC\n"), std::string::npos);
}

}  // namespace
}  // namespace qvl::sim::testing
