#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

class PartTest : public SimTest {
protected:
    void SetUp() override {
        writeWorld();
        doc = open("D:\\models\\Bracket.CATPart");
        part = doc.get("Part").object();
    }
    Object item(const char* collection, Variant key) {
        return part.get(collection).object().call("Item", {std::move(key)}).object();
    }
    Variant::Array filled(const Object& axis, const char* member) {
        std::vector<Variant> args{Variant(Variant::Array(3))};
        axis.callByRef(member, args);
        return args[0].array();
    }

    Object doc;
    Object part;
};

TEST_F(PartTest, BodiesByPositionAndNameWithTheirParents) {
    EXPECT_EQ(part.typeName(), "Part");
    EXPECT_EQ(part.get("Name").toString(), "Bracket");
    Object bodies = part.get("Bodies").object();
    EXPECT_EQ(bodies.typeName(), "Bodies");
    EXPECT_EQ(bodies.get("Count").toLong(), 2);
    Object rib = item("Bodies", Variant(2));
    EXPECT_EQ(rib.typeName(), "Body");
    EXPECT_EQ(rib.get("Name").toString(), "Rib");
    EXPECT_TRUE(item("Bodies", Variant("Rib")).is(rib));
    EXPECT_EQ(errorOf([&] { item("Bodies", Variant(3)); }), serverFailure);

    // A body's Parent is the Bodies collection, whose Parent is the part, whose Parent is the
    // part document.
    Object holder = rib.get("Parent").object();
    EXPECT_EQ(holder.typeName(), "Bodies");
    EXPECT_TRUE(holder.get("Parent").object().is(part));
    EXPECT_TRUE(part.get("Parent").object().is(doc));
}

TEST_F(PartTest, AxisSystemsFillByReferenceArrays) {
    Object axes = part.get("AxisSystems").object();
    EXPECT_EQ(axes.get("Count").toLong(), 2);
    Object first = item("AxisSystems", Variant(1));
    EXPECT_EQ(first.typeName(), "AxisSystem");
    EXPECT_EQ(first.get("Name").toString(), "Axis System.1");
    EXPECT_EQ(filled(first, "GetOrigin"), (Variant::Array{5.0, 6.0, 7.0}));
    EXPECT_EQ(filled(first, "GetXAxis"), (Variant::Array{0.0, 1.0, 0.0}));
    EXPECT_EQ(filled(first, "GetYAxis"), (Variant::Array{-1.0, 0.0, 0.0}));
    EXPECT_EQ(filled(first, "getzaxis"), (Variant::Array{0.0, 0.0, 1.0}));

    // Directions left out of the file are the part's own axes.
    Object second = item("AxisSystems", Variant("Axis System.2"));
    EXPECT_EQ(filled(second, "GetOrigin"), (Variant::Array{0.0, 0.0, 0.0}));
    EXPECT_EQ(filled(second, "GetYAxis"), (Variant::Array{0.0, 1.0, 0.0}));
    EXPECT_TRUE(second.get("Parent").object().is(axes));

    EXPECT_EQ(errorOf([&] { first.call("GetYAxis"); }), automation::errc::wrongArgumentCount);
    // As the reference's examples do, the caller dimensions the array that CATIA fills.
    std::vector<Variant> undimensioned{Variant()};
    EXPECT_EQ(errorOf([&] { first.callByRef("GetYAxis", undimensioned); }), automation::errc::typeMismatch);
    std::vector<Variant> tooShort{Variant(Variant::Array(2))};
    EXPECT_EQ(errorOf([&] { first.callByRef("GetYAxis", tooShort); }), serverFailure);
    EXPECT_EQ(errorOf([&] { item("AxisSystems", Variant("Axis System.3")); }), serverFailure);
}

TEST_F(PartTest, APartWithoutBodiesInItsFileHasThePartBody) {
    write("D:\\models\\Bare.CATPart", R"({ "kind": "Part" })");
    Object bare = open("D:\\models\\Bare.CATPart");
    EXPECT_EQ(bare.get("Product").object().get("PartNumber").toString(), "Bare");
    Object bodies = bare.get("Part").object().get("Bodies").object();
    ASSERT_EQ(bodies.get("Count").toLong(), 1);
    EXPECT_EQ(bodies.call("Item", {Variant(1)}).object().get("Name").toString(), "PartBody");
    EXPECT_EQ(bare.get("Part").object().get("AxisSystems").object().get("Count").toLong(), 0);
    EXPECT_EQ(errorOf([&] { bare.get("Product").object().get("Analyze"); }), serverFailure);
}

TEST_F(PartTest, AProductDocumentHasNoPart) {
    Object assy = open("D:\\models\\Assy.CATProduct");
    EXPECT_EQ(errorOf([&] { assy.get("Part"); }), automation::errc::memberNotSupported);
}

}  // namespace
}  // namespace qvl::sim::testing
