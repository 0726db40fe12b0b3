#include "headless/script_fault.h"
#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;
using Kind = PickAnswer::Kind;

class SelectionTest : public SimTest {
protected:
    void SetUp() override {
        writeWorld();
        assyDoc = open("D:\\models\\Assy.CATProduct");
        selection = assyDoc.get("Selection").object();
    }
    std::string select2(Variant::Array filter, const std::string& prompt = "Select the Product") {
        std::vector<Variant> args{Variant(std::move(filter)), Variant(prompt), Variant(false)};
        return selection.callByRef("SelectElement2", args).toString();
    }
    std::string select3(Variant::Array filter) {
        std::vector<Variant> args{Variant(std::move(filter)), Variant("Select the Product. Press Esc to finish the selection."),
                                  Variant(false), Variant(1), Variant(false)};
        return selection.callByRef("SelectElement3", args).toString();
    }
    Object selected(int i, const char* member = "Item2") {
        return selection.call(member, {Variant(i)}).object().get("Value").object();
    }
    Object assyChild(const char* name) {
        return assyDoc.get("Product").object().get("Products").object().call("Item", {Variant(name)}).object();
    }

    Object assyDoc;
    Object selection;
};

TEST_F(SelectionTest, ACompletedPickSelectsTheNamedObjectAndIsRecorded) {
    sim.queuePick({Kind::Normal, {"Assy/Sub.1"}});
    EXPECT_EQ(select2({Variant("Product")}), "Normal");
    EXPECT_EQ(selection.get("Count2").toLong(), 1);
    EXPECT_EQ(selection.get("Count").toLong(), 1);
    Object item = selection.call("Item", {Variant(1)}).object();
    EXPECT_EQ(item.typeName(), "SelectedElement");
    EXPECT_TRUE(item.get("Value").object().is(assyChild("Sub.1")));
    EXPECT_EQ(lastEvent(), platform::Json::parse(R"({"event": "pick", "prompt": "Select the Product",
        "filter": ["Product"], "status": "Normal", "selected": ["Assy/Sub.1"]})"));
    EXPECT_FALSE(sim.hasQueuedPicks());
}

TEST_F(SelectionTest, WithTheSelectionBeforeCommandFlagAFittingSelectedObjectAnswersWithoutAsking) {
    Object sub = assyChild("Sub.1");
    selection.call("Add", {Variant(assyDoc.get("Product"))});
    selection.call("Add", {Variant(sub)});
    const std::size_t eventsBefore = transcript.events().size();
    std::vector<Variant> args{Variant(Variant::Array{Variant("Product")}), Variant("?"), Variant(true)};
    EXPECT_EQ(selection.callByRef("SelectElement2", args).toString(), "Normal");
    EXPECT_EQ(transcript.events().size(), eventsBefore);
    EXPECT_EQ(selection.get("Count2").toLong(), 2);
    // Nothing fitting is selected: the person is asked, as with the flag False.
    selection.call("Clear");
    sim.queuePick({Kind::Normal, {"Assy/Sub.1"}});
    EXPECT_EQ(selection.callByRef("SelectElement2", args).toString(), "Normal");
    EXPECT_TRUE(selected(1).is(sub));
    // With the flag False a selection made before is never taken.
    sim.queuePick({Kind::Cancel, {}});
    EXPECT_EQ(select2({Variant("Product")}), "Cancel");
}

TEST_F(SelectionTest, EscUndoAndRedoAnswerWithTheirStatus) {
    sim.queuePick({Kind::Normal, {"Assy"}});
    sim.queuePick({Kind::Undo, {}});
    sim.queuePick({Kind::Redo, {}});
    sim.queuePick({Kind::Cancel, {"Assy/Bracket.1", "Assy/Sub.1/Bolt.1"}});
    sim.queuePick({Kind::Cancel, {}});

    EXPECT_EQ(select3({Variant("Product")}), "Normal");
    // Undo and Redo leave the selection as it was.
    EXPECT_EQ(select3({Variant("Product")}), "Undo");
    EXPECT_EQ(select3({Variant("Product")}), "Redo");
    EXPECT_EQ(selection.get("Count2").toLong(), 1);
    EXPECT_EQ(selected(1).get("Name").toString(), "Assy");

    // Esc after a multi-pick pass still hands over what was picked.
    EXPECT_EQ(select3({Variant("Product")}), "Cancel");
    ASSERT_EQ(selection.get("Count2").toLong(), 2);
    EXPECT_TRUE(selected(1).is(assyChild("Bracket.1")));
    EXPECT_EQ(selected(2).get("Name").toString(), "Bolt.1");
    EXPECT_EQ(selected(2).get("ReferenceProduct").object().get("Parent").object().get("FullName").toString(),
              "D:\\models\\parts\\Bolt.CATPart");

    EXPECT_EQ(select3({Variant("Product")}), "Cancel");
    EXPECT_EQ(selection.get("Count2").toLong(), 0);
    std::vector<std::string> statuses;
    for (const auto& event : transcript.events()) statuses.push_back(event["status"]);
    EXPECT_EQ(statuses, (std::vector<std::string>{"Normal", "Undo", "Redo", "Cancel", "Cancel"}));
}

TEST_F(SelectionTest, PathsResolveAgainstTheActiveOrANamedDocument) {
    Object bracketDoc = open("D:\\models\\Bracket.CATPart");
    // A part document's root is its root product.
    sim.queuePick({Kind::Normal, {"Bracket", "Assy.CATProduct:Assy/Bracket.2"}});
    EXPECT_EQ(select2({Variant("Product")}), "Normal");
    EXPECT_TRUE(selected(1).is(bracketDoc.get("Product").object()));
    EXPECT_TRUE(selected(2).is(assyChild("Bracket.2")));
}

TEST_F(SelectionTest, APathThatNamesNothingOrTheWrongTypeIsAScriptFault) {
    const char* badPaths[] = {"Assy/Nothing.1", "Other/Bracket.1", "Assy//Sub.1", "Missing.CATPart:Bracket",
                              ""};
    for (const char* path : badPaths) {
        sim.queuePick({Kind::Normal, {path}});
        EXPECT_THROW(select2({Variant("Product")}), platform::ScriptFault) << path;
    }
    sim.queuePick({Kind::Normal, {"Assy"}});
    EXPECT_THROW(select2({Variant("DrawingView")}), platform::ScriptFault);
    EXPECT_EQ(transcript.events().size(), 0u);
}

TEST_F(SelectionTest, ASelectionWithoutAQueuedAnswerIsAnUnansweredQuestion) {
    EXPECT_THROW(select2({Variant("Product")}), platform::UnansweredQuestion);
}

TEST_F(SelectionTest, AddClearAndItemOutOfRange) {
    Object bracket1 = assyChild("Bracket.1");
    selection.call("Add", {Variant(bracket1)});
    selection.call("Add", {Variant(bracket1)});
    selection.call("Add", {Variant(assyDoc.get("Product").object())});
    EXPECT_EQ(selection.get("Count").toLong(), 2);
    EXPECT_TRUE(selected(1, "Item").is(bracket1));
    EXPECT_EQ(errorOf([&] { selection.call("Item2", {Variant(3)}); }), serverFailure);

    // Only objects of a document can be selected.
    EXPECT_EQ(errorOf([&] { selection.call("Add", {Variant(catia())}); }), serverFailure);
    selection.call("Clear");
    EXPECT_EQ(selection.get("Count2").toLong(), 0);
}

}  // namespace
}  // namespace qvl::sim::testing
