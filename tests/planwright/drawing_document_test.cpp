// The drawing document of a run, started from a template and saved under a name that
// overwrites nothing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "planwright/drawing/shared_drawing.h"
#include "tests/planwright/drawing_fixture.h"

namespace qvl::planwright::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(DrawingTest, DrawingFromTheFirstAngleTemplateHasOneFreshSheet) {
    MainFrm& f = start();
    f.opOut1.setValue(1);
    EXPECT_TRUE(f.CreateDrawingFromTemplate("Run", "QVL-Planwright"));

    FakeDrawing& drawing = lastDrawing();
    EXPECT_EQ(catia.logOf("NewFrom"), Strings{"NewFrom " + firstAngleTemplate});
    // The template's sheets are removed one by one; CATIA keeps the last one.
    EXPECT_EQ(catia.logOf("Remove sheet"), (Strings{"Remove sheet Template sheet 1", "Remove sheet Template sheet 2"}));
    EXPECT_EQ(drawing.sheetNames(), (Strings{"Template sheet 3", "QVL-Planwright"}));
    const FakeSheet& sheet = *drawing.sheet("QVL-Planwright");
    EXPECT_EQ(sheet.paperSize, 2);
    EXPECT_EQ(sheet.projectionMethod, 0);
    EXPECT_EQ(sheet.scale, 1);
    EXPECT_EQ(catia.logOf("SaveAs"), Strings{"SaveAs D:\\out\\Run"});
    EXPECT_TRUE(disk.fileExists("D:\\out\\Run.CATDrawing"));
    EXPECT_EQ(f.CurrentSheet.get("Name").toString(), "QVL-Planwright");
    EXPECT_EQ(f.CurrentDrawing.get("Name").toString(), "Run.CATDrawing");
}

TEST_F(DrawingTest, ThirdAngleDrawingInMultiFileModeCarriesTheSuffix) {
    MainFrm& f = start();
    f.op3rd.setValue(1);
    f.opOut3.setValue(1);
    f.txtSuf.setText("_rev2");
    EXPECT_TRUE(f.CreateDrawingFromTemplate("Bracket", "Bracket"));
    EXPECT_EQ(catia.logOf("NewFrom"), Strings{"NewFrom " + thirdAngleTemplate});
    EXPECT_EQ(lastDrawing().sheet("Bracket")->projectionMethod, 1);
    EXPECT_EQ(catia.logOf("SaveAs"), Strings{"SaveAs D:\\out\\Bracket_rev2"});

    // The suffix belongs to multi-file mode only.
    f.opOut2.setValue(1);
    EXPECT_TRUE(f.CreateDrawingFromTemplate("All", "QVL-Planwright"));
    EXPECT_EQ(catia.logOf("SaveAs").back(), "SaveAs D:\\out\\All");
}

TEST_F(DrawingTest, AnExistingDrawingIsNeverOverwritten) {
    MainFrm& f = start();
    f.opOut3.setValue(1);
    services.setFixedRandom(0.42);
    ASSERT_TRUE(disk.writeFile("D:\\out\\Bracket.CATDrawing", "earlier"));
    ASSERT_TRUE(disk.writeFile("D:\\out\\Bracket_42.CATDrawing", "earlier numbered"));

    EXPECT_TRUE(f.CreateDrawingFromTemplate("Bracket", "Bracket"));
    EXPECT_TRUE(f.CreateDrawingFromTemplate("Bracket", "Bracket"));
    // The same draw twice, as two runs in the same second get it: each run finds a new name.
    EXPECT_EQ(catia.logOf("SaveAs"), (Strings{"SaveAs D:\\out\\Bracket_43", "SaveAs D:\\out\\Bracket_44"}));
    EXPECT_EQ(disk.readFile("D:\\out\\Bracket.CATDrawing"), "earlier");
    EXPECT_EQ(disk.readFile("D:\\out\\Bracket_42.CATDrawing"), "earlier numbered");
}

TEST_F(DrawingTest, WithoutATemplateNoEarlierDrawingIsTouched) {
    MainFrm& f = start();
    ASSERT_TRUE(f.CreateDrawingFromTemplate("First", "First"));
    const std::size_t logged = catia.log.size();
    catia.templates.clear();

    EXPECT_FALSE(f.CreateDrawingFromTemplate("Second", "Second"));
    EXPECT_TRUE(f.CurrentDrawing.isNothing());
    EXPECT_TRUE(f.CurrentSheet.isNothing());
    EXPECT_EQ(catia.log.size(), logged);  // no sheet added, nothing saved
    EXPECT_EQ(lastDrawing().sheetNames(), (Strings{"Template sheet 3", "First"}));
}

TEST_F(DrawingTest, ADrawingThatCannotBeSavedIsReported) {
    MainFrm& f = start();
    f.lblOutFolder2.setCaption("D:\\missing");
    EXPECT_FALSE(f.CreateDrawingFromTemplate("Run", "QVL-Planwright"));
    // The document stays open in CATIA, as the user left it.
    EXPECT_FALSE(f.CurrentDrawing.isNothing());
    EXPECT_EQ(lastDrawing().path, "");
}

TEST_F(DrawingTest, FindViewOfType13FindsTheBackgroundViewOrNothing) {
    MainFrm& f = start();
    ASSERT_TRUE(f.CreateDrawingFromTemplate("Run", "Sheet"));
    const Object view = FindViewOfType13(f.CurrentSheet);
    EXPECT_EQ(view.get("Name").toString(), "Background View");

    FakeSheet& sheet = *lastDrawing().sheet("Sheet");
    sheet.views[1]->viewType = 0;
    EXPECT_TRUE(FindViewOfType13(f.CurrentSheet).isNothing());
    EXPECT_THROW(FindViewOfType13(Object()), automation::Error);
}

}  // namespace
}  // namespace qvl::planwright::testing
