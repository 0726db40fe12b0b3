#include "headless/script_fault.h"
#include "sim/dispatch/server_errors.h"
#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

using DocumentsTest = SimTest;

TEST_F(DocumentsTest, OpenedDocumentsTellNameAndPathAsTheDiskSpellsThem) {
    writeWorld();
    Object part = open("d:\\MODELS\\elsewhere\\..\\bracket.catpart");
    EXPECT_EQ(part.typeName(), "PartDocument");
    EXPECT_EQ(part.get("Name").toString(), "Bracket.CATPart");
    EXPECT_EQ(part.get("FullName").toString(), "D:\\models\\Bracket.CATPart");
    EXPECT_EQ(part.get("Path").toString(), "D:\\models");

    Object assy = open("D:\\models\\Assy.CATProduct");
    EXPECT_EQ(assy.typeName(), "ProductDocument");
    EXPECT_TRUE(activeDocument().is(assy));
}

TEST_F(DocumentsTest, OpeningAnOpenDocumentActivatesTheSameDocument) {
    writeWorld();
    Object bracket = open("D:\\models\\Bracket.CATPart");
    open("D:\\models\\Sub.CATProduct");
    Object again = open("D:\\Models\\BRACKET.CATPart");
    EXPECT_TRUE(again.is(bracket));
    EXPECT_TRUE(activeDocument().is(bracket));
    EXPECT_EQ(documents().get("Count").toLong(), 2);
}

TEST_F(DocumentsTest, NewDocumentsAreNumberedPerKindAndHaveNoFile) {
    Object docs = documents();
    Object part1 = docs.call("Add", {Variant("Part")}).object();
    Object part2 = docs.call("Add", {Variant("Part")}).object();
    Object product1 = docs.call("Add", {Variant("Product")}).object();
    Object drawing1 = docs.call("Add", {Variant("Drawing")}).object();

    EXPECT_EQ(part1.get("Name").toString(), "Part1.CATPart");
    EXPECT_EQ(part2.get("Name").toString(), "Part2.CATPart");
    EXPECT_EQ(product1.get("Name").toString(), "Product1.CATProduct");
    EXPECT_EQ(drawing1.get("Name").toString(), "Drawing1.CATDrawing");
    EXPECT_EQ(drawing1.typeName(), "DrawingDocument");
    EXPECT_EQ(part2.get("FullName").toString(), "Part2.CATPart");
    EXPECT_EQ(part2.get("Path").toString(), "");
    EXPECT_EQ(part1.get("Product").object().get("PartNumber").toString(), "Part1");
    EXPECT_EQ(part1.get("Part").object().get("Bodies").object().call("Item", {Variant(1)}).object().get("Name").toString(),
              "PartBody");
    EXPECT_TRUE(activeDocument().is(drawing1));
    EXPECT_EQ(errorOf([&] { docs.call("Add", {Variant("Sketch")}); }), serverFailure);
}

TEST_F(DocumentsTest, ItemTakesAPositionFromOneOrAName) {
    writeWorld();
    Object bracket = open("D:\\models\\Bracket.CATPart");
    Object assy = open("D:\\models\\Assy.CATProduct");
    Object docs = documents();
    EXPECT_TRUE(docs.call("Item", {Variant(1)}).object().is(bracket));
    EXPECT_TRUE(docs.call("Item", {Variant("assy.catproduct")}).object().is(assy));
    EXPECT_EQ(errorOf([&] { docs.call("Item", {Variant(3)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { docs.call("Item", {Variant(0)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { docs.call("Item", {Variant("Sub.CATProduct")}); }), serverFailure);
}

TEST_F(DocumentsTest, ClosingHandsActivityToTheNextWindow) {
    writeWorld();
    Object a = open("D:\\models\\Bracket.CATPart");
    Object b = open("D:\\models\\Sub.CATProduct");
    Object c = open("D:\\models\\parts\\Bolt.CATPart");
    b.call("Activate");
    b.call("Close");
    EXPECT_TRUE(activeDocument().is(c));
    EXPECT_EQ(sim.dumpCatia()["windows"], platform::Json::parse(R"(["Bracket.CATPart", "Bolt.CATPart"])"));
    c.call("Close");
    EXPECT_TRUE(activeDocument().is(a));
    a.call("Close");
    EXPECT_EQ(errorOf([&] { activeDocument(); }), serverFailure);
    EXPECT_EQ(errorOf([&] { catia().get("ActiveWindow"); }), serverFailure);
}

TEST_F(DocumentsTest, ObjectsOfAClosedDocumentAreDisconnected) {
    writeWorld();
    Object doc = open("D:\\models\\Bracket.CATPart");
    Object product = doc.get("Product").object();
    doc.call("Close");
    EXPECT_EQ(errorOf([&] { product.get("Name"); }), hresult::disconnected);
    EXPECT_EQ(errorOf([&] { doc.get("Name"); }), hresult::disconnected);

    Object reopened = open("D:\\models\\Bracket.CATPart");
    EXPECT_FALSE(reopened.is(doc));
    EXPECT_EQ(reopened.get("Product").object().get("Name").toString(), "Bracket");
}

TEST_F(DocumentsTest, ADocumentNameIsLoadedOnlyOnce) {
    write("D:\\a\\Bracket.CATPart", bracketPart);
    write("D:\\b\\Bracket.CATPart", bracketPart);
    open("D:\\a\\Bracket.CATPart");
    EXPECT_EQ(errorOf([&] { open("D:\\b\\Bracket.CATPart"); }), serverFailure);
    EXPECT_THROW(sim.open("D:\\b\\Bracket.CATPart"), platform::ScriptFault);
}

struct BadFile {
    const char* path;
    const char* content;  // nullptr: no such file
    const char* reasonPart;
};

class BadWorldFileTest : public SimTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadWorldFileTest, OpenFailsAndNothingOpens) {
    const BadFile& bad = GetParam();
    if (bad.content) write(bad.path, bad.content);
    EXPECT_EQ(errorOf([&] { open(bad.path); }), serverFailure);
    EXPECT_EQ(documents().get("Count").toLong(), 0);

    try {
        sim.open(bad.path);
        FAIL() << "the scenario's open accepted " << bad.path;
    } catch (const platform::ScriptFault& fault) {
        EXPECT_NE(std::string(fault.what()).find(bad.reasonPart), std::string::npos) << fault.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, BadWorldFileTest,
    ::testing::Values(
        BadFile{"D:\\m\\Missing.CATPart", nullptr, "no file"},
        BadFile{"relative\\A.CATPart", nullptr, "no absolute path"},
        BadFile{"D:\\m\\Notes.txt", "{}", "no document that CATIA opens"},
        BadFile{"D:\\m\\A.CATPart", "{ \"kind\": \"Part\", ", "not a valid JSON"},
        BadFile{"D:\\m\\A.CATPart", "[1, 2]", "expected an object"},
        BadFile{"D:\\m\\A.CATPart", R"({"kind": "Product"})", "does not match"},
        BadFile{"D:\\m\\A.CATPart", R"({"partNumber": 5})", "partNumber"},
        BadFile{"D:\\m\\A.CATPart", R"({"mass": "heavy"})", "mass"},
        BadFile{"D:\\m\\A.CATPart", R"({"bodies": {}})", "bodies"},
        BadFile{"D:\\m\\A.CATPart", R"({"bodies": [{"boxes": []}]})", "bodies[0].name"},
        BadFile{"D:\\m\\A.CATPart", R"({"bodies": [{"name": "B", "boxes": [[0, 0, 0, 1, 1]]}]})",
                "bodies[0].boxes[0]"},
        BadFile{"D:\\m\\A.CATPart", R"({"bodies": [{"name": "B", "boxes": [[5, 0, 0, 1, 1, 1]]}]})",
                "bodies[0].boxes[0]"},
        BadFile{"D:\\m\\A.CATPart", R"({"axisSystems": [{"name": "A", "x": [1, "0", 0]}]})",
                "axisSystems[0].x[1]"},
        BadFile{"D:\\m\\A.CATProduct", R"({"children": [{"name": "X.1"}]})", "children[0].file"},
        BadFile{"D:\\m\\A.CATProduct", R"({"children": [{"name": "X.1", "file": "X.CATPart", "offset": [1]}]})",
                "children[0].offset"}));

}  // namespace
}  // namespace qvl::sim::testing
