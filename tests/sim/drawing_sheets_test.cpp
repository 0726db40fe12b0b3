#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;
using DrawingSheetsTest = DrawingTest;

std::vector<std::string> names(const Object& collection) {
    std::vector<std::string> result;
    for (long long i = 1; i <= collection.get("Count").toLong(); ++i) {
        result.push_back(collection.call("Item", {Variant(i)}).object().get("Name").toString());
    }
    return result;
}

TEST_F(DrawingSheetsTest, ASheetThatCatiaCreatesHasAMainAndABackgroundView) {
    Object drawing = newDrawing();
    EXPECT_EQ(names(sheets(drawing)), std::vector<std::string>{"Sheet.1"});
    Object added = sheets(drawing).call("Add", {Variant("QVL-Planwright")}).object();
    EXPECT_EQ(added.typeName(), "DrawingSheet");
    EXPECT_TRUE(sheets(drawing).get("ActiveSheet").object().is(added));
    EXPECT_EQ(names(views(added)), (std::vector<std::string>{"Main View", "Background View"}));
    // CATIA's CatDrawingViewType: catViewMain 13, catViewBackground 0, catViewUntyped 12.
    EXPECT_EQ(views(added).call("Item", {Variant(1)}).object().get("ViewType").toLong(), 13);
    EXPECT_EQ(views(added).call("Item", {Variant(2)}).object().get("ViewType").toLong(), 0);
    Object view = addView(added);
    EXPECT_EQ(view.get("ViewType").toLong(), 12);
    EXPECT_EQ(views(added).get("Count").toLong(), 3);
    EXPECT_TRUE(views(added).call("Item", {Variant(3)}).object().is(view));
    EXPECT_FALSE(added.call("IsDetail").toBool());
}

TEST_F(DrawingSheetsTest, SheetsAreRemovedByPositionOrNameButNeverTheLastOne) {
    Object drawing = documents().call("NewFrom", {Variant("C:\\QVL\\Template\\Frames.CATDrawing")}).object();
    Object all = sheets(drawing);
    // The template's sheets thrown away one by one from the first: the last one stays.
    long long n = all.get("Count").toLong();
    std::vector<bool> removed;
    for (long long i = 0; i < n; ++i) removed.push_back(!errorOf([&] { all.call("Remove", {Variant(1)}); }));
    EXPECT_EQ(removed, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(names(all), std::vector<std::string>{"Notes_General"});

    all.call("Add", {Variant("QVL-Planwright")});
    all.call("Add", {Variant("P-1")});
    EXPECT_EQ(errorOf([&] { all.call("Remove", {Variant("Nothing")}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { all.call("Remove", {Variant(4)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { all.call("Remove", {Variant(0)}); }), serverFailure);
    all.call("Remove", {Variant("Notes_General")});
    EXPECT_EQ(names(all), (std::vector<std::string>{"QVL-Planwright", "P-1"}));
    // Removing the active sheet makes the first one active.
    all.call("Remove", {Variant(2)});
    EXPECT_EQ(all.get("ActiveSheet").object().get("Name").toString(), "QVL-Planwright");
    EXPECT_EQ(errorOf([&] { all.call("Remove", {Variant("QVL-Planwright")}); }), serverFailure);
}

TEST_F(DrawingSheetsTest, ItemFindsByPositionFromOneOrByNameAndRefusesUnknownOnes) {
    Object drawing = documents().call("Read", {Variant("C:\\QVL\\Template\\Frames.CATDrawing")}).object();
    EXPECT_EQ(sheet(drawing, "A4").get("Name").toString(), "A4");
    EXPECT_TRUE(sheet(drawing, 2).is(sheet(drawing, "A4")));
    EXPECT_TRUE(sheet(drawing, "A4").call("IsDetail").toBool());
    EXPECT_EQ(views(sheet(drawing, "A4")).call("Item", {Variant("A4")}).object().get("Name").toString(), "A4");
    EXPECT_EQ(errorOf([&] { sheet(drawing, "A5"); }), serverFailure);
    EXPECT_EQ(errorOf([&] { sheet(drawing, 4); }), serverFailure);
    EXPECT_EQ(errorOf([&] { views(sheet(drawing, "A4")).call("Item", {Variant("A3")}); }), serverFailure);
}

TEST_F(DrawingSheetsTest, SheetPropertiesAreKeptAndSaved) {
    Object drawing = newDrawing();
    Object s = sheet(drawing, 1);
    s.put("PaperSize", 5);
    s.put("ProjectionMethod", 1);
    s.put("Scale2", 0.5);
    s.put("Name", "Renamed");
    EXPECT_EQ(s.get("PaperSize").toLong(), 5);
    EXPECT_EQ(s.get("ProjectionMethod").toLong(), 1);
    EXPECT_DOUBLE_EQ(s.get("Scale2").toDouble(), 0.5);
    EXPECT_EQ(errorOf([&] { s.put("ProjectionMethod", 2); }), serverFailure);
    EXPECT_EQ(errorOf([&] { s.put("Scale2", 0.0); }), serverFailure);
    s.call("Activate");
    s.call("Update");
    drawing.call("SaveAs", {Variant("D:\\out\\props")});
    platform::Json saved = fileJson("D:\\out\\props.CATDrawing")["sheets"][0];
    EXPECT_EQ(saved["name"], "Renamed");
    EXPECT_EQ(saved["paperSize"], 5);
    EXPECT_EQ(saved["projectionMethod"], 1);
    EXPECT_EQ(saved["scale"], 0.5);
    EXPECT_EQ(saved["views"][0]["viewType"], 13);
}

TEST_F(DrawingSheetsTest, ObjectsOfARemovedSheetFail) {
    Object drawing = newDrawing();
    Object second = sheets(drawing).call("Add", {Variant("Second")}).object();
    Object view = addView(second);
    Object texts = views(second).call("Item", {Variant(2)}).object().get("Texts").object();
    Object text = texts.call("Add", {Variant("x"), Variant(0), Variant(0)}).object();
    sheets(drawing).call("Remove", {Variant("Second")});
    EXPECT_EQ(errorOf([&] { second.get("Name"); }), serverFailure);
    EXPECT_EQ(errorOf([&] { view.get("x"); }), serverFailure);
    EXPECT_EQ(errorOf([&] { texts.get("Count"); }), serverFailure);
    EXPECT_EQ(errorOf([&] { text.put("Text", "y"); }), serverFailure);
}

}  // namespace
}  // namespace qvl::sim::testing
