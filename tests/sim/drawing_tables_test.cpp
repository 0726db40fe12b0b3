#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

// A view with an operations table (program names merged in column 2) and a second table, and
// a detail whose artwork holds a table.
constexpr const char* tablesDrawing = R"({ "kind": "Drawing", "sheets": [
  { "name": "Sheet.1", "paperSize": 6, "views": [ { "name": "Background View", "viewType": 0 },
    { "name": "Main View", "viewType": 13, "tables": [
      { "name": "ToolsList1", "x": 10, "y": 200, "columnWidths": [10, 20, 15], "rowHeights": [8, 7, 7, 10],
        "cells": [["序号", "程序名", "刀号"], ["1", "P1", "T1"], ["2", "P1", "T2"], ["", "", ""]],
        "merges": [[2, 2, 2, 1]] },
      { "name": "Notes", "cells": [["a"]] } ] } ] },
  { "name": "Frame", "detail": true, "views": [ { "name": "Frame", "lines": [[0, 0, 100, 0]],
      "tables": [ { "name": "ToolsList1", "x": 5, "y": 100, "cells": [["H1", "H2"], ["", ""], ["", ""]] } ] } ] } ] })";

class DrawingTablesTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        write("D:\\drawings\\Tables.CATDrawing", tablesDrawing);
        drawing = open("D:\\drawings\\Tables.CATDrawing");
        mainView = views(sheet(drawing, 1)).call("Item", {Variant(2)}).object();
        tools = mainView.get("Tables").object().call("Item", {Variant(1)}).object();
    }
    std::string cell(long long row, long long column) {
        return tools.call("GetCellString", {Variant(row), Variant(column)}).toString();
    }
    void set(long long row, long long column, const std::string& text) {
        tools.call("SetCellString", {Variant(row), Variant(column), Variant(text)});
    }
    void call(const char* member, long long n) { tools.call(member, {Variant(n)}); }
    platform::Json saved(const std::string& name = "Tables.CATDrawing") {
        return sim.dumpDocument(name)->at("content")["sheets"][0]["views"][1]["tables"][0];
    }
    platform::Json merges() { return saved()["merges"]; }

    Object drawing;
    Object mainView;
    Object tools;
};

TEST_F(DrawingTablesTest, AViewsTablesAreFoundByPositionAndByName) {
    Object tables = mainView.get("Tables").object();
    EXPECT_EQ(tables.typeName(), "DrawingTables");
    EXPECT_EQ(tables.get("Count").toLong(), 2);
    EXPECT_EQ(tools.typeName(), "DrawingTable");
    EXPECT_EQ(tools.get("Name").toString(), "ToolsList1");
    EXPECT_TRUE(tables.call("Item", {Variant(1)}).object().is(tools));
    EXPECT_EQ(tables.call("Item", {Variant(2)}).object().get("Name").toString(), "Notes");
    EXPECT_EQ(errorOf([&] { tables.call("Item", {Variant(3)}); }), serverFailure);
    // DrawingTables.Item takes a position only (a long in the reference), no name.
    EXPECT_EQ(errorOf([&] { tables.call("Item", {Variant("ToolsList1")}); }), automation::errc::typeMismatch);
    EXPECT_EQ(views(sheet(drawing, 1)).call("Item", {Variant(1)}).object().get("Tables").object().get("Count").toLong(), 0);
}

TEST_F(DrawingTablesTest, CellsAreReadAndWrittenInsideTheTableOnlyAndAMergedBlockIsOneCell) {
    EXPECT_EQ(tools.get("NumberOfRows").toLong(), 4);
    EXPECT_EQ(tools.get("NumberOfColumns").toLong(), 3);
    EXPECT_EQ(cell(1, 2), "程序名");
    set(4, 3, "总时间\r\n4.5");
    EXPECT_EQ(cell(4, 3), "总时间\r\n4.5");
    for (auto [row, column] : {std::pair{0, 1}, {5, 1}, {1, 0}, {1, 4}, {-1, -1}}) {
        EXPECT_EQ(errorOf([&] { cell(row, column); }), serverFailure) << row << "," << column;
        EXPECT_EQ(errorOf([&] { set(row, column, "x"); }), serverFailure) << row << "," << column;
    }
    // Rows 2 and 3 of column 2 are one cell: it shows, and takes, the text of its first cell.
    EXPECT_EQ(cell(3, 2), "P1");
    set(3, 2, "P2");
    EXPECT_EQ(cell(2, 2), "P2");
    EXPECT_EQ(saved()["cells"][1][1], "P2");
}

TEST_F(DrawingTablesTest, InsertedAndRemovedRowsAndColumnsMoveAndResizeTheMergedBlocks) {
    call("AddRow", 2);  // before the block: it moves down
    EXPECT_EQ(merges(), platform::Json::parse("[[3, 2, 2, 1]]"));
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(cell(3, 1), "1");
    call("AddRow", 4);  // inside the block: it grows
    EXPECT_EQ(merges(), platform::Json::parse("[[3, 2, 3, 1]]"));
    call("AddRow", 7);  // one past the last row appends
    EXPECT_EQ(tools.get("NumberOfRows").toLong(), 7);
    EXPECT_EQ(errorOf([&] { call("AddRow", 9); }), serverFailure);
    EXPECT_EQ(errorOf([&] { call("AddRow", 0); }), serverFailure);
    EXPECT_EQ(saved()["rowHeights"], platform::Json::parse("[8, 7, 7, 7, 7, 10, 7]"));

    call("RemoveRow", 3);  // the block's first row: the block keeps its text in the next
    EXPECT_EQ(merges(), platform::Json::parse("[[3, 2, 2, 1]]"));
    EXPECT_EQ(cell(3, 2), "P1");
    call("RemoveColumn", 1);
    EXPECT_EQ(merges(), platform::Json::parse("[[3, 1, 2, 1]]"));
    EXPECT_EQ(cell(1, 1), "程序名");
    call("AddColumn", 1);
    EXPECT_EQ(merges(), platform::Json::parse("[[3, 2, 2, 1]]"));
    EXPECT_EQ(saved()["columnWidths"], platform::Json::parse("[20, 20, 15]"));
    EXPECT_EQ(errorOf([&] { call("RemoveColumn", 4); }), serverFailure);
    EXPECT_EQ(errorOf([&] { call("RemoveRow", 7); }), serverFailure);
    call("RemoveRow", 4);  // a block of one cell is no block
    EXPECT_EQ(merges(), platform::Json::array());
    EXPECT_EQ(cell(3, 2), "P1");

    // What was saved reads back the same.
    drawing.call("SaveAs", {Variant("D:\\out\\Tables2")});
    platform::Json before = saved("Tables2.CATDrawing");
    drawing.call("Close");
    open("D:\\out\\Tables2.CATDrawing");
    EXPECT_EQ(saved("Tables2.CATDrawing"), before);
}

TEST_F(DrawingTablesTest, MergingKeepsTheFirstTextTakesInInnerBlocksAndRefusesCuttingThroughOne) {
    tools.call("MergeCells", {Variant(2), Variant(1), Variant(2), Variant(1)});
    EXPECT_EQ(cell(3, 1), "1");
    EXPECT_EQ(saved()["cells"][2][0], "");
    EXPECT_EQ(merges(), platform::Json::parse("[[2, 2, 2, 1], [2, 1, 2, 1]]"));
    // A block that cuts through another is refused; one that holds it takes it in.
    EXPECT_EQ(errorOf([&] { tools.call("MergeCells", {Variant(3), Variant(2), Variant(2), Variant(1)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { tools.call("MergeCells", {Variant(1), Variant(1), Variant(2), Variant(2)}); }), serverFailure);
    tools.call("MergeCells", {Variant(2), Variant(1), Variant(3), Variant(2)});
    EXPECT_EQ(merges(), platform::Json::parse("[[2, 1, 3, 2]]"));
    EXPECT_EQ(cell(4, 2), "1");
    // A single cell stays as it is; a block beyond the table is refused.
    tools.call("MergeCells", {Variant(1), Variant(3), Variant(1), Variant(1)});
    EXPECT_EQ(merges().size(), 1u);
    EXPECT_EQ(errorOf([&] { tools.call("MergeCells", {Variant(4), Variant(3), Variant(2), Variant(1)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { tools.call("MergeCells", {Variant(1), Variant(3), Variant(0), Variant(1)}); }), serverFailure);
}

TEST_F(DrawingTablesTest, EveryColumnOrEveryRowMayGoAndTheTableKeepsTheOtherSize) {
    for (int i = 0; i < 3; ++i) call("RemoveColumn", 1);
    EXPECT_EQ(tools.get("NumberOfColumns").toLong(), 0);
    EXPECT_EQ(tools.get("NumberOfRows").toLong(), 4);
    EXPECT_EQ(errorOf([&] { cell(1, 1); }), serverFailure);
    EXPECT_EQ(saved()["cells"], platform::Json::parse("[[], [], [], []]"));

    Object notes = mainView.get("Tables").object().call("Item", {Variant(2)}).object();
    notes.call("RemoveRow", {Variant(1)});
    EXPECT_EQ(notes.get("NumberOfColumns").toLong(), 1);
    drawing.call("Save");
    drawing.call("Close");
    Object again = open("D:\\drawings\\Tables.CATDrawing");
    Object table = views(sheet(again, 1)).call("Item", {Variant(2)}).object().get("Tables").object().call("Item", {Variant(2)}).object();
    EXPECT_EQ(table.get("NumberOfRows").toLong(), 0);
    EXPECT_EQ(table.get("NumberOfColumns").toLong(), 1);
    table.call("AddRow", {Variant(1)});
    table.call("SetCellString", {Variant(1), Variant(1), Variant("b")});
    EXPECT_EQ(table.call("GetCellString", {Variant(1), Variant(1)}).toString(), "b");
}

TEST_F(DrawingTablesTest, ComputeModeIsKeptAndSavedWhileSuspended) {
    EXPECT_EQ(tools.get("ComputeMode").toLong(), 1);
    tools.put("ComputeMode", 0);
    EXPECT_EQ(saved()["computeMode"], 0);
    EXPECT_EQ(errorOf([&] { tools.put("ComputeMode", 2); }), serverFailure);
    tools.put("ComputeMode", 1);
    EXPECT_FALSE(saved().contains("computeMode"));
    tools.put("Name", "ToolsList2");
    EXPECT_EQ(saved()["name"], "ToolsList2");
}

TEST_F(DrawingTablesTest, ATableInAComponentBecomesTheViewsOwnWhenTheComponentIsExploded) {
    Object target = views(sheet(newDrawing(), 1)).call("Item", {Variant(1)}).object();
    Object detail = views(sheet(drawing, Variant("Frame"))).call("Item", {Variant("Frame")}).object();
    Object frame = target.get("Components").object().call("Add", {Variant(detail), Variant(0), Variant(50)}).object();
    Object tables = target.get("Tables").object();
    EXPECT_EQ(tables.get("Count").toLong(), 0);
    frame.call("Explode");
    ASSERT_EQ(tables.get("Count").toLong(), 1);
    Object table = tables.call("Item", {Variant(1)}).object();
    table.call("SetCellString", {Variant(2), Variant(1), Variant("1")});
    platform::Json exploded = sim.dumpDocument("Drawing1.CATDrawing")->at("content")["sheets"][0]["views"][0]["tables"][0];
    EXPECT_EQ(exploded["x"], 5);
    EXPECT_EQ(exploded["y"], 150);
    EXPECT_EQ(exploded["cells"][1][0], "1");
    // The detail keeps its own table.
    EXPECT_EQ(detail.get("Tables").object().call("Item", {Variant(1)}).object().call("GetCellString", {Variant(2), Variant(1)}).toString(),
              "");
}

TEST_F(DrawingTablesTest, TablesOfADeletedViewFailAndTableTypesTakePlannedFaults) {
    sim.failCall("DrawingTable", "GetCellString");
    EXPECT_EQ(errorOf([&] { cell(1, 1); }), serverFailure);
    EXPECT_EQ(errorOf([&] { cell(1, 1); }), std::nullopt);
    sim.failCall("DrawingTable", "MergeCells");
    EXPECT_EQ(errorOf([&] { tools.call("MergeCells", {Variant(2), Variant(1), Variant(2), Variant(1)}); }), serverFailure);
    EXPECT_EQ(merges().size(), 1u);
    sim.failCall("DrawingTables", "Item", 2);
    Object tables = mainView.get("Tables").object();
    EXPECT_EQ(errorOf([&] { tables.call("Item", {Variant(1)}); }), std::nullopt);
    EXPECT_EQ(errorOf([&] { tables.call("Item", {Variant(1)}); }), serverFailure);

    Object front = frontView(sheet(drawing, 1), blockProduct());
    Object frontTables = front.get("Tables").object();
    Object selection = drawing.get("Selection").object();
    selection.call("Add", {Variant(front)});
    selection.call("Delete");
    EXPECT_EQ(errorOf([&] { frontTables.get("Count"); }), serverFailure);
}

}  // namespace
}  // namespace qvl::sim::testing
