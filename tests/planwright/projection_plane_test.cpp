// Changing the projection plane of a front view, and exporting the active drawing to DWG.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/planwright/drawing_fixture.h"

namespace qvl::planwright::testing {
namespace {

using Strings = std::vector<std::string>;
const std::string bracketPath = "D:\\models\\Bracket.CATPart";
const std::string onlyInDrawings = programTitle + "|只能在工程制图工作台操作这个命令|0";
const std::string onlyFrontViews = programTitle + "|只能选择主视图|64";

class ProjectionPlaneTest : public DrawingTest {
protected:
    FakeModel* bracket = nullptr;
    Object modelDocument;

    // A drawing "Proj" with the bracket's four views (or a body's), active in CATIA, while the
    // bracket stays open in its own window.
    MainFrm& prepare(bool projectBody = false) {
        bracket = &catia.addPart(bracketPath, "Bracket");
        MainFrm& f = start();
        f.opOut1.setValue(1);
        EXPECT_TRUE(f.CreateDrawingFromTemplate("Proj", "Proj"));
        modelDocument = catia.openModel(bracketPath);
        const Object subject =
            projectBody ? modelDocument.get("Part").object().get("Bodies").object().call("Item", {1}).object()
                        : modelDocument.get("Product").object();
        f.CreateViews(subject, f.CurrentSheet, 0.0, 0.0, "A0", 3);
        catia.activate(f.CurrentDrawing);
        catia.log.clear();
        return f;
    }
    void pick(std::size_t view, const std::string& status = "Normal") {
        FakeDrawing& drawing = lastDrawing();
        catia.picks.emplace_back(status, catia.viewObject(*drawing.sheet("Proj")->addedViews()[view], &drawing.closed));
    }
};

TEST_F(ProjectionPlaneTest, StartsCatiasCommandAndTurnsToTheOpenModel) {
    MainFrm& f = prepare();
    pick(0);
    f.cmdProjPl.click();
    EXPECT_EQ(catia.log, (Strings{"Activate window Proj.CATDrawing", "Select View.3", "StartCommand 修改投影平面",
                                  "Activate window Bracket.CATPart"}));
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProjectionPlaneTest, OpensAClosedModelAndSpeaksEnglishToAnEnglishCatia) {
    MainFrm& f = prepare();
    modelDocument.call("Close");
    catia.log.clear();
    catia.statusBar = "Select an object or a command";
    pick(0);
    f.cmdProjPl.click();
    EXPECT_EQ(catia.log, (Strings{"Open " + bracketPath, "Activate window Proj.CATDrawing", "Select View.3",
                                  "StartCommand Modify Projection Plane", "Activate window Bracket.CATPart"}));
}

TEST_F(ProjectionPlaneTest, AViewOfABodyLeadsToThePartsWindow) {
    MainFrm& f = prepare(true);
    pick(0);
    f.cmdProjPl.click();
    EXPECT_EQ(catia.log.back(), "Activate window Bracket.CATPart");
    EXPECT_TRUE(catia.logOf("Open").empty());
}

TEST_F(ProjectionPlaneTest, WithoutAKnownLanguageNoCommandStarts) {
    MainFrm& f = prepare();
    catia.failing = {"Application.StatusBar"};
    pick(0);
    f.cmdProjPl.click();
    EXPECT_EQ(catia.log, (Strings{"Activate window Proj.CATDrawing", "Select View.3", "Activate window Bracket.CATPart"}));
}

TEST_F(ProjectionPlaneTest, OnlyAFrontViewOfADrawingWillDo) {
    MainFrm& f = prepare();
    pick(3);  // the isometric view
    f.cmdProjPl.click();
    pick(0, "Cancel");
    f.cmdProjPl.click();
    catia.activate(modelDocument);
    f.cmdProjPl.click();
    EXPECT_EQ(messages(), (Strings{onlyFrontViews, programTitle + "|已退出选择|4096", onlyFrontViews, onlyInDrawings}));
    EXPECT_TRUE(catia.logOf("StartCommand").empty());
    EXPECT_TRUE(catia.picks.empty());
}

// ---- DWG export of the active drawing ---------------------------------------------------

TEST_F(DrawingTest, ExportsTheActiveDrawingNextToItsFile) {
    MainFrm& f = start();
    f.opOut1.setValue(1);
    ASSERT_TRUE(f.CreateDrawingFromTemplate("part1.v2", "Sheet"));
    f.cmddwg.click();
    EXPECT_EQ(catia.logOf("ExportData"), Strings{"ExportData D:\\out\\part1_v2_CATDrawing dwg"});
    EXPECT_TRUE(messages().empty());
}

TEST_F(DrawingTest, ExportsNothingButADrawing) {
    catia.addPart(bracketPath, "Bracket");
    MainFrm& f = start();
    catia.openModel(bracketPath);
    f.cmddwg.click();
    EXPECT_EQ(messages(), Strings{"Information|此命令只能在工程制图模块中运行|64"});
    EXPECT_TRUE(catia.logOf("ExportData").empty());
}

}  // namespace
}  // namespace qvl::planwright::testing
