#include "headless/script_fault.h"
#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {
namespace {

using DumpTest = SimTest;

TEST_F(DumpTest, CatiaDumpListsDocumentsWindowsAndSettings) {
    writeWorld();
    EXPECT_EQ(sim.dumpCatia(), platform::Json::parse(R"({"event": "catia", "documents": [], "active": null,
        "windows": [], "displayFileAlerts": true, "visible": true})"));

    sim.open("D:\\models\\Assy.CATProduct");
    sim.newDocument(NewDocumentKind::Part);
    sim.activate("assy.CATProduct");
    sim.setDisplayFileAlerts(false);
    EXPECT_EQ(sim.dumpCatia(), platform::Json::parse(R"({"event": "catia",
        "documents": ["Assy.CATProduct", "Part1.CATPart"], "active": "Assy.CATProduct",
        "windows": ["Assy.CATProduct", "Part1.CATPart"], "displayFileAlerts": false, "visible": true})"));
    EXPECT_THROW(sim.activate("Bracket.CATPart"), platform::ScriptFault);
}

TEST_F(DumpTest, APartDumpsAsItsWorldFileWithDefaultsFilledIn) {
    writeWorld();
    sim.open("D:\\models\\Bracket.CATPart");
    platform::Json dumped = *sim.dumpDocument("active");
    platform::Json expected = platform::Json::parse(bracketPart);
    expected["axisSystems"][1] = platform::Json::parse(
        R"({"name": "Axis System.2", "origin": [0, 0, 0], "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]})");
    EXPECT_EQ(dumped["event"], "document");
    EXPECT_EQ(dumped["name"], "Bracket.CATPart");
    EXPECT_EQ(dumped["path"], "D:\\models\\Bracket.CATPart");
    EXPECT_EQ(dumped["kind"], "Part");
    EXPECT_EQ(dumped["saved"], true);
    EXPECT_EQ(dumped["content"], expected);
    // Whole numbers stay whole in the text, as the author wrote them.
    EXPECT_NE(dumped.dump().find("[0,0,0,120,80,45]"), std::string::npos);
}

TEST_F(DumpTest, AProductDumpsItsChildrenAsWritten) {
    writeWorld();
    sim.open("D:\\models\\Assy.CATProduct");
    platform::Json content = sim.dumpDocument("Assy.CATProduct")->at("content");
    platform::Json expected = platform::Json::parse(assyProduct);
    EXPECT_EQ(content, expected);
    // A document loaded for an assembly can be inspected too.
    EXPECT_EQ(sim.dumpDocument("Sub.CATProduct")->at("content")["children"][0]["file"], "parts\\Bolt.CATPart");
}

TEST_F(DumpTest, SavedMeansAFileOnDiskWithoutChanges) {
    writeWorld();
    sim.newDocument(NewDocumentKind::Drawing);
    platform::Json drawing = *sim.dumpDocument("active");
    EXPECT_EQ(drawing["path"], "Drawing1.CATDrawing");
    EXPECT_EQ(drawing["kind"], "Drawing");
    EXPECT_EQ(drawing["saved"], false);

    sim.open("D:\\models\\Bracket.CATPart");
    EXPECT_EQ(sim.dumpDocument("Bracket.CATPart")->at("saved"), true);
    disk.removeFile("D:\\models\\Bracket.CATPart");
    EXPECT_EQ(sim.dumpDocument("Bracket.CATPart")->at("saved"), false);

    EXPECT_FALSE(sim.dumpDocument("Nothing.CATPart").has_value());
}

TEST_F(DumpTest, ADrawingDumpsAsItsWorldFileWithDefaultsFilledIn) {
    const char* drawing = R"({"kind": "Drawing", "standard": 1, "sheets": [{"name": "A3", "detail": true, "views": []}]})";
    write("C:\\QVL\\Template\\DrwFrame_All.CATDrawing", drawing);
    sim.open("C:\\QVL\\Template\\DrwFrame_All.CATDrawing");
    EXPECT_EQ(sim.dumpDocument("active")->at("content"), platform::Json::parse(R"({"kind": "Drawing", "standard": 1,
        "sheets": [{"name": "A3", "detail": true, "paperSize": 2, "projectionMethod": 0, "scale": 1, "views": []}]})"));
}

}  // namespace
}  // namespace qvl::sim::testing
