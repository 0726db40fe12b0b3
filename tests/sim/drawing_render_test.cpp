#include "sim/model/drawing/drawing_reader.h"
#include "sim/render/drawing_svg.h"
#include "sim/render/sheet_picture.h"
#include "sim/render/dxf_writer.h"
#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {
namespace {

using DrawingRenderTest = DrawingTest;

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

platform::Json drawingWithTable() {
    return platform::Json::parse(R"({ "kind": "Drawing", "sheets": [ { "name": "Sheet.1", "paperSize": 6, "views": [
        { "name": "Background View", "viewType": 13,
          "texts": [ { "name": "Text.1", "text": "A<B & \"C\"", "x": 10, "y": 10, "anchorPoint": 3 } ],
          "tables": [ { "name": "ToolsList1", "x": 10, "y": 200, "columnWidths": [20, 30], "rowHeights": [8, 8, 8],
                        "cells": [["序号", "程序名"], ["1", "P1"], ["", ""]], "merges": [[2, 1, 2, 1]] } ] } ] } ] })");
}

TEST_F(DrawingRenderTest, TheSvgShowsPaperViewOutlinesTextsAndTables) {
    Object drawing = newDrawing();
    Object s = sheet(drawing, 1);
    s.put("PaperSize", 5);
    Object front = frontView(s, blockProduct());
    front.put("x", 100.0);
    front.put("y", 100.0);
    Object iso = isometricView(s, blockProduct());
    iso.put("x", 300.0);
    views(s).call("Item", {Variant(2)}).object().get("Texts").object().call("Add", {Variant("技术要求"), Variant(5), Variant(5)});
    std::string svg = renderDrawingSvg(sim.dumpDocument("Drawing1.CATDrawing")->at("content"));
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
    // The A3 paper outline.
    EXPECT_NE(svg.find("class=\"paper\""), std::string::npos);
    EXPECT_NE(svg.find("width=\"420\" height=\"297\""), std::string::npos);
    // The front view's four edges and the isometric view's nine (three faces seen).
    EXPECT_EQ(occurrences(svg, "class=\"edge\""), 4u + 9u);
    EXPECT_NE(svg.find(">技术要求</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Front view</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Isometric view</text>"), std::string::npos);
}

TEST_F(DrawingRenderTest, TablesDrawMergedCellsOnceAndTextIsEscaped) {
    std::string svg = renderDrawingSvg(drawingWithTable());
    EXPECT_NE(svg.find(">A&lt;B &amp; &quot;C&quot;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">序号</text>"), std::string::npos);
    // Six cells, of which the merged block of rows 2 and 3 in column 1 is one: five cells of four lines.
    EXPECT_EQ(occurrences(svg, "class=\"table\""), 20u);
    // The merged cell shows the text of its first cell, centred on the block.
    EXPECT_EQ(occurrences(svg, ">1</text>"), 1u);
    EXPECT_NE(svg.find("width=\"297\" height=\"210\""), std::string::npos);

    std::string dxf = drawingDxf(drawingWithTable());
    EXPECT_EQ(occurrences(dxf, "\nLINE\n"), 4u + 20u);
    EXPECT_EQ(occurrences(dxf, "\nTEXT\n"), 5u);
}

TEST_F(DrawingRenderTest, JsonThatIsNoDrawingIsRefused) {
    for (const char* text : {R"({"kind": "Part"})", R"({"kind": "Drawing", "sheets": []})",
                             R"({"kind": "Drawing", "sheets": [{"name": "S", "views": [{"name": "V", "lines": [[1, 2, 3]]}]}]})",
                             R"({"kind": "Drawing", "sheets": [{"name": "S", "views": [{"name": "V",
                                 "tables": [{"name": "T", "cells": [["a"]], "merges": [[1, 1, 2, 1]]}]}]}]})",
                             R"({"kind": "Drawing", "sheets": [{"name": "S", "views": [{"name": "V",
                                 "components": [{"source": "D/D"}]}]}]})",
                             R"({"kind": "Drawing", "sheets": [{"name": "D", "detail": true, "views": [{"name": "D",
                                 "components": [{"source": "D/D"}]}]}]})",
                             R"({"kind": "Drawing", "sheets": [{"name": "S", "views": [{"name": "V",
                                 "generative": {"definition": "side"}}]}]})",
                             R"({"kind": "Drawing", "sheets": [{"name": "S", "views": [{"name": "V", "referenceView": "W"}]}]})"}) {
        EXPECT_THROW(renderDrawingSvg(platform::Json::parse(text)), std::runtime_error) << text;
    }
}

TEST_F(DrawingRenderTest, ComponentsThatNameADetailOfTheirOwnDrawingShowItsArtwork) {
    platform::Json drawing = platform::Json::parse(R"({ "kind": "Drawing", "sheets": [
        { "name": "Sheet.1", "views": [ { "name": "Background View", "viewType": 13,
            "components": [ { "source": "Mark/Mark", "x": 100, "y": 0 }, { "source": "Mark/Mark", "x": 200, "y": 0 } ] } ] },
        { "name": "Mark", "detail": true, "views": [ { "name": "Mark", "lines": [[0, 0, 5, 5]],
            "texts": [ { "name": "M", "text": "标记", "x": 0, "y": 0 } ] } ] } ] })");
    std::string svg = renderDrawingSvg(drawing);
    EXPECT_EQ(occurrences(svg, ">标记</text>"), 3u);  // twice placed, once on the detail sheet
    EXPECT_NE(svg.find("Sheet Mark (detail sheet)"), std::string::npos);
}

TEST_F(DrawingRenderTest, SavedDrawingsGetTheirPictureBesideThem) {
    Object drawing = newDrawing();
    frontView(sheet(drawing, 1), blockProduct());
    drawing.call("SaveAs", {Variant("D:\\out\\block")});
    write("D:\\out\\broken.CATDrawing", "{");
    std::vector<std::string> problems = renderSavedDrawings(disk);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].rfind("D:\\out\\broken.CATDrawing: ", 0), 0u) << problems[0];
    EXPECT_TRUE(disk.fileExists("D:\\out\\block.CATDrawing.svg"));
    EXPECT_TRUE(disk.fileExists("C:\\QVL\\Template\\Frames.CATDrawing.svg"));
    EXPECT_FALSE(disk.fileExists("D:\\out\\broken.CATDrawing.svg"));
    EXPECT_EQ(occurrences(fileText("D:\\out\\block.CATDrawing.svg"), "class=\"edge\""), 4u);
}

TEST_F(DrawingRenderTest, TextsOfSeveralLinesAreDrawnLineUnderLine) {
    platform::Json drawing = platform::Json::parse(R"({ "kind": "Drawing", "sheets": [ { "name": "Sheet.1", "paperSize": 6,
        "views": [ { "name": "Background View", "viewType": 13,
          "texts": [ { "name": "TecNotes1", "text": "1. 去毛刺\r\n2. 倒角C0.5\n3. 防锈", "x": 10, "y": 100, "fontSize": 2.5 } ],
          "tables": [ { "name": "ToolsList1", "x": 10, "y": 200, "cells": [["理论时间"], ["总时间\r\n4.5"]] } ] } ] } ] })");
    std::vector<SheetPicture::Text> texts = pictureOf(*readDrawing(drawing, [](const std::string&, std::string&) {
                                                          return std::shared_ptr<Document>();
                                                      })->sheets[0])
                                                .texts;
    ASSERT_EQ(texts.size(), 6u);
    // A top-anchored block hangs from its point, 1.4 font sizes from line to line.
    EXPECT_EQ(texts[0].text, "1. 去毛刺");
    EXPECT_DOUBLE_EQ(texts[0].y, 100);
    EXPECT_EQ(texts[2].text, "3. 防锈");
    EXPECT_DOUBLE_EQ(texts[2].y, 93);
    // A cell's block is centred in its cell, which grows for its lines.
    EXPECT_EQ(texts[4].text, "总时间");
    EXPECT_EQ(texts[5].text, "4.5");
    EXPECT_DOUBLE_EQ((texts[4].y + texts[5].y) / 2, 200 - 7 - 4.5);

    std::string svg = renderDrawingSvg(drawing);
    EXPECT_NE(svg.find(">2. 倒角C0.5</text>"), std::string::npos);
    EXPECT_EQ(svg.find('\r'), std::string::npos);
    EXPECT_EQ(occurrences(drawingDxf(drawing), "\nTEXT\n"), 6u);
}

}  // namespace
}  // namespace qvl::sim::testing
