// The simulated CATIA serves nothing that CATIA's reference does not declare: every type name
// it hands out is an interface of the reference, and every member of every type is declared on
// it or an ancestor with the kind it is served as. A served member that breaks this fails when
// its object is made, so the test makes an object of every type by walking the object graph.
#include <deque>
#include <set>

#include "sim/dispatch/sim_dispatch.h"
#include "sim/reference/catia_reference.h"
#include "tests/sim/process_test_support.h"

namespace qvl::sim::testing {
namespace {

using reference::MemberKind;
using reference::Reference;

// Every type name that the simulated CATIA hands out.
const std::set<std::string> servedTypes = {
    "Application", "Documents", "PartDocument", "ProductDocument", "DrawingDocument", "ProcessDocument",
    "PPRDocument", "PPRProducts", "Selection", "SelectedElement", "Windows", "Window", "SpecsAndGeomWindow", "Viewer2D", "Viewer3D",
    "SettingControllers", "CacheSettingAtt", "Product", "Products", "Analyze", "Part", "Bodies", "Body",
    "AxisSystems", "AxisSystem", "DrawingSheets", "DrawingSheet", "DrawingViews", "DrawingView",
    "DrawingViewGenerativeBehavior", "DrawingViewGenerativeLinks", "DrawingTexts", "DrawingText",
    "DrawingTextProperties", "DrawingComponents", "DrawingComponent", "DrawingTables", "DrawingTable", "Factory2D",
    "PPRActivity", "Activities", "ManufacturingSetup", "ManufacturingProgram", "ManufacturingOperation",
    "MfgActivities", "ManufacturingTool", "ManufacturingToolAssembly", "Parameters", "Length", "RealParam",
    "StrParam", "Dimension"};

class ReferenceConformanceTest : public ProcessTest {
protected:
    // Reads every property and calls every Func of `object` that takes no argument, and the
    // collections' Item, Item2 and GetElement with 1; every object met is walked in turn, at
    // most a few of each type. Subs are never called: they change the world.
    void walk(const Object& start) {
        std::deque<Object> todo{start};
        while (!todo.empty()) {
            Object object = todo.front();
            todo.pop_front();
            const std::string type = object.typeName();
            if (metCount[type] >= 4 || !visited.insert(object.dispatch()->identity()).second) continue;
            ++metCount[type];
            walked.push_back(object);  // alive, so that no later object takes its identity
            auto table = std::dynamic_pointer_cast<SimDispatch>(object.dispatch());
            ASSERT_TRUE(table) << type;
            for (const std::string& name : table->memberNames()) {
                const reference::Member* member = Reference::catia().member(type, name);
                ASSERT_TRUE(member) << type << "." << name;
                const std::size_t arguments = member->arguments.size();
                std::vector<Variant> args;
                if (member->kind == MemberKind::Sub || member->writeOnly) continue;
                if (arguments == 1 && (name == "Item" || name == "Item2" || name == "GetElement")) {
                    args.push_back(Variant(1));
                } else if (arguments != 0) {
                    continue;
                }
                try {
                    Variant result = object.callByRef(name, args);
                    if (result.isObject() && !result.isNothing()) todo.push_back(result.object());
                } catch (const automation::Error&) {
                    // A member that the model refuses here (an empty selection's Item2, say).
                }
            }
        }
    }

    std::map<std::string, int> metCount;
    std::set<const void*> visited;
    std::vector<Object> walked;
};

TEST_F(ReferenceConformanceTest, EveryServedTypeAndMemberIsDeclaredByCatiasReference) {
    writeWorld();
    write("D:\\drawings\\Table.CATDrawing", R"({ "kind": "Drawing", "sheets": [ { "name": "Sheet.1",
      "views": [ { "name": "Main View", "viewType": 13, "tables": [ { "name": "T", "cells": [["a"]] } ] } ] } ] })");
    open("D:\\models\\Assy.CATProduct");
    open("D:\\drawings\\Table.CATDrawing");
    Object process = openProcess();
    Object drawing = newDrawing();
    Object onSheet = sheet(drawing, 1);
    Object front = frontView(onSheet, blockProduct());
    Object mainView = views(onSheet).call("Item", {Variant(1)}).object();
    Object frames = documents().call("Read", {Variant("C:\\QVL\\Template\\Frames.CATDrawing")}).object();
    Object detail = views(sheet(frames, Variant("A4"))).call("Item", {Variant(1)}).object();
    mainView.get("Components").object().call("Add", {Variant(detail), Variant(0), Variant(0)});
    mainView.get("Texts").object().call("Add", {Variant("x"), Variant(0), Variant(0)});
    drawing.get("Selection").object().call("Add", {Variant(front)});
    walk(catia());
    walk(catia().get("SettingControllers").object().call("Item", {Variant("CATSysCacheSettingCtrl")}).object());
    for (long long i = 1; i <= documents().get("Count").toLong(); ++i) {
        Object document = documents().call("Item", {Variant(i)}).object();
        document.call("Activate");
        walk(document);
        walk(catia().get("ActiveWindow").object());
    }
    // The process tree is reached by picking in it.
    process.call("Activate");
    walk(node("Process"));
    Object pocketing = node("Process/Part Operation.1/Manufacturing Program.1/Pocketing.1");
    walk(pocketing);
    // A parameter of each type, and the objects of a selection.
    Object parameters = pocketing.get("Parameters").object();
    for (long long i = 1; i <= parameters.get("Count").toLong(); ++i) walk(parameters.call("Item", {Variant(i)}).object());
    for (const char* attribute : {"MFG_CUT_LENGTH", "MFG_MAX_SPEED"}) {
        walk(pocketing.get("Tool").object().call("GetAttribute", {Variant(attribute)}).object());
    }
    walk(drawing.get("Selection").object().call("Item2", {Variant(1)}).object());

    std::set<std::string> met;
    for (const auto& [type, count] : metCount) met.insert(type);
    for (const std::string& type : met) EXPECT_TRUE(Reference::catia().find(type)) << type;
    for (const std::string& type : servedTypes) EXPECT_TRUE(met.count(type)) << "never reached: " << type;
}

TEST_F(ReferenceConformanceTest, CallsThatDoNotFitTheDeclarationFailAsCatiasDispatchFailsThem) {
    Object drawing = newDrawing();
    Object view = addView(sheet(drawing, 1));
    using namespace automation::errc;
    EXPECT_EQ(errorOf([&] { view.put("ViewType", 1); }), memberNotSupported);    // read-only
    EXPECT_EQ(errorOf([&] { view.put("Activate", 1); }), memberNotSupported);    // a Sub
    EXPECT_EQ(errorOf([&] { view.get("Parent").object().get("Bogus"); }), memberNotSupported);
    EXPECT_EQ(errorOf([&] { view.call("Activate", {Variant(1)}); }), wrongArgumentCount);
    EXPECT_EQ(errorOf([&] { view.get("Texts").object().call("Add", {Variant("x"), Variant(0)}); }), wrongArgumentCount);
    // A read reaches a property, a Func and a Sub alike, as Visual Basic's reads do.
    EXPECT_EQ(view.call("ViewType").toLong(), 12);
    EXPECT_TRUE(view.get("Activate").isEmpty());
}

// The table itself is the reference's: inherited members resolve through the ancestors, and
// kinds, read-only flags and argument lists are as documented.
TEST(CatiaReferenceTest, MembersResolveThroughTheirDocumentedAncestors) {
    const Reference& catia = Reference::catia();
    const reference::Member* name = catia.member("DrawingView", "name");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->declaredOn, "AnyObject");
    const reference::Member* valueAsString = catia.member("Length", "ValueAsString");
    ASSERT_TRUE(valueAsString);
    EXPECT_EQ(valueAsString->kind, MemberKind::Func);
    EXPECT_TRUE(catia.member("MfgActivities", "Count")->readOnly);
    EXPECT_EQ(catia.member("DrawingTexts", "Item")->arguments.at(0).type, "long");
    EXPECT_EQ(catia.member("PPRActivity", "Active"), nullptr);
    EXPECT_EQ(catia.member("NoSuchType", "Name"), nullptr);
}

}  // namespace
}  // namespace qvl::sim::testing
