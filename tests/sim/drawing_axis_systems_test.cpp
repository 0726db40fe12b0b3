#include "sim/model/drawing/drawing_reader.h"
#include "sim/render/sheet_picture.h"
#include "tests/sim/process_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

// Views of the machined part projected in its axis systems, and artwork drawn with a view's
// 2D factory.
class DrawingAxisSystemsTest : public ProcessTest {
protected:
    void SetUp() override {
        ProcessTest::SetUp();
        products = openProcess().get("PPRDocument").object().get("Products").object();
        housing = item(products, 1);
        mcs = item(axisSystemsOf(housing), Variant("MCS"));
        drawing = newDrawing();
        front = frontView(sheet(drawing, 1), housing, {1, 0, 0, 0, 0, 1});
    }
    static Object axisSystemsOf(const Object& product) {
        return product.get("ReferenceProduct").object().get("Parent").object().get("Part").object().get("AxisSystems").object();
    }
    static std::vector<double> axis(const Object& axisSystem, const char* member) {
        std::vector<Variant> args{Variant(Variant::Array(3))};
        axisSystem.callByRef(member, args);
        std::vector<double> v;
        for (const Variant& c : args[0].array()) v.push_back(c.toDouble());
        return v;
    }
    platform::Json savedView(const std::string& name) {
        platform::Json content = sim.dumpDocument("Drawing1.CATDrawing")->at("content");
        for (const auto& view : content["sheets"][0]["views"]) {
            if (view["name"] == name) return view;
        }
        return nullptr;
    }

    Object products;
    Object housing;
    Object mcs;
    Object drawing;
    Object front;
};

TEST_F(DrawingAxisSystemsTest, AFrontViewInAnAxisSystemShowsItsXZPlane) {
    EXPECT_DOUBLE_EQ(width(front), 100);
    EXPECT_DOUBLE_EQ(height(front), 40);
    behavior(front).call("SetAxisSysteme", {Variant(housing), Variant(mcs)});
    behavior(front).call("Update");
    // The axis system's X runs along the part's Y.
    EXPECT_DOUBLE_EQ(width(front), 60);
    EXPECT_DOUBLE_EQ(height(front), 40);
    platform::Json generative = savedView("Front view")["generative"];
    EXPECT_EQ(generative["axisSystem"],
              platform::Json::parse(R"({"product": "Housing", "document": "D:\\models\\Housing.CATPart", "name": "MCS"})"));
    EXPECT_EQ(generative["horizontal"], platform::Json::parse("[0, 1, 0]"));

    // The directions a program then reads from the axis system define the same view.
    std::vector<double> x = axis(mcs, "GetXAxis"), z = axis(mcs, "GetZAxis");
    behavior(front).call("DefineFrontView", {x[0], x[1], x[2], z[0], z[1], z[2]});
    behavior(front).call("Update");
    EXPECT_DOUBLE_EQ(width(front), 60);

    // The view below it follows: seen from above, the part's X runs up the sheet.
    Object below = projectionView(sheet(drawing, 1), front, 2);
    EXPECT_DOUBLE_EQ(width(below), 60);
    EXPECT_DOUBLE_EQ(height(below), 100);

    // Saved and reopened, the view keeps its axis system.
    drawing.call("SaveAs", {Variant("D:\\out\\Axes")});
    drawing.call("Close");
    open("D:\\out\\Axes.CATDrawing");
    platform::Json reopened = sim.dumpDocument("Axes.CATDrawing")->at("content")["sheets"][0]["views"][2]["generative"];
    EXPECT_EQ(reopened["axisSystem"]["name"], "MCS");
}

TEST_F(DrawingAxisSystemsTest, TheAxisSystemMustBeOfTheProductsPart) {
    Object fixture = item(products, 2);
    Object vise = item(fixture.get("Products").object(), 1);
    Object g54 = item(axisSystemsOf(vise), 1);
    EXPECT_EQ(errorOf([&] { behavior(front).call("SetAxisSysteme", {Variant(housing), Variant(g54)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { behavior(front).call("SetAxisSysteme", {Variant(mcs), Variant(mcs)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { behavior(front).call("SetAxisSysteme", {Variant(housing), Variant(housing)}); }), serverFailure);
    // CATIA takes the part's reference product, which an instance in an assembly is not.
    EXPECT_EQ(errorOf([&] { behavior(front).call("SetAxisSysteme", {Variant(vise), Variant(g54)}); }), serverFailure);
    EXPECT_FALSE(savedView("Front view")["generative"].contains("axisSystem"));
    behavior(front).call("SetAxisSysteme", {vise.get("ReferenceProduct"), Variant(g54)});
    EXPECT_EQ(savedView("Front view")["generative"]["axisSystem"]["product"], "Vise");

    // An isometric view keeps its own directions.
    Object iso = isometricView(sheet(drawing, 1), housing);
    double before = width(iso);
    behavior(iso).call("SetAxisSysteme", {Variant(housing), Variant(mcs)});
    behavior(iso).call("Update");
    EXPECT_DOUBLE_EQ(width(iso), before);
    EXPECT_EQ(savedView("Isometric view")["generative"]["axisSystem"]["name"], "MCS");
}

TEST_F(DrawingAxisSystemsTest, TheFactoryDrawsLinesInTheViewsOwnCoordinates) {
    front.put("x", 150.0);
    front.put("y", 100.0);
    front.put("Scale2", 0.5);
    Object factory = front.get("Factory2D").object();
    EXPECT_EQ(factory.typeName(), "Factory2D");
    // A leg of 20 mm on paper is 40 view units at 1:2.
    Object leg = factory.call("CreateLine", {Variant(0.0), Variant(0.0), Variant(40.0), Variant(0.0)}).object();
    factory.call("CreateLine", {Variant(0), Variant(0), Variant(0), Variant(40)});
    front.get("Texts").object().call("Add", {Variant("X"), Variant(40.0), Variant(-8.0)});
    EXPECT_EQ(leg.typeName(), "Line2D");
    std::vector<Variant> points{Variant(Variant::Array(4))};
    leg.callByRef("GetEndPoints", points);
    EXPECT_EQ(points[0], Variant(Variant::Array{0.0, 0.0, 40.0, 0.0}));
    EXPECT_EQ(savedView("Front view")["lines"], platform::Json::parse("[[0, 0, 40, 0], [0, 0, 0, 40]]"));

    // On the sheet the legs start at the view's origin, the projected model origin, which lies
    // off the projected centre of gravity that stands at the view's x, y; they are 20 mm long.
    const platform::Json gravity = savedView("Front view")["generative"]["gravity"];
    const double originX = 150 - 0.5 * gravity[0].get<double>();
    const double originY = 100 - 0.5 * gravity[1].get<double>();
    auto noModels = [](const std::string&, std::string&) { return std::shared_ptr<Document>(); };
    auto picture = readDrawing(sim.dumpDocument("Drawing1.CATDrawing")->at("content"), noModels);
    std::vector<SheetPicture::Line> artwork;
    for (const auto& line : pictureOf(*picture->sheets[0]).lines) {
        if (line.kind == SheetPicture::LineKind::Artwork) artwork.push_back(line);
    }
    ASSERT_EQ(artwork.size(), 2u);
    EXPECT_DOUBLE_EQ(artwork[0].x1, originX);
    EXPECT_DOUBLE_EQ(artwork[0].x2, originX + 20);
    EXPECT_DOUBLE_EQ(artwork[1].y2, originY + 20);

    Object selection = drawing.get("Selection").object();
    selection.call("Add", {Variant(front)});
    selection.call("Delete");
    EXPECT_EQ(errorOf([&] { factory.call("CreateLine", {Variant(0), Variant(0), Variant(1), Variant(1)}); }), serverFailure);
    EXPECT_EQ(errorOf([&] { leg.callByRef("GetEndPoints", points); }), serverFailure);
}

TEST_F(DrawingAxisSystemsTest, TheNewTypesTakePlannedFaults) {
    sim.failCall("DrawingViewGenerativeBehavior", "SetAxisSysteme");
    EXPECT_EQ(errorOf([&] { behavior(front).call("SetAxisSysteme", {Variant(housing), Variant(mcs)}); }), serverFailure);
    EXPECT_FALSE(savedView("Front view")["generative"].contains("axisSystem"));
    sim.failCall("Factory2D", "CreateLine");
    Object factory = front.get("Factory2D").object();
    EXPECT_EQ(errorOf([&] { factory.call("CreateLine", {Variant(0), Variant(0), Variant(1), Variant(1)}); }), serverFailure);
    EXPECT_EQ(savedView("Front view")["lines"].size(), 0u);
    sim.failCall("DrawingDocument", "Standard");
    EXPECT_EQ(errorOf([&] { drawing.put("Standard", 1); }), serverFailure);
}

}  // namespace
}  // namespace qvl::sim::testing
