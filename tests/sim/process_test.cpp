#include "headless/script_fault.h"
#include "sim/model/process/parameter_type.h"
#include "tests/sim/process_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

TEST_F(ProcessTest, AProcessDocumentListsItsProductsAsRootProducts) {
    Object process = openProcess();
    EXPECT_EQ(process.typeName(), "ProcessDocument");
    EXPECT_EQ(process.get("FullName").toString(), "D:\\nc\\Housing_NC.CATProcess");
    Object ppr = process.get("PPRDocument").object();
    EXPECT_EQ(ppr.typeName(), "PPRDocument");
    EXPECT_TRUE(ppr.get("Parent").object().is(process));

    Object products = ppr.get("Products").object();
    EXPECT_EQ(products.typeName(), "PPRProducts");
    ASSERT_EQ(products.get("Count").toLong(), 2);
    Object housing = item(products, 1);
    EXPECT_EQ(housing.typeName(), "Product");
    EXPECT_EQ(housing.get("Name").toString(), "Housing");
    EXPECT_EQ(housing.get("PartNumber").toString(), "Housing");
    EXPECT_EQ(housing.get("Products").object().get("Count").toLong(), 0);
    // The leaf's part document, as the axis-system search reaches it.
    Object axes = housing.get("ReferenceProduct").object().get("Parent").object().get("Part").object().get("AxisSystems").object();
    EXPECT_EQ(item(axes, 1).get("Name").toString(), "MCS");

    Object fixture = item(products, Variant("Fixture"));
    Object vise = item(fixture.get("Products").object(), 1);
    EXPECT_EQ(vise.get("Name").toString(), "Vise.1");
    EXPECT_EQ(vise.get("ReferenceProduct").object().get("Parent").object().typeName(), "PartDocument");
    EXPECT_EQ(errorOf([&] { item(products, 3); }), serverFailure);
    EXPECT_EQ(errorOf([&] { item(products, Variant("Vise")); }), serverFailure);

    // Only the process has a window; its products are loaded for it and go with it.
    EXPECT_EQ(sim.dumpCatia()["documents"], platform::Json::parse(R"(["Housing_NC.CATProcess"])"));
    ASSERT_TRUE(sim.dumpDocument("Vise.CATPart"));
    process.call("Close");
    EXPECT_FALSE(sim.dumpDocument("Vise.CATPart"));
    EXPECT_EQ(errorOf([&] { housing.get("Name"); }), hresult::disconnected);
}

TEST_F(ProcessTest, AProductFileThatIsMissingStaysListedAndFailsWhenItIsTaken) {
    disk.removeFile("D:\\nc\\Fixture.CATProduct");
    Object products = openProcess().get("PPRDocument").object().get("Products").object();
    EXPECT_EQ(products.get("Count").toLong(), 2);
    EXPECT_EQ(item(products, 1).get("Name").toString(), "Housing");
    EXPECT_EQ(errorOf([&] { item(products, 2); }), serverFailure);
}

TEST_F(ProcessTest, TheTreeIsWalkedThroughActivitiesSetupsProgramsAndOperations) {
    openProcess();
    Object root = node("Process");
    EXPECT_EQ(root.typeName(), "PPRActivity");
    EXPECT_EQ(root.get("Type").toString(), "PPRActivity");
    EXPECT_EQ(root.get("Parent").object().typeName(), "PPRDocument");

    Object children = root.get("ChildrenActivities").object();
    ASSERT_EQ(children.get("Count").toLong(), 2);
    Object setup = item(children, 1);
    Object op20 = item(children, Variant("OP20"));
    EXPECT_EQ(setup.typeName(), "ManufacturingSetup");
    EXPECT_EQ(setup.get("Comment").toString(), "OP10");
    EXPECT_EQ(op20.typeName(), "PPRActivity");
    // A process activity has neither the comment nor the active flag of machining activities.
    EXPECT_EQ(errorOf([&] { op20.get("Comment"); }), automation::errc::memberNotSupported);
    EXPECT_EQ(errorOf([&] { op20.get("Active"); }), automation::errc::memberNotSupported);
    EXPECT_TRUE(op20.get("Parent").object().is(root));

    // A nested activity holds a setup, a program of its own and an inactive activity.
    Object nested = op20.get("ChildrenActivities").object();
    std::vector<std::string> types;
    for (long long i = 1; i <= nested.get("Count").toLong(); ++i) types.push_back(item(nested, i).typeName());
    EXPECT_EQ(types, (std::vector<std::string>{"ManufacturingSetup", "ManufacturingProgram", "PPRActivity"}));
    EXPECT_EQ(errorOf([&] { item(nested, 4); }), serverFailure);
    EXPECT_EQ(errorOf([&] { item(nested, 0); }), serverFailure);

    Object programs = setup.get("Programs").object();
    EXPECT_EQ(programs.typeName(), "MfgActivities");
    ASSERT_EQ(programs.get("Count").toLong(), 3);
    Object program = item(programs, 1, "GetElement");
    EXPECT_EQ(program.typeName(), "ManufacturingProgram");
    EXPECT_EQ(program.get("Name").toString(), "Manufacturing Program.1");
    EXPECT_EQ(program.get("Comment").toString(), "粗加工");
    EXPECT_TRUE(program.get("Active").toBool());
    EXPECT_FALSE(item(programs, 2, "GetElement").get("Active").toBool());
    EXPECT_TRUE(program.get("Parent").object().is(setup));
    EXPECT_TRUE(item(programs, Variant("Manufacturing Program.3")).is(item(programs, 3, "GetElement")));
    EXPECT_EQ(errorOf([&] { item(programs, 4, "GetElement"); }), serverFailure);

    Object operations = program.get("Activities").object();
    EXPECT_EQ(operations.typeName(), "MfgActivities");
    ASSERT_EQ(operations.get("Count").toLong(), 3);
    Object change = item(operations, 1, "GetElement");
    Object pocketing = item(operations, 2, "GetElement");
    EXPECT_EQ(change.typeName(), "ManufacturingOperation");
    EXPECT_EQ(change.get("Type").toString(), "ToolChange");
    EXPECT_EQ(pocketing.get("Type").toString(), "Pocketing");
    EXPECT_EQ(pocketing.get("Name").toString(), "Pocketing.1");
    EXPECT_FALSE(item(operations, 3, "GetElement").get("Active").toBool());
    EXPECT_TRUE(pocketing.get("Parent").object().is(program));
    // An operation ends the tree; a program's own lists are the same as its children.
    EXPECT_EQ(pocketing.get("ChildrenActivities").object().get("Count").toLong(), 0);
    EXPECT_TRUE(item(program.get("ChildrenActivities").object(), 2).is(pocketing));

    // Members belong to their kind of node; GetElement to the setup's and program's lists.
    EXPECT_EQ(errorOf([&] { root.get("Programs"); }), automation::errc::memberNotSupported);
    EXPECT_EQ(errorOf([&] { setup.get("Activities"); }), automation::errc::memberNotSupported);
    EXPECT_EQ(errorOf([&] { program.get("Tool"); }), automation::errc::memberNotSupported);
    EXPECT_EQ(errorOf([&] { item(children, 1, "GetElement"); }), automation::errc::memberNotSupported);
}

TEST_F(ProcessTest, ToolsAndAssembliesAnswerTheirAttributesAndFailWhenMissing) {
    openProcess();
    Object pocketing = node("Process/Part Operation.1/Manufacturing Program.1/Pocketing.1");
    Object tool = pocketing.get("Tool").object();
    EXPECT_EQ(tool.typeName(), "ManufacturingTool");
    EXPECT_EQ(tool.get("Name").toString(), "T1 End Mill D10");
    EXPECT_EQ(tool.get("ToolNumber"), Variant(1LL));
    EXPECT_EQ(tool.get("ToolType").toString(), "MfgEndMillTool");

    // Attributes are CATIA's typed parameters: a length's Value is a Double in millimetres and
    // its ValueAsString (a Func) the text with its unit; a number is a real parameter; any
    // other text a string parameter.
    Object diameter = attribute(tool, "MFG_NOMINAL_DIAM");
    EXPECT_EQ(diameter.typeName(), "Length");
    EXPECT_EQ(diameter.get("Value"), Variant(10.0));
    EXPECT_EQ(diameter.call("ValueAsString"), Variant("10mm"));
    Object cut = attribute(tool, "MFG_CUT_LENGTH");
    EXPECT_EQ(cut.typeName(), "RealParam");
    EXPECT_EQ(cut.get("Value"), Variant(30.0));
    EXPECT_EQ(cut.call("ValueAsString"), Variant("30"));
    EXPECT_EQ(errorOf([&] { attribute(tool, "MFG_APT_DIAMETER"); }), serverFailure);
    EXPECT_EQ(errorOf([&] { attribute(tool, "mfg_nominal_diam"); }), serverFailure);

    Object assembly = pocketing.get("ToolAssembly").object();
    EXPECT_EQ(assembly.typeName(), "ManufacturingToolAssembly");
    EXPECT_EQ(attribute(assembly, "MFG_NAME").typeName(), "StrParam");
    EXPECT_EQ(attribute(assembly, "MFG_NAME").get("Value"), Variant("T1 Tool Assembly"));
    EXPECT_EQ(attribute(assembly, "MFG_ASS_GAGE_1").get("Value").toString(), "75");
    EXPECT_EQ(errorOf([&] { attribute(assembly, "MFG_ASS_GAGE_2"); }), serverFailure);

    EXPECT_EQ(pocketing.get("totaltime"), Variant(1.5));
    EXPECT_EQ(node("Process/Part Operation.1/Manufacturing Program.1/Tool Change.1").get("TotalTime"), Variant(0.0));

    Object drilling = node("Process/Part Operation.1/Manufacturing Program.3/Drilling.1");
    Object apt = drilling.get("Tool").object();
    EXPECT_EQ(apt.get("ToolType").toString(), "MfgAPTTool");
    EXPECT_EQ(attribute(apt, "MFG_APT_DIAMETER").call("ValueAsString").toString(), "6.8");
    EXPECT_EQ(drilling.get("totaltime").toDouble(), 0.125);
    EXPECT_EQ(errorOf([&] { drilling.get("ToolAssembly"); }), serverFailure);
    Object bare = node("Process/Part Operation.1/Manufacturing Program.3/Contouring.1");
    EXPECT_EQ(errorOf([&] { bare.get("Tool"); }), serverFailure);
    EXPECT_EQ(errorOf([&] { bare.get("ToolAssembly"); }), serverFailure);
}

TEST_F(ProcessTest, ParametersAreFoundBelowTheNodeWhoseListIsAskedAndByNameInASubList) {
    openProcess();
    Object setup = node("Process/Part Operation.1");
    Object program = node("Process/Part Operation.1/Manufacturing Program.1");
    Object pocketing = node("Process/Part Operation.1/Manufacturing Program.1/Pocketing.1");
    Object drilling = node("Process/Part Operation.1/Manufacturing Program.3/Drilling.1");
    Object nestedPocketing = node("Process/OP20/Part Operation.2/Manufacturing Program.4/Pocketing.2");

    // The three ways to the list: a setup's parent, a program's parent's parent, an activity's own.
    Object fromSetup = setup.get("Parent").object().get("Parameters").object();
    Object fromProgram = program.get("Parent").object().get("Parent").object().get("Parameters").object();
    EXPECT_EQ(fromSetup.typeName(), "Parameters");
    EXPECT_TRUE(fromSetup.is(fromProgram));
    EXPECT_EQ(fromSetup.get("Count").toLong(), 5);

    Object own = fromSetup.call("SubList", {Variant(pocketing), Variant(false)}).object();
    EXPECT_EQ(own.get("Count").toLong(), 3);
    Object contour = item(own, Variant("Offset on Contour"));
    EXPECT_EQ(contour.get("Name").toString(), "Offset on Contour");
    EXPECT_EQ(contour.call("ValueAsString").toString(), "0.2mm");
    EXPECT_EQ(item(own, Variant("Offset on Bottom")).call("ValueAsString").toString(), "0.1");
    EXPECT_EQ(item(own, Variant("Offset on Bottom")).get("Value"), Variant(0.1));
    EXPECT_EQ(errorOf([&] { item(own, Variant("Machining spindle")); }), serverFailure);
    // Another operation's parameters of the same name are its own.
    EXPECT_EQ(item(fromSetup.call("SubList", {Variant(drilling), Variant(0)}).object(), Variant("Offset on Contour"))
                  .call("ValueAsString")
                  .toString(),
              "0.3mm");
    EXPECT_EQ(item(fromSetup.call("SubList", {Variant(nestedPocketing), Variant(false)}).object(), Variant("Offset on Contour"))
                  .call("ValueAsString")
                  .toString(),
              "0.4mm");

    // A program has no parameters of its own, but holds its operations'.
    EXPECT_EQ(fromSetup.call("SubList", {Variant(program), Variant(false)}).object().get("Count").toLong(), 0);
    EXPECT_EQ(fromSetup.call("SubList", {Variant(program), Variant(true)}).object().get("Count").toLong(), 3);
    // A node outside the list's part of the tree has none in it.
    Object nestedList = node("Process/OP20").get("Parameters").object();
    EXPECT_EQ(nestedList.get("Count").toLong(), 1);
    EXPECT_EQ(nestedList.call("SubList", {Variant(pocketing), Variant(false)}).object().get("Count").toLong(), 0);
    EXPECT_EQ(errorOf([&] { nestedList.call("SubList", {Variant(activeDocument()), Variant(false)}); }), serverFailure);
}

TEST_F(ProcessTest, PicksNameProcessNodesFromTheProcessDown) {
    openProcess();
    Object program = picked("Process/Part Operation.1/Manufacturing Program.1",
                            {"ManufacturingSetup", "ManufacturingProgram", "PPRActivity"});
    EXPECT_EQ(program.typeName(), "ManufacturingProgram");
    EXPECT_EQ(lastEvent()["selected"], platform::Json::parse(R"(["Process/Part Operation.1/Manufacturing Program.1"])"));
    EXPECT_EQ(picked("Process/OP20/Loose Program", {"ManufacturingProgram"}).get("Name").toString(), "Loose Program");

    // A pick in the process while another document is active names it before a colon.
    newDrawing();
    EXPECT_EQ(picked("Housing_NC.CATProcess:Process/OP20/Part Operation.2", {"ManufacturingSetup"}).typeName(),
              "ManufacturingSetup");

    openProcess();
    for (const char* path : {"Prozess", "Process/Part Operation.9", "Process/Part Operation.1/Manufacturing Program.1/x/y"}) {
        EXPECT_THROW(node(path), platform::ScriptFault) << path;
    }
    // An operation is no setup, program or activity.
    EXPECT_THROW(picked("Process/Part Operation.1/Manufacturing Program.1/Pocketing.1",
                        {"ManufacturingSetup", "ManufacturingProgram", "PPRActivity"}),
                 platform::ScriptFault);
}

TEST_F(ProcessTest, TheDumpedProcessReadsBackAsTheSameProcess) {
    openProcess();
    platform::Json content = sim.dumpDocument("Housing_NC.CATProcess")->at("content");
    EXPECT_EQ(content["products"], platform::Json::parse(R"(["..\\models\\Housing.CATPart", "Fixture.CATProduct"])"));
    const platform::Json& pocketing = content["process"]["activities"][0]["programs"][0]["operations"][1];
    EXPECT_EQ(pocketing["tool"]["attributes"]["MFG_CUT_LENGTH"], 30);
    EXPECT_EQ(pocketing["parameters"]["Offset on Bottom"], 0.1);
    EXPECT_EQ(pocketing["totaltime"], 1.5);
    EXPECT_FALSE(content["process"]["activities"][0]["programs"][0]["operations"][0].contains("tool"));
    EXPECT_EQ(content["process"]["activities"][1]["activities"][1]["type"], "ManufacturingProgram");

    activeDocument().call("Close");
    write("D:\\nc\\Copy.CATProcess", content.dump());
    open("D:\\nc\\Copy.CATProcess");
    EXPECT_EQ(sim.dumpDocument("Copy.CATProcess")->at("content"), content);
}

TEST_F(ProcessTest, ProcessFilesOfTheWrongShapeAreRefusedWithThePlace) {
    struct Case {
        const char* text;
        const char* place;
    };
    const Case cases[] = {
        {R"({"kind": "Process", "products": [3]})", "products[0]"},
        {R"({"kind": "Process", "process": {"activities": [{"type": "Pocketing", "name": "P"}]}})",
         "process.activities[0].type"},
        {R"({"kind": "Process", "process": {"activities": [{"type": "ManufacturingSetup"}]}})",
         "process.activities[0].name"},
        {R"({"kind": "Process", "process": {"activities": [{"type": "ManufacturingSetup", "name": "S",
             "programs": [{"name": "P", "operations": [{"name": "O"}]}]}]}})",
         "process.activities[0].programs[0].operations[0].type"},
        {R"({"kind": "Process", "process": {"activities": [{"type": "ManufacturingProgram", "name": "P",
             "operations": [{"type": "T", "name": "O", "tool": {"name": "T1", "attributes": {"A": [1]}}}]}]}})",
         "process.activities[0].operations[0].tool.attributes.A"},
        {R"({"kind": "Process", "process": {"activities": [{"type": "ManufacturingProgram", "name": "P",
             "operations": [{"type": "T", "name": "O", "tool": {"name": "T1", "number": 1.5}}]}]}})",
         "process.activities[0].operations[0].tool.number"},
        {R"({"kind": "Drawing", "sheets": []})", "kind"},
    };
    for (const Case& c : cases) {
        write("D:\\nc\\Bad.CATProcess", c.text);
        try {
            sim.open("D:\\nc\\Bad.CATProcess");
            ADD_FAILURE() << c.text;
        } catch (const platform::ScriptFault& e) {
            EXPECT_NE(std::string(e.what()).find(c.place), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(errorOf([&] { open("D:\\nc\\Bad.CATProcess"); }), serverFailure);
}

TEST_F(ProcessTest, EveryProcessTypeTakesPlannedFaultsByItsTypeName) {
    Object process = openProcess();
    Object ppr = process.get("PPRDocument").object();
    Object root = node("Process");
    Object setup = node("Process/Part Operation.1");
    Object program = node("Process/Part Operation.1/Manufacturing Program.1");
    Object pocketing = node("Process/Part Operation.1/Manufacturing Program.1/Pocketing.1");
    Object tool = pocketing.get("Tool").object();
    Object parameters = root.get("Parameters").object();
    struct Case {
        const char* type;
        const char* member;
        std::function<void()> call;
    };
    std::vector<Case> cases = {
        {"ProcessDocument", "PPRDocument", [&] { process.get("PPRDocument"); }},
        {"PPRDocument", "Products", [&] { ppr.get("Products"); }},
        {"PPRProducts", "Item", [&] { item(ppr.get("Products").object(), 1); }},
        {"PPRActivity", "ChildrenActivities", [&] { root.get("ChildrenActivities"); }},
        {"Activities", "Item", [&] { item(root.get("ChildrenActivities").object(), 1); }},
        {"ManufacturingSetup", "Programs", [&] { setup.get("Programs"); }},
        {"MfgActivities", "GetElement", [&] { item(setup.get("Programs").object(), 1, "GetElement"); }},
        {"ManufacturingProgram", "Comment", [&] { program.get("Comment"); }},
        {"MfgActivities", "Count", [&] { program.get("Activities").object().get("Count"); }},
        {"ManufacturingOperation", "totaltime", [&] { pocketing.get("TotalTime"); }},
        {"ManufacturingTool", "GetAttribute", [&] { attribute(tool, "MFG_CORNER_RAD"); }},
        {"ManufacturingToolAssembly", "GetAttribute",
         [&] { attribute(pocketing.get("ToolAssembly").object(), "MFG_NAME"); }},
        {"Parameters", "SubList", [&] { parameters.call("SubList", {Variant(pocketing), Variant(false)}); }},
        {"Length", "ValueAsString", [&] { attribute(tool, "MFG_CORNER_RAD").call("ValueAsString"); }},
    };
    for (const Case& c : cases) {
        sim.failCall(c.type, c.member);
        EXPECT_EQ(errorOf(c.call), serverFailure) << c.type << "." << c.member;
        EXPECT_EQ(errorOf(c.call), std::nullopt) << c.type << "." << c.member;
    }
    sim.failEverything();
    EXPECT_EQ(errorOf([&] { pocketing.get("Tool"); }), hresult::rpcServerUnavailable);
}

TEST(ParameterTypeTest, AValueBecomesTheTypedParameterOfItsUnit) {
    auto typed = [](AttributeValue value) { return parameterType(value); };
    EXPECT_EQ(typed(std::string("0.5mm")).typeName, "Length");
    EXPECT_EQ(typed(std::string("0.1m")).value, AttributeValue(100.0));
    EXPECT_EQ(typed(std::string("2in")).value, AttributeValue(50.8));
    EXPECT_EQ(typed(std::string("90deg")).typeName, "Angle");
    // A unit of another magnitude keeps its number as written.
    EXPECT_EQ(typed(std::string("3000turn_mn")).typeName, "Dimension");
    EXPECT_EQ(typed(std::string("3000turn_mn")).value, AttributeValue(3000.0));
    // Texts that are no number with a unit, and a bare number written as text, stay texts.
    for (const char* text : {"Rough", "12", "mm", "D10", "10 mm", ""}) {
        EXPECT_EQ(typed(std::string(text)).typeName, "StrParam") << text;
    }
    EXPECT_EQ(typed(7.0).typeName, "RealParam");
}

}  // namespace
}  // namespace qvl::sim::testing
