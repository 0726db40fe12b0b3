#include "sim/dispatch/server_errors.h"
#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

class ProductTest : public SimTest {
protected:
    void SetUp() override {
        writeWorld();
        assyDoc = open("D:\\models\\Assy.CATProduct");
        assy = assyDoc.get("Product").object();
    }
    Object child(const Object& product, Variant key) {
        return product.get("Products").object().call("Item", {std::move(key)}).object();
    }

    Object assyDoc;
    Object assy;
};

TEST_F(ProductTest, RootAndInstancesAreNamedAsInCatia) {
    EXPECT_EQ(assy.typeName(), "Product");
    EXPECT_EQ(assy.get("Name").toString(), "Assy");
    EXPECT_EQ(assy.get("PartNumber").toString(), "Assy");
    EXPECT_EQ(assy.get("Nomenclature").toString(), "总成");

    Object bracket2 = child(assy, Variant(2));
    EXPECT_EQ(bracket2.typeName(), "Product");
    EXPECT_EQ(bracket2.get("Name").toString(), "Bracket.2");
    EXPECT_EQ(bracket2.get("PartNumber").toString(), "Bracket");
    EXPECT_EQ(bracket2.get("Definition").toString(), "左支架");
    EXPECT_EQ(assy.get("Products").object().get("Count").toLong(), 3);
    EXPECT_TRUE(child(assy, Variant("Bracket.2")).is(bracket2));
    EXPECT_EQ(errorOf([&] { child(assy, Variant("Bracket.3")); }), serverFailure);
    EXPECT_EQ(errorOf([&] { child(assy, Variant(4)); }), serverFailure);
}

TEST_F(ProductTest, ReferenceProductLeadsToTheChildsDocument) {
    Object bracket1 = child(assy, Variant(1));
    Object reference = bracket1.get("ReferenceProduct").object();
    EXPECT_EQ(reference.get("Name").toString(), "Bracket");
    Object childDoc = reference.get("Parent").object();
    EXPECT_EQ(childDoc.typeName(), "PartDocument");
    EXPECT_EQ(childDoc.get("FullName").toString(), "D:\\models\\Bracket.CATPart");

    // Both instances of one file share its document; a root is its own reference.
    EXPECT_TRUE(child(assy, Variant(2)).get("ReferenceProduct").object().is(reference));
    EXPECT_TRUE(assy.get("ReferenceProduct").object().is(assy));

    // Loaded documents have no window of their own.
    EXPECT_EQ(documents().get("Count").toLong(), 1);
}

TEST_F(ProductTest, ParentOfARootIsItsDocumentAndOfAnInstanceItsCollection) {
    EXPECT_TRUE(assy.get("Parent").object().is(assyDoc));
    Object sub1 = child(assy, Variant("Sub.1"));
    Object holder = sub1.get("Parent").object();
    EXPECT_EQ(holder.typeName(), "Products");
    EXPECT_TRUE(holder.get("Parent").object().is(assy));

    // A deeper instance lives in the sub-assembly's own document.
    Object bolt1 = child(sub1, Variant(1));
    EXPECT_EQ(bolt1.get("Name").toString(), "Bolt.1");
    EXPECT_EQ(bolt1.get("Parent").object().get("Parent").object().get("Name").toString(), "Sub");
    EXPECT_EQ(bolt1.get("ReferenceProduct").object().get("Parent").object().get("FullName").toString(),
              "D:\\models\\parts\\Bolt.CATPart");
}

TEST_F(ProductTest, AnalyzeAnswersWhatTheModelCarries) {
    Object bracketAnalysis = child(assy, Variant(1)).get("Analyze").object();
    EXPECT_EQ(bracketAnalysis.typeName(), "Analyze");
    EXPECT_DOUBLE_EQ(bracketAnalysis.get("Mass").toDouble(), 1.25);
    EXPECT_DOUBLE_EQ(bracketAnalysis.get("Volume").toDouble(), 12500);
    EXPECT_DOUBLE_EQ(bracketAnalysis.get("WetArea").toDouble(), 3456);

    // Assy carries a mass only; Sub carries nothing.
    Object assyAnalysis = assy.get("Analyze").object();
    EXPECT_DOUBLE_EQ(assyAnalysis.get("Mass").toDouble(), 3.1);
    EXPECT_EQ(errorOf([&] { assyAnalysis.get("Volume"); }), serverFailure);
    EXPECT_EQ(errorOf([&] { child(assy, Variant("Sub.1")).get("Analyze"); }), serverFailure);
}

TEST_F(ProductTest, ApplyWorkModeIsAccepted) {
    EXPECT_NO_THROW(assy.call("ApplyWorkMode", {Variant(2)}));
    EXPECT_EQ(errorOf([&] { assy.call("ApplyWorkMode"); }), automation::errc::wrongArgumentCount);
}

TEST_F(ProductTest, ClosingTheAssemblyUnloadsWhatOnlyItInstantiated) {
    Object bracketDoc = open("D:\\models\\Bracket.CATPart");
    Object bolt = child(child(assy, Variant("Sub.1")), Variant(1)).get("ReferenceProduct").object();
    EXPECT_EQ(documents().get("Count").toLong(), 2);

    // The part was loaded with the assembly: opening it gives it a window, closing it removes
    // the window while the assembly still holds the part.
    bracketDoc.call("Close");
    EXPECT_EQ(child(assy, Variant(1)).get("ReferenceProduct").object().get("Name").toString(), "Bracket");

    assyDoc.call("Close");
    EXPECT_EQ(errorOf([&] { bolt.get("Name"); }), hresult::disconnected);
    EXPECT_EQ(errorOf([&] { bracketDoc.get("Name"); }), hresult::disconnected);
}

class BrokenAssemblyTest : public SimTest {};

TEST_F(BrokenAssemblyTest, AMissingOrBadChildFileLeavesAnUnresolvedInstance) {
    write("D:\\m\\Bad.CATPart", "{ not json");
    write("D:\\m\\Top.CATProduct", R"({ "partNumber": "Top", "children": [
        { "name": "Gone.1", "file": "Gone.CATPart" },
        { "name": "Bad.1", "file": "Bad.CATPart" } ] })");
    Object top = open("D:\\m\\Top.CATProduct").get("Product").object();
    Object items = top.get("Products").object();
    ASSERT_EQ(items.get("Count").toLong(), 2);
    for (int i = 1; i <= 2; ++i) {
        Object instance = items.call("Item", {Variant(i)}).object();
        EXPECT_FALSE(instance.get("Name").toString().empty());
        EXPECT_EQ(errorOf([&] { instance.get("PartNumber"); }), serverFailure);
        EXPECT_EQ(errorOf([&] { instance.get("ReferenceProduct"); }), serverFailure);
        EXPECT_EQ(errorOf([&] { instance.get("Products"); }), serverFailure);
    }
    platform::Json content = sim.dumpDocument("Top.CATProduct")->at("content");
    EXPECT_EQ(content["children"][0]["file"], "Gone.CATPart");
}

TEST_F(BrokenAssemblyTest, AProductThatInstantiatesItselfOpensWithTheLoopCut) {
    write("D:\\m\\A.CATProduct", R"({ "partNumber": "A", "children": [ { "name": "B.1", "file": "B.CATProduct" } ] })");
    write("D:\\m\\B.CATProduct", R"({ "partNumber": "B", "children": [ { "name": "A.1", "file": "A.CATProduct" } ] })");
    Object a = open("D:\\m\\A.CATProduct").get("Product").object();
    Object b1 = a.get("Products").object().call("Item", {Variant(1)}).object();
    EXPECT_EQ(b1.get("PartNumber").toString(), "B");
    Object a1 = b1.get("Products").object().call("Item", {Variant(1)}).object();
    EXPECT_EQ(errorOf([&] { a1.get("PartNumber"); }), serverFailure);
}

}  // namespace
}  // namespace qvl::sim::testing
