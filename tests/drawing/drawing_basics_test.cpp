// The pure choices that both drawing programs share: paper and file names.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/drawing/output_path.h"
#include "common/drawing/paper.h"
#include "common/drawing/unused_file_name.h"

namespace qvl::drawing {
namespace {

TEST(PaperSizeFor, BoundariesBelongToTheSmallerPaper) {
    EXPECT_EQ(PaperSizeFor(297, 210), "A4");
    EXPECT_EQ(PaperSizeFor(297.1, 10), "A3");
    EXPECT_EQ(PaperSizeFor(10, 210.1), "A3");
    EXPECT_EQ(PaperSizeFor(0, 0), "A4");
    EXPECT_EQ(PaperSizeFor(841, 594), "A1");
    EXPECT_EQ(PaperSizeFor(1189, 841), "A0");
}

TEST(PaperSizeFor, TakesTheLargerPaperOfWidthAndHeight) {
    EXPECT_EQ(PaperSizeFor(400, 300), "A2");  // A3 by width, A2 by height
    EXPECT_EQ(PaperSizeFor(800, 100), "A1");  // A1 by width, A4 by height
    EXPECT_EQ(PaperSizeFor(1189.1, 1), "Ax");
    EXPECT_EQ(PaperSizeFor(1, 841.1), "Ax");
    EXPECT_EQ(PaperSizeFor(-1, 100), "Ax");
    EXPECT_EQ(PaperSizeFor(100, -0.5), "Ax");
}

TEST(PaperCodes, MapToCatiaPaperSizesWithAxOnA0) {
    EXPECT_EQ(catiaPaperSize("A0"), 2);
    EXPECT_EQ(catiaPaperSize("A1"), 3);
    EXPECT_EQ(catiaPaperSize("A2"), 4);
    EXPECT_EQ(catiaPaperSize("A3"), 5);
    EXPECT_EQ(catiaPaperSize("A4"), 6);
    EXPECT_EQ(catiaPaperSize("Ax"), 2);
    EXPECT_EQ(catiaPaperSize(""), 2);
    EXPECT_TRUE(isPaperCode("Ax"));
    EXPECT_FALSE(isPaperCode("a3"));
    EXPECT_FALSE(isPaperCode("A5"));
}

// ---- File names -------------------------------------------------------------------------------

class UnusedFileNameTest : public ::testing::Test {
protected:
    std::set<std::string> files;
    double draw = 0.42;
    int draws = 0;
    std::optional<std::string> name(const std::string& path) {
        return UnusedFileName(
            path, ".CATDrawing", [this](const std::string& f) { return files.count(f) > 0; },
            [this] {
                ++draws;
                return draw;
            });
    }
};

TEST_F(UnusedFileNameTest, AFreeNameStaysAsItIs) {
    files = {"D:\\out\\Other.CATDrawing", "D:\\out\\Run"};
    EXPECT_EQ(name("D:\\out\\Run"), "D:\\out\\Run");
    EXPECT_EQ(draws, 0);
}

TEST_F(UnusedFileNameTest, ATakenNameGetsTheDrawnNumber) {
    files = {"D:\\out\\Run.CATDrawing"};
    EXPECT_EQ(name("D:\\out\\Run"), "D:\\out\\Run_42");
    draw = 0.999;
    EXPECT_EQ(name("D:\\out\\Run"), "D:\\out\\Run_99");
    draw = 0;
    EXPECT_EQ(name("D:\\out\\Run"), "D:\\out\\Run_0");
}

TEST_F(UnusedFileNameTest, ATakenNumberIsNeverReused) {
    files = {"D:\\out\\Run.CATDrawing", "D:\\out\\Run_42.CATDrawing", "D:\\out\\Run_43.CATDrawing"};
    EXPECT_EQ(name("D:\\out\\Run"), "D:\\out\\Run_44");
    files = {"D:\\out\\Run.CATDrawing", "D:\\out\\Run_99.CATDrawing"};
    draw = 0.995;
    EXPECT_EQ(name("D:\\out\\Run"), "D:\\out\\Run_0");  // wraps within 0 to 99
    files = {"D:\\out\\Run.CATDrawing"};
    for (int n = 0; n < 100; ++n) files.insert("D:\\out\\Run_" + std::to_string(n) + ".CATDrawing");
    EXPECT_EQ(name("D:\\out\\Run"), "D:\\out\\Run_100");
}

TEST(OutputPath, DwgNamesReplaceEveryDot) {
    EXPECT_EQ(DwgExportName("D:\\out", "part1.CATDrawing"), "D:\\out\\part1_CATDrawing");
    EXPECT_EQ(DwgExportName("D:\\out", "a.b.CATDrawing"), "D:\\out\\a_b_CATDrawing");
    EXPECT_EQ(DwgExportName("D:\\", "p.CATDrawing"), "D:\\p_CATDrawing");
    EXPECT_EQ(DwgExportName("", "p.CATDrawing"), "\\p_CATDrawing");
    EXPECT_EQ(pathInFolder("D:\\out", "Run"), "D:\\out\\Run");
}

}  // namespace
}  // namespace qvl::drawing
