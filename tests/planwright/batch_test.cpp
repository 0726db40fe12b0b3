// The batch run in its three output modes: documents, sheets, saving, closing, export,
// failures and the final message.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/planwright/drawing_fixture.h"

namespace qvl::planwright::testing {
namespace {

using Strings = std::vector<std::string>;

const std::string bracketPath = "D:\\models\\Bracket.CATPart";  // A2 at 1:1
const std::string platePath = "D:\\models\\Plate.CATPart";      // A3 at 1:1
const std::string plate2Path = "D:\\models\\Plate2.CATPart";    // A3 at 1:1
const std::string shaftPath = "D:\\models\\Shaft.CATPart";      // three bodies
const std::string assyPath = "D:\\models\\Assy.CATProduct";
const std::string failed = "-出现错误!";

class BatchTest : public DrawingTest {
protected:
    BatchTest() {
        catia.addPart(bracketPath, "Bracket", {80, 200, 100});
        catia.addPart(platePath, "Plate", {80, 150, 60});
        catia.addPart(plate2Path, "Plate2", {80, 150, 60});
        FakeModel& shaft = catia.addPart(shaftPath, "Shaft", {60, 300, 60});
        for (const char* name : {"Collar", "Key"}) {
            auto body = std::make_unique<FakeBody>();
            body->name = name;
            body->size = {60, 100, 60};
            body->model = &shaft;
            shaft.bodies.push_back(std::move(body));
        }
        catia.addAssembly(assyPath, "Assy", {300, 300, 300});
    }

    const FakeSheet& sheet(const std::string& drawing, const std::string& name) const {
        const FakeDrawing* d = catia.drawingNamed(drawing);
        if (!d || !d->sheet(name)) throw std::logic_error("no sheet " + drawing + "/" + name);
        return *d->sheet(name);
    }
    Strings closedModels() const { return catia.logOf("Close "); }
};

// ---- Mode 1: all models on one sheet ------------------------------------------------------

TEST_F(BatchTest, AllModelsOnOneSheetOfOneSavedDrawing) {
    MainFrm& f = start();
    services.setFixedRandom(0.42);
    list({bracketPath, platePath});
    run(1, "Run");

    const auto& input = transcript.events()[eventsBeforeStart + 1];
    EXPECT_EQ(input["prompt"], "请输入要生成的CATDrawing文件名:");
    EXPECT_EQ(input["caption"], "Quorvel工具箱CATIA版 | 自动投图");
    EXPECT_EQ(input["default"], "QVL-Planwright-AllViewsInOne_42");

    const FakeDrawing& drawing = *catia.drawingNamed("Run.CATDrawing");
    EXPECT_EQ(drawing.sheetNames(), Strings{"QVL-Planwright"});
    EXPECT_FALSE(drawing.closed);
    const FakeSheet& s = *drawing.sheet("QVL-Planwright");
    EXPECT_EQ(s.paperSize, 2);  // as the drawing was made
    EXPECT_EQ(s.addedViews().size(), 8u);
    // Each model in the frame column of its paper; the frames exploded, notes too.
    EXPECT_EQ(s.background()->exploded, (Strings{"Notes_General 1371,801", "A2 797,421", "Notes_General 737,801",
                                                 "A3 337,544"}));
    EXPECT_TRUE(s.background()->components.empty());
    EXPECT_EQ(s.addedViews()[0]->x, 797 + 160);
    EXPECT_EQ(catia.logOf("Save"), (Strings{"SaveAs D:\\out\\Run", "Save Run.CATDrawing"}));
    EXPECT_EQ(closedModels(), (Strings{"Close Bracket.CATPart", "Close Plate.CATPart"}));
    EXPECT_TRUE(catia.logOf("ExportData").empty());
    EXPECT_EQ(catia.logOf("Reframe").size(), 1u);
    EXPECT_EQ(messages(), Strings{allDone});
    EXPECT_EQ(f.lstParts.items(), (Strings{bracketPath, platePath}));
    EXPECT_TRUE(f.lstParts.selectedIndexes().empty());
    EXPECT_EQ(f.cmdRun.caption(), "执行自动投图");
    EXPECT_TRUE(catia.displayFileAlerts);
}

TEST_F(BatchTest, ModelsOfOnePaperStackDownTheirColumn) {
    start();
    list({platePath, plate2Path});
    run(1);
    const FakeSheet& s = sheet("Run.CATDrawing", "QVL-Planwright");
    EXPECT_EQ(s.background()->exploded, (Strings{"Notes_General 737,801", "A3 337,544", "Notes_General 737,464",
                                                 "A3 337,207"}));
    EXPECT_EQ(s.addedViews()[0]->y - s.addedViews()[4]->y, 337);
}

TEST_F(BatchTest, TheNameQuestionMustBeAnswered) {
    start();
    list({bracketPath});
    run(1, std::nullopt);
    run(2, "");
    EXPECT_EQ(messages(), (Strings{programTitle + "|必须定义文件名，你也可以使用默认文件名|0",
                                   programTitle + "|必须定义文件名，你也可以使用默认文件名|0"}));
    EXPECT_TRUE(catia.log.empty());
}

TEST_F(BatchTest, AnEmptyWorkListRunsNothing) {
    start();
    run(3);
    run(1);
    EXPECT_EQ(messages(), (Strings{programTitle + "|请先选择要投影的数模文件”|0",
                                   programTitle + "|请先选择要投影的数模文件”|0"}));
    EXPECT_TRUE(catia.log.empty());
}

// ---- Mode 2: one sheet per model ----------------------------------------------------------

TEST_F(BatchTest, OneSheetPerModelAndPerBody) {
    MainFrm& f = start();
    f.op3rd.setValue(1);
    f.chkDwg.setValue(1);
    services.setFixedRandom(0.5);
    list({shaftPath, bracketPath});
    run(2, "Sheets");

    EXPECT_EQ(transcript.events()[eventsBeforeStart + 1]["default"], "QVL-Planwright-AllSheetsInOne_50");
    const FakeDrawing& drawing = *catia.drawingNamed("Sheets.CATDrawing");
    // The sheet the drawing came with cannot go: CATIA keeps a drawing's last sheet.
    EXPECT_EQ(drawing.sheetNames(),
              (Strings{"QVL-Planwright", "Shaft", "Shaft-1", "Shaft-2", "Shaft-3", "Bracket"}));
    EXPECT_EQ(sheet("Sheets.CATDrawing", "Shaft").paperSize, 4);    // A2
    EXPECT_EQ(sheet("Sheets.CATDrawing", "Shaft-2").paperSize, 5);  // A3
    EXPECT_EQ(sheet("Sheets.CATDrawing", "Bracket").paperSize, 4);
    for (const char* name : {"Shaft", "Shaft-1", "Bracket"}) {
        const FakeSheet& s = sheet("Sheets.CATDrawing", name);
        EXPECT_EQ(s.projectionMethod, 1) << name;
        EXPECT_EQ(s.addedViews().size(), 4u) << name;
        EXPECT_EQ(s.addedViews()[1]->projectionType, 0) << name;
        // Origins start at (0, 0) on every sheet.
        EXPECT_EQ(s.background()->exploded.back().substr(s.background()->exploded.back().find(' ')), " 0,0") << name;
    }
    EXPECT_EQ(sheet("Sheets.CATDrawing", "Shaft-1").addedViews()[0]->subject,
              catia.models.at(shaftPath).bodies[0].get());
    EXPECT_EQ(catia.logOf("Save"), (Strings{"SaveAs D:\\out\\Sheets", "Save Sheets.CATDrawing"}));
    EXPECT_EQ(catia.logOf("ExportData"), Strings{"ExportData D:\\out\\Sheets_CATDrawing dwg"});
    EXPECT_FALSE(drawing.closed);
    EXPECT_EQ(closedModels(), (Strings{"Close Shaft.CATPart", "Close Bracket.CATPart"}));
    EXPECT_EQ(messages(), Strings{allDone});
}

TEST_F(BatchTest, SingleBodyPartsAndAssembliesAreProjectedOnce) {
    start();
    list({bracketPath, assyPath});
    run(2);
    EXPECT_EQ(catia.drawingNamed("Run.CATDrawing")->sheetNames(), (Strings{"QVL-Planwright", "Bracket", "Assy"}));
    EXPECT_EQ(messages(), Strings{allDone});
}

// ---- Mode 3: one drawing per model --------------------------------------------------------

TEST_F(BatchTest, OneDrawingPerModelSavedExportedAndClosed) {
    MainFrm& f = start();
    f.txtSuf.setText("_v1");
    f.chkDwg.setValue(1);
    list({bracketPath, shaftPath});
    run(3);

    EXPECT_EQ(catia.logOf("SaveAs"), (Strings{"SaveAs D:\\out\\Bracket_v1", "SaveAs D:\\out\\Shaft_v1",
                                              "SaveAs D:\\out\\Shaft-1_v1", "SaveAs D:\\out\\Shaft-2_v1",
                                              "SaveAs D:\\out\\Shaft-3_v1"}));
    EXPECT_EQ(catia.logOf("ExportData"),
              (Strings{"ExportData D:\\out\\Bracket_v1_CATDrawing dwg", "ExportData D:\\out\\Shaft_v1_CATDrawing dwg",
                       "ExportData D:\\out\\Shaft-1_v1_CATDrawing dwg", "ExportData D:\\out\\Shaft-2_v1_CATDrawing dwg",
                       "ExportData D:\\out\\Shaft-3_v1_CATDrawing dwg"}));
    EXPECT_TRUE(catia.openDrawings().empty());
    // Each drawing holds its one sheet, named like the file without the suffix.
    EXPECT_EQ(catia.drawingNamed("Bracket_v1.CATDrawing")->sheetNames(), Strings{"Bracket"});
    EXPECT_EQ(catia.drawingNamed("Shaft-3_v1.CATDrawing")->sheetNames(), Strings{"Shaft-3"});
    EXPECT_EQ(sheet("Bracket_v1.CATDrawing", "Bracket").paperSize, 4);
    EXPECT_EQ(sheet("Bracket_v1.CATDrawing", "Bracket").projectionMethod, 0);
    for (const char* file : {"Bracket_v1", "Shaft_v1", "Shaft-1_v1", "Shaft-2_v1", "Shaft-3_v1"}) {
        EXPECT_TRUE(disk.fileExists("D:\\out\\" + std::string(file) + ".CATDrawing")) << file;
    }
    // Every drawing saved before it is exported and closed; the model closed last.
    const Strings shaftSteps{"Save Shaft-3_v1.CATDrawing", "ExportData D:\\out\\Shaft-3_v1_CATDrawing dwg",
                             "Close Shaft-3_v1.CATDrawing", "Close Shaft.CATPart"};
    Strings tail;
    for (const std::string& line : catia.log) {
        if (line.rfind("Save ", 0) == 0 || line.rfind("ExportData", 0) == 0 || line.rfind("Close", 0) == 0) {
            tail.push_back(line);
        }
    }
    EXPECT_EQ(Strings(tail.end() - 4, tail.end()), shaftSteps);
    EXPECT_EQ(messages(), Strings{allDone});
}

TEST_F(BatchTest, AnOversizeModelGetsAnA0Sheet) {
    MainFrm& f = start();
    f.cbxlstSize.setText("Ax");
    catia.addPart("D:\\models\\Beam.CATPart", "Beam", {100, 3000, 100});
    list({"D:\\models\\Beam.CATPart"});
    run(3);
    EXPECT_EQ(f.PaperCode, "Ax");
    EXPECT_EQ(sheet("Beam.CATDrawing", "Beam").paperSize, 2);
    EXPECT_EQ(sheet("Beam.CATDrawing", "Beam").addedViews()[0]->scale, 1);
    EXPECT_EQ(messages(), Strings{allDone});
}

// ---- Failures -----------------------------------------------------------------------------

TEST_F(BatchTest, AModelThatCannotBeOpenedIsCountedAndMarked) {
    MainFrm& f = start();
    catia.models.erase(platePath);  // deleted after it was listed
    list({bracketPath, platePath, plate2Path});
    run(1);

    EXPECT_EQ(f.lstParts.items(), (Strings{bracketPath, platePath + failed, plate2Path}));
    EXPECT_EQ(f.dicParts.Keys(), (Strings{bracketPath, platePath + failed, plate2Path}));
    EXPECT_EQ(f.dicParts.Item(platePath + failed), platePath);
    EXPECT_EQ(sheet("Run.CATDrawing", "QVL-Planwright").addedViews().size(), 8u);  // no empty view left
    EXPECT_EQ(closedModels(), (Strings{"Close Bracket.CATPart", "Close Plate2.CATPart"}));
    EXPECT_EQ(messages(), Strings{someFailed(1)});

    // A second run processes the marked line again and marks it once more.
    run(1, "Again");
    EXPECT_EQ(f.lstParts.list(1), platePath + failed + failed);
}

TEST_F(BatchTest, AFailedModelLeavesTheOtherSheetsAlone) {
    MainFrm& f = start();
    catia.models.erase(platePath);
    list({bracketPath, platePath});
    run(2);
    EXPECT_EQ(catia.drawingNamed("Run.CATDrawing")->sheetNames(), (Strings{"QVL-Planwright", "Bracket"}));
    EXPECT_EQ(sheet("Run.CATDrawing", "Bracket").paperSize, 4);
    EXPECT_EQ(sheet("Run.CATDrawing", "Bracket").addedViews().size(), 4u);
    EXPECT_EQ(f.lstParts.list(1), platePath + failed);
    EXPECT_EQ(messages(), Strings{someFailed(1)});

    run(3);
    EXPECT_EQ(catia.logOf("SaveAs").back(), "SaveAs D:\\out\\Bracket");  // no drawing for the missing one
    EXPECT_EQ(messages().back(), someFailed(1));
}

TEST_F(BatchTest, ASharedDrawingThatIsNotSavedIsNoSuccess) {
    MainFrm& f = start();
    list({bracketPath});
    catia.failingCalls["DrawingDocument.Save"] = {1};
    run(1);
    EXPECT_EQ(messages(), Strings{someFailed(1)});
    EXPECT_EQ(f.lstParts.list(0), bracketPath);  // the model itself was fine

    f.chkDwg.setValue(1);
    catia.failing = {"DrawingDocument.ExportData"};
    run(2, "Second");
    EXPECT_EQ(messages().back(), someFailed(1));
}

TEST_F(BatchTest, WithoutATemplateEveryModelAndTheDrawingFail) {
    MainFrm& f = start();
    withoutTemplates();
    list({bracketPath, platePath});
    // The person declines to have the templates made.
    services.queueMessageAnswer(platform::MessageAnswer::No);
    services.queueMessageAnswer(platform::MessageAnswer::No);
    run(1);
    const std::string question =
        programTitle + "|找不到模板文件:\r\n" + firstAngleTemplate + "\r\n\r\n是否现在在CATIA中生成默认模板？|4";
    EXPECT_EQ(messages(), (Strings{question, someFailed(3)}));
    EXPECT_EQ(f.lstParts.items(), (Strings{bracketPath + failed, platePath + failed}));
    EXPECT_TRUE(catia.logOf("Save").empty());
    EXPECT_EQ(closedModels(), (Strings{"Close Bracket.CATPart", "Close Plate.CATPart"}));

    run(3);
    EXPECT_EQ(messages().back(), someFailed(2));
    EXPECT_TRUE(catia.logOf("Save").empty());
}

TEST_F(BatchTest, EveryDrawingOfAModelIsChecked) {
    MainFrm& f = start();
    f.chkDwg.setValue(1);
    list({bracketPath, shaftPath});
    catia.failingCalls["DrawingDocument.ExportData"] = {1};  // Bracket's export
    catia.failingCalls["DrawingDocument.Save"] = {4};         // Shaft-2's save
    run(3);
    EXPECT_EQ(f.lstParts.items(), (Strings{bracketPath + failed, shaftPath + failed}));
    EXPECT_EQ(messages(), Strings{someFailed(2)});
    EXPECT_TRUE(catia.openDrawings().empty());
}

TEST_F(BatchTest, AModelTooLargeForTheLimitIsDrawnAndCounted) {
    MainFrm& f = start();
    f.cbxlstSize.setText("A4");
    catia.addPart("D:\\models\\Bridge.CATPart", "Bridge", {100, 5e6, 100});
    list({"D:\\models\\Bridge.CATPart", bracketPath});
    run(3);
    EXPECT_EQ(sheet("Bridge.CATDrawing", "Bridge").addedViews()[0]->scale, 1.0 / 10000);
    EXPECT_TRUE(disk.fileExists("D:\\out\\Bridge.CATDrawing"));
    EXPECT_EQ(f.lstParts.items(), (Strings{"D:\\models\\Bridge.CATPart" + failed, bracketPath}));
    EXPECT_EQ(messages(), Strings{someFailed(1)});
}

TEST_F(BatchTest, TypedCodesThatAreNoCodesGetTheirMessages) {
    MainFrm& f = start();
    list({bracketPath, platePath});
    f.cbxNotes.setText("Notes_Wood");
    run(3);
    // No notes, the rest of each drawing is made.
    EXPECT_EQ(messages(), (Strings{programTitle + "|技术要求代号名称输入错误！|0",
                                   programTitle + "|技术要求代号名称输入错误！|0", allDone}));
    EXPECT_EQ(sheet("Plate.CATDrawing", "Plate").background()->exploded, Strings{"A3 0,0"});

    f.cbxlstSize.setText("A5");
    run(3);
    // Nothing is projected: each model shows the message and counts.
    const Strings shown = messages();
    EXPECT_EQ(Strings(shown.end() - 3, shown.end()),
              (Strings{programTitle + "|图框尺寸代号输入错误！|0", programTitle + "|图框尺寸代号输入错误！|0",
                       someFailed(2)}));
    EXPECT_TRUE(lastDrawing().sheet("Plate")->addedViews().empty());
    EXPECT_TRUE(lastDrawing().sheet("Plate")->background()->exploded.empty());
}

// ---- Frames never reach an earlier model's frame ----------------------------------------

TEST_F(BatchTest, AMissingFrameLosesOnlyThatFrameAndIsNamed) {
    MainFrm& f = start();
    catia.missingTemplatePieces = {"A3"};
    list({bracketPath, platePath});
    run(1);
    EXPECT_EQ(sheet("Run.CATDrawing", "QVL-Planwright").background()->exploded,
              (Strings{"Notes_General 1371,801", "A2 797,421", "Notes_General 737,801"}));
    EXPECT_EQ(catia.logOf("Explode A2").size(), 1u);
    // The model without its frame counts, and the template is named for lacking it.
    EXPECT_EQ(f.lstParts.items(), (Strings{bracketPath, platePath + failed}));
    EXPECT_EQ(messages(), Strings{runCaption + "|操作完成，有 1 个文件出现了一点问题，请检查！\r\n\r\n模板缺少以下内容:\r\n" +
                                  firstAngleTemplate + ": 缺少图框 A3|0"});
}

TEST_F(BatchTest, ContentThatCannotBeWrittenCountsItsModelAsFailed) {
    MainFrm& f = start();
    list({bracketPath, platePath, plate2Path});
    catia.failingCalls["DrawingComponents.Add"] = {1};  // Bracket's frame
    catia.failingCalls["DrawingText.Text"] = {11};      // a title text of Plate2's frame
    run(3);
    EXPECT_EQ(f.lstParts.items(), (Strings{bracketPath + failed, platePath, plate2Path + failed}));
    EXPECT_EQ(messages(), Strings{someFailed(2)});
    // The next model starts without what the one before it lacked.
    EXPECT_TRUE(f.Missing.empty());
}

TEST_F(BatchTest, ARunWithoutFramesMeetsNoFrameOfAnEarlierRun) {
    MainFrm& f = start();
    list({bracketPath});
    run(3);
    f.chkAddFrm.setValue(0);
    run(3);
    EXPECT_EQ(catia.logOf("Explode A2").size(), 1u);
    EXPECT_EQ(messages(), (Strings{allDone, allDone}));
    EXPECT_EQ(catia.logOf("SaveAs").back().rfind("SaveAs D:\\out\\Bracket_", 0), 0u);
}

}  // namespace
}  // namespace qvl::planwright::testing
