#include <fstream>
#include <iterator>

#include "tests/sim/drawing_test_support.h"

namespace qvl::sim::testing {
namespace {

// The template drawings of the sample world, as Planwright uses them.
class DrawingTemplatesTest : public DrawingTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        std::string name = GetParam();
        std::ifstream in(std::string(QVL_SAMPLES_DIR) + "/world/C/QVL/Template/" + name, std::ios::binary);
        ASSERT_TRUE(in) << name;
        write("C:\\QVL\\Template\\" + name, std::string(std::istreambuf_iterator<char>(in), {}));
        path = "C:\\QVL\\Template\\" + name;
    }
    bool thirdAngle() const { return std::string(GetParam()).find("_3rd") != std::string::npos; }

    std::string path;
};

const std::pair<const char*, std::pair<double, double>> frames[] = {
    {"A0", {1189, 841}}, {"A1", {841, 594}}, {"A2", {594, 420}},
    {"A3", {420, 297}},  {"A4", {297, 210}}, {"Ax", {1783.5, 841}}};
const char* notesCodes[] = {"Notes_General", "Notes_Injection", "Notes_Stamping", "Notes_Machining",
                            "Notes_Casting", "Notes_Rubber",    "Notes_Forging",  "Notes_Cust"};
const char* titleTexts[] = {"TitleName",     "TitlePN",       "TitleMaterial", "TitleScale", "TitleMass",
                            "TitleDesigner", "TitleDrawner",  "TitleDate1",    "TitleDate2"};

TEST_P(DrawingTemplatesTest, StartsWithAWorkingSheetOfItsProjectionMethod) {
    Object drawing = documents().call("NewFrom", {Variant(path)}).object();
    Object first = sheet(drawing, 1);
    EXPECT_FALSE(first.call("IsDetail").toBool());
    EXPECT_EQ(first.get("ProjectionMethod").toLong(), thirdAngle() ? 1 : 0);
    EXPECT_EQ(views(first).call("Item", {Variant(1)}).object().get("ViewType").toLong(), 13);
    EXPECT_EQ(sheets(drawing).get("Count").toLong(), 15);
}

TEST_P(DrawingTemplatesTest, FramesAreDrawnToSizeAndCarryTheNineTitleTexts) {
    Object frames_ = documents().call("Read", {Variant(path)}).object();
    Object target = views(sheet(newDrawing(), 1)).call("Item", {Variant(1)}).object();
    for (const auto& [code, paper] : frames) {
        Object detail = views(sheet(frames_, code)).call("Item", {Variant(code)}).object();
        EXPECT_TRUE(sheet(frames_, code).call("IsDetail").toBool()) << code;
        EXPECT_EQ(size(detail), (std::array<double, 4>{0, paper.first, 0, paper.second})) << code;
        Object frame = target.get("Components").object().call("Add", {Variant(detail), Variant(0), Variant(0)}).object();
        for (const char* name : titleTexts) {
            Object text = frame.call("GetModifiableObject", {Variant(name)}).object();
            double x = text.get("x").toDouble(), y = text.get("y").toDouble();
            EXPECT_TRUE(x > 0 && x < paper.first && y > 0 && y < paper.second) << code << " " << name;
        }
    }
}

TEST_P(DrawingTemplatesTest, NotesBlocksHangLeftOfAndBelowTheirPointInChinese) {
    Object frames_ = documents().call("Read", {Variant(path)}).object();
    for (const char* code : notesCodes) {
        Object texts = views(sheet(frames_, code)).call("Item", {Variant(code)}).object().get("Texts").object();
        ASSERT_GE(texts.get("Count").toLong(), 5) << code;
        EXPECT_EQ(texts.call("Item", {Variant(1)}).object().get("Text").toString(), "技术要求");
        for (long long i = 1; i <= texts.get("Count").toLong(); ++i) {
            Object text = texts.call("Item", {Variant(i)}).object();
            EXPECT_LE(text.get("x").toDouble(), 0) << code;
            EXPECT_LE(text.get("y").toDouble(), 0) << code;
            EXPECT_GT(text.get("Text").toString().size(), 6u) << code;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SampleWorld, DrawingTemplatesTest,
                         ::testing::Values("DrwFrame_All.CATDrawing", "DrwFrame_All_3rd.CATDrawing"));

}  // namespace
}  // namespace qvl::sim::testing
