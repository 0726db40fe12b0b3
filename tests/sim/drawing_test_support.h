#pragma once

#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "sim/dispatch/server_errors.h"
#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {

// A block 100 long (x), 60 deep (y) and 40 high (z), and a part of two bodies side by side.
inline constexpr const char* blockPart = R"({ "kind": "Part", "partNumber": "Block",
  "bodies": [ { "name": "PartBody", "boxes": [[0, 0, 0, 100, 60, 40]] } ] })";
inline constexpr const char* twinPart = R"({ "kind": "Part", "partNumber": "Twin",
  "bodies": [ { "name": "Left", "boxes": [[0, 0, 0, 10, 10, 10]] },
              { "name": "Right", "boxes": [[50, 0, 0, 80, 20, 10]] } ] })";
inline constexpr const char* pairProduct = R"({ "kind": "Product", "partNumber": "Pair",
  "children": [ { "name": "Block.1", "file": "Block.CATPart", "offset": [0, 0, 0] },
                { "name": "Block.2", "file": "Block.CATPart", "offset": [0, 200, 0] } ] })";

// A template: a working sheet and two detail sheets, a frame with a title text and a notes block.
inline constexpr const char* templateDrawing = R"({ "kind": "Drawing", "standard": 1, "sheets": [
  { "name": "Sheet.1", "views": [ { "name": "Main View", "viewType": 13 },
                                  { "name": "Background View", "viewType": 0 } ] },
  { "name": "A4", "detail": true, "views": [ { "name": "A4",
      "lines": [[0, 0, 297, 0], [297, 0, 297, 210], [297, 210, 0, 210], [0, 210, 0, 0]],
      "texts": [ { "name": "TitlePN", "text": "-", "x": 250, "y": 20, "modifiable": true },
                 { "name": "TitleName", "text": "名称", "x": 250, "y": 30, "modifiable": true },
                 { "name": "Label.1", "text": "图号", "x": 220, "y": 20 } ] } ] },
  { "name": "Notes_General", "detail": true, "views": [ { "name": "Notes_General",
      "texts": [ { "name": "NotesTitle", "text": "技术要求", "x": -100, "y": 0 },
                 { "name": "Note1", "text": "1. 锐边倒钝。", "x": -100, "y": -8 } ] } ] } ] })";

class DrawingTest : public SimTest {
protected:
    void SetUp() override {
        write("D:\\models\\Block.CATPart", blockPart);
        write("D:\\models\\Twin.CATPart", twinPart);
        write("D:\\models\\Pair.CATProduct", pairProduct);
        write("C:\\QVL\\Template\\Frames.CATDrawing", templateDrawing);
        disk.createFolder("D:\\out");
    }

    Object newDrawing() { return documents().call("Add", {Variant("Drawing")}).object(); }
    static Object sheets(const Object& drawing) { return drawing.get("Sheets").object(); }
    static Object sheet(const Object& drawing, const Variant& key) {
        return sheets(drawing).call("Item", {key}).object();
    }
    static Object views(const Object& sheet) { return sheet.get("Views").object(); }
    static Object addView(const Object& sheet) { return views(sheet).call("Add", {Variant("AutomaticNaming")}).object(); }
    static Object behavior(const Object& view) { return view.get("GenerativeBehavior").object(); }

    static std::array<double, 4> size(const Object& view) {
        std::vector<Variant> args{Variant(Variant::Array(4))};
        view.callByRef("Size", args);
        const auto& box = args[0].array();
        return {box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble()};
    }
    static double width(const Object& view) {
        auto b = size(view);
        return b[1] - b[0];
    }
    static double height(const Object& view) {
        auto b = size(view);
        return b[3] - b[2];
    }

    // A front view of `subject` on the given directions, updated.
    static Object frontView(const Object& sheet, const Object& subject, std::array<double, 6> d = {0, 1, 0, 0, 0, 1}) {
        Object view = addView(sheet);
        behavior(view).putRef("Document", subject);
        behavior(view).call("DefineFrontView", {d[0], d[1], d[2], d[3], d[4], d[5]});
        behavior(view).call("Update");
        return view;
    }
    // A projection view of `front` of the given type, updated.
    static Object projectionView(const Object& sheet, const Object& front, long long type) {
        Object view = addView(sheet);
        behavior(view).call("DefineProjectionView", {Variant(behavior(front)), Variant(type)});
        front.get("GenerativeLinks").object().call("CopyLinksTo", {view.get("GenerativeLinks")});
        behavior(view).call("Update");
        return view;
    }
    static Object isometricView(const Object& sheet, const Object& subject) {
        Object view = addView(sheet);
        behavior(view).putRef("Document", subject);
        behavior(view).call("DefineIsometricView", {-0.707107, 0.707107, 0.0, -0.408248, -0.408248, 0.816497});
        behavior(view).call("Update");
        return view;
    }

    Object blockProduct() { return open("D:\\models\\Block.CATPart").get("Product").object(); }

    std::string fileText(const std::string& path) { return disk.readFile(path).value_or(""); }
    platform::Json fileJson(const std::string& path) { return platform::Json::parse(fileText(path)); }

    std::vector<platform::Json> eventsNamed(const std::string& name) const {
        std::vector<platform::Json> found;
        for (const auto& e : transcript.events()) {
            if (e["event"] == name) found.push_back(e);
        }
        return found;
    }
};

}  // namespace qvl::sim::testing
