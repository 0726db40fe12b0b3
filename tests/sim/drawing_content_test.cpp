#include "headless/script_fault.h"
#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

class DrawingContentTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        drawing = newDrawing();
        mainView = views(sheet(drawing, 1)).call("Item", {Variant(1)}).object();
        frames = documents().call("Read", {Variant("C:\\QVL\\Template\\Frames.CATDrawing")}).object();
    }
    Object detail(const std::string& name) { return views(sheet(frames, Variant(name))).call("Item", {Variant(name)}).object(); }
    Object place(const std::string& name, double x, double y) {
        return mainView.get("Components").object().call("Add", {Variant(detail(name)), Variant(x), Variant(y)}).object();
    }
    platform::Json mainViewJson() { return sim.dumpDocument(drawing.get("Name").toString())->at("content")["sheets"][0]["views"][0]; }

    Object drawing;
    Object mainView;
    Object frames;
};

TEST_F(DrawingContentTest, TextsAreAddedNamedAndChanged) {
    Object texts = mainView.get("Texts").object();
    Object first = texts.call("Add", {Variant("长宽高(60x100x40)"), Variant(5.0), Variant(0.0)}).object();
    Object second = texts.call("Add", {Variant("B"), Variant(1), Variant(2)}).object();
    EXPECT_EQ(first.typeName(), "DrawingText");
    EXPECT_EQ(first.get("Name").toString(), "Text.1");
    EXPECT_EQ(second.get("Name").toString(), "Text.2");
    EXPECT_EQ(texts.get("Count").toLong(), 2);
    // DrawingTexts.Item takes a position only, as the reference declares it (a long).
    EXPECT_TRUE(texts.call("Item", {Variant(2)}).object().is(second));
    EXPECT_TRUE(texts.call("Item", {Variant("2")}).object().is(second));
    EXPECT_EQ(errorOf([&] { texts.call("Item", {Variant("Text.2")}); }), automation::errc::typeMismatch);
    EXPECT_EQ(errorOf([&] { texts.call("Item", {Variant(3)}); }), serverFailure);

    // Changed text properties reach the text at their Update, as CATIA documents it.
    Object properties = first.get("TextProperties").object();
    properties.put("AnchorPoint", 3);
    properties.put("Justification", 2);
    EXPECT_EQ(properties.get("AnchorPoint").toLong(), 3);
    EXPECT_EQ(mainViewJson()["texts"][0]["anchorPoint"], 1);
    properties.call("Update");
    second.get("TextProperties").object().put("AnchorPoint", 9);  // never updated
    first.call("SetFontSize", {Variant(0), Variant(0), Variant(3.5)});
    first.call("SetFontSize", {Variant(0), Variant(3), Variant(5.0)});
    second.put("Text", "C");
    second.put("x", 7.5);
    EXPECT_EQ(errorOf([&] { first.call("SetFontSize", {Variant(10), Variant(20), Variant(2.0)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { first.call("SetFontSize", {Variant(0), Variant(0), Variant(0.0)}); }), serverFailure);

    platform::Json saved = mainViewJson()["texts"];
    EXPECT_EQ(saved[0], platform::Json::parse(R"j({"name": "Text.1", "text": "长宽高(60x100x40)", "x": 5, "y": 0,
        "anchorPoint": 3, "justification": 2, "fontSize": 3.5, "fontRuns": [[0, 3, 5]]})j"));
    EXPECT_EQ(saved[1]["text"], "C");
    EXPECT_EQ(saved[1]["x"], 7.5);
    EXPECT_EQ(saved[1]["anchorPoint"], 1);
}

TEST_F(DrawingContentTest, AComponentCopiesItsDetailAndItsTextsChangeInThisInstanceOnly) {
    Object frame = place("A4", 100, 50);
    EXPECT_EQ(frame.typeName(), "DrawingComponent");
    EXPECT_EQ(mainView.get("Components").object().get("Count").toLong(), 1);
    Object pn = frame.call("GetModifiableObject", {Variant("TitlePN")}).object();
    EXPECT_EQ(pn.get("Text").toString(), "-");
    pn.put("Text", "Block");
    EXPECT_EQ(errorOf([&] { frame.call("GetModifiableObject", {Variant("TitleMass")}); }), serverFailure);
    // Only the texts that the detail made modifiable in instances are handed out, by name or
    // by position among them.
    EXPECT_EQ(frame.call("GetModifiableObjectsCount").toLong(), 2);
    EXPECT_EQ(frame.call("GetModifiableObject", {Variant(2)}).object().get("Name").toString(), "TitleName");
    EXPECT_EQ(errorOf([&] { frame.call("GetModifiableObject", {Variant("Label.1")}); }), serverFailure);
    // The detail in the template keeps its text; the instance no longer needs it.
    EXPECT_EQ(detail("A4").get("Texts").object().call("Item", {Variant(1)}).object().get("Text").toString(), "-");
    frames.call("Close");

    platform::Json saved = mainViewJson()["components"][0];
    EXPECT_EQ(saved["source"], "A4/A4");
    EXPECT_EQ(saved["document"], "C:\\QVL\\Template\\Frames.CATDrawing");
    EXPECT_EQ(saved["x"], 100);
    EXPECT_EQ(saved["texts"][0]["text"], "Block");
    EXPECT_EQ(saved["lines"].size(), 4u);

    // Only a detail can be placed.
    EXPECT_EQ(errorOf([&] { mainView.get("Components").object().call("Add", {Variant(mainView), Variant(0), Variant(0)}); }),
              serverFailure);
}

TEST_F(DrawingContentTest, ExplodingCopiesTheComponentIntoTextsAndLinesOfTheViewAndKeepsIt) {
    Object notes = place("Notes_General", 277, 170);
    notes.call("Explode");
    // The component stays, as CATIA documents Explode; its artwork is now also the view's own.
    EXPECT_EQ(mainView.get("Components").object().get("Count").toLong(), 1);
    EXPECT_DOUBLE_EQ(notes.get("x").toDouble(), 277);
    Object texts = mainView.get("Texts").object();
    EXPECT_EQ(texts.get("Count").toLong(), 2);
    Object title = texts.call("Item", {Variant(1)}).object();
    EXPECT_EQ(title.get("Name").toString(), "NotesTitle");
    EXPECT_DOUBLE_EQ(title.get("x").toDouble(), 177);
    EXPECT_DOUBLE_EQ(texts.call("Item", {Variant(2)}).object().get("y").toDouble(), 162);

    // A title text filled in the instance is exploded as filled; the exploded copy is an
    // ordinary text of the view, no longer handed out by the instance.
    Object frame = place("A4", 10, 20);
    frame.call("GetModifiableObject", {Variant("TitlePN")}).object().put("Text", "Block");
    frame.call("Explode");
    platform::Json lines = mainViewJson()["lines"];
    EXPECT_EQ(lines[0], platform::Json::parse("[10, 20, 307, 20]"));
    platform::Json exploded = mainViewJson()["texts"];
    ASSERT_EQ(exploded.size(), 5u);
    EXPECT_EQ(exploded[2]["text"], "Block");
    EXPECT_FALSE(exploded[2].contains("modifiable"));
    EXPECT_EQ(mainViewJson()["components"].size(), 2u);
}

TEST_F(DrawingContentTest, SelectionDeleteRemovesComponentsTextsAndViewsButNotTheMainView) {
    Object front = frontView(sheet(drawing, 1), blockProduct());
    Object frame = place("A4", 0, 0);
    Object pn = frame.call("GetModifiableObject", {Variant("TitlePN")}).object();
    Object text = mainView.get("Texts").object().call("Add", {Variant("x"), Variant(0), Variant(0)}).object();
    Object selection = drawing.get("Selection").object();
    selection.call("Add", {Variant(frame)});
    selection.call("Add", {Variant(text)});
    selection.call("Add", {Variant(front)});
    selection.call("Delete");
    EXPECT_EQ(selection.get("Count").toLong(), 0);
    EXPECT_EQ(mainView.get("Components").object().get("Count").toLong(), 0);
    EXPECT_EQ(mainView.get("Texts").object().get("Count").toLong(), 0);
    EXPECT_EQ(views(sheet(drawing, 1)).get("Count").toLong(), 2);
    EXPECT_EQ(errorOf([&] { pn.get("Text"); }), serverFailure);
    EXPECT_EQ(errorOf([&] { front.get("x"); }), serverFailure);

    // Nothing is deleted when one of the selected objects cannot go.
    Object kept = mainView.get("Texts").object().call("Add", {Variant("y"), Variant(0), Variant(0)}).object();
    selection.call("Add", {Variant(kept)});
    selection.call("Add", {Variant(mainView)});
    EXPECT_EQ(errorOf([&] { selection.call("Delete"); }), serverFailure);
    EXPECT_EQ(kept.get("Text").toString(), "y");
    EXPECT_EQ(mainView.get("ViewType").toLong(), 13);
}

TEST_F(DrawingContentTest, PicksInADrawingNameSheetsViewsAndTheirContent) {
    Object front = frontView(sheet(drawing, 1), blockProduct());
    Object text = mainView.get("Texts").object().call("Add", {Variant("x"), Variant(0), Variant(0)}).object();
    Object frame = place("A4", 0, 0);
    drawing.call("Activate");
    Object selection = drawing.get("Selection").object();
    sim.queuePick({PickAnswer::Kind::Normal, {"Sheet.1/Front view"}});
    EXPECT_EQ(selection.call("SelectElement2", {Variant(Variant::Array{Variant("DrawingView")}), Variant("选择主视图"), Variant(false)})
                  .toString(),
              "Normal");
    EXPECT_TRUE(selection.call("Item", {Variant(1)}).object().get("Value").object().is(front));
    EXPECT_EQ(lastEvent()["selected"], platform::Json::parse(R"(["Sheet.1/Front view"])"));

    sim.queuePick({PickAnswer::Kind::Normal, {"Sheet.1/Main View/Text.1", "Sheet.1/Main View/A4", "Sheet.1"}});
    selection.call("SelectElement3", {Variant(Variant::Array{Variant("DrawingText"), Variant("DrawingComponent"),
                                                             Variant("DrawingSheet")}),
                                      Variant("?"), Variant(false), Variant(1), Variant(false)});
    EXPECT_TRUE(selection.call("Item", {Variant(1)}).object().get("Value").object().is(text));
    EXPECT_TRUE(selection.call("Item", {Variant(2)}).object().get("Value").object().is(frame));
    EXPECT_TRUE(selection.call("Item", {Variant(3)}).object().get("Value").object().is(sheet(drawing, 1)));

    for (const char* path : {"Sheet.2/Front view", "Sheet.1/Side view", "Sheet.1/Front view/Text.9", "Sheet.1/Front view/a/b"}) {
        sim.queuePick({PickAnswer::Kind::Normal, {path}});
        EXPECT_THROW(selection.call("SelectElement2", {Variant("DrawingView"), Variant("?"), Variant(false)}),
                     platform::ScriptFault)
            << path;
    }
    // A view is no product.
    sim.queuePick({PickAnswer::Kind::Normal, {"Sheet.1/Front view"}});
    EXPECT_THROW(selection.call("SelectElement2", {Variant("Product"), Variant("?"), Variant(false)}), platform::ScriptFault);
}

TEST_F(DrawingContentTest, EveryDrawingTypeTakesPlannedFaultsByItsTypeName) {
    Object front = frontView(sheet(drawing, 1), blockProduct());
    Object frame = place("A4", 0, 0);
    Object text = mainView.get("Texts").object().call("Add", {Variant("x"), Variant(0), Variant(0)}).object();
    struct Case {
        const char* type;
        const char* member;
        std::function<void()> call;
    };
    std::vector<Case> cases = {
        {"DrawingDocument", "Sheets", [&] { drawing.get("Sheets"); }},
        {"DrawingSheets", "Item", [&] { sheets(drawing).call("Item", {Variant(1)}); }},
        {"DrawingSheet", "Views", [&] { sheet(drawing, 1).get("Views"); }},
        {"DrawingViews", "Add", [&] { addView(sheet(drawing, 1)); }},
        {"DrawingView", "Size", [&] { size(front); }},
        {"DrawingViewGenerativeBehavior", "Update", [&] { behavior(front).call("Update"); }},
        {"DrawingViewGenerativeLinks", "CopyLinksTo",
         [&] { front.get("GenerativeLinks").object().call("CopyLinksTo", {front.get("GenerativeLinks")}); }},
        {"DrawingTexts", "Count", [&] { mainView.get("Texts").object().get("Count"); }},
        {"DrawingText", "Text", [&] { text.put("Text", "y"); }},
        {"DrawingTextProperties", "AnchorPoint", [&] { text.get("TextProperties").object().put("AnchorPoint", 3); }},
        {"DrawingComponents", "Count", [&] { mainView.get("Components").object().get("Count"); }},
        {"DrawingComponent", "GetModifiableObject", [&] { frame.call("GetModifiableObject", {Variant("TitlePN")}); }},
    };
    for (const Case& c : cases) {
        sim.failCall(c.type, c.member);
        EXPECT_EQ(errorOf(c.call), serverFailure) << c.type << "." << c.member;
        EXPECT_EQ(errorOf(c.call), std::nullopt) << c.type << "." << c.member;
    }
    sim.failEverything();
    EXPECT_EQ(errorOf([&] { size(front); }), hresult::rpcServerUnavailable);
    EXPECT_EQ(errorOf([&] { frame.call("Explode"); }), hresult::rpcServerUnavailable);
}

}  // namespace
}  // namespace qvl::sim::testing
