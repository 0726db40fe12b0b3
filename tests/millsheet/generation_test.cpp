// The run command: the drawing it makes, the operations table, the title block and what the
// user is told.

#include "tests/millsheet/millsheet_fixture.h"
#include "tests/millsheet/sample_process.h"

namespace qvl::millsheet::testing {
namespace {

const std::string done = programTitle + "|操作完成!\r\n\r\n文件保存在\r\nD:\\out\\HS-100.CATDrawing";
const std::string nothingPicked = programTitle + "|没有选择合适的项目,程序退出!";

std::vector<std::string> footer(const std::string& total) {
    std::vector<std::string> row(13, "#");
    row.push_back("总时间\r\n" + total);
    return row;
}

class GenerationTest : public MillsheetTest {
protected:
    SampleProcess sample;

    GenerationTest() {
        FakeProduct& housing = catia.addProduct("Housing.1", {100, 40, 60});
        housing.partNumber = "HS-100";
        catia.openProcess();
        sample = buildSampleProcess(*catia.process);
        start();
    }

    void tickAllColumns() {
        for (const auto& c : form->controls()) {
            if (c->container() == "frmList1") c->setValue(1);
        }
    }
    void mergeOptions(int merge, int mergeTime) {
        form->chkMerg.setValue(merge);
        form->chkMergeTime.setValue(mergeTime);
    }
    // A setup whose program P1 has three operations with the same tool and P2 one more.
    ProcessNode& repeatedToolSetup() {
        ProcessNode& setup = catia.process->setup("Repeated");
        ProcessNode& p1 = setup.program("P1");
        p1.operation("A", 1.0);
        p1.operation("B", 2.5);
        p1.operation("C", 0.75);
        setup.program("P2").operation("D", 0.5);
        return setup;
    }
};

TEST_F(GenerationTest, APickedProcessActivityFillsTheTableWithEveryRecordAndTheTotal) {
    tickAllColumns();
    mergeOptions(0, 0);
    runOn(*sample.root);
    EXPECT_EQ(messages(), std::vector<std::string>{done});
    std::vector<std::vector<std::string>> expected{columnHeaders};
    for (const auto& record : sampleRecords()) expected.push_back(record);
    expected.push_back(footer("7.37"));
    EXPECT_EQ(sheetTable().cells, expected);

    const std::vector<std::string>& log = sheetTable().log;
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "ComputeMode 0");
    EXPECT_EQ(log.back(), "ComputeMode 1");
    EXPECT_EQ(sheetTable().logOf("AddRow"),
              (std::vector<std::string>{"AddRow 3", "AddRow 4", "AddRow 5", "AddRow 6", "AddRow 7"}));
    EXPECT_EQ(sheetTable().logOf("RemoveRow"), std::vector<std::string>{"RemoveRow 2"});
}

TEST_F(GenerationTest, ASetupAndAProgramYieldTheirOwnRecords) {
    tickAllColumns();
    mergeOptions(0, 0);
    const auto all = sampleRecords();
    runOn(*sample.setup1);
    EXPECT_EQ(sheetTable().cells,
              (std::vector<std::vector<std::string>>{columnHeaders, all[0], all[1], all[2], footer("3.62")}));

    runOn(*sample.program4);
    std::vector<std::string> first = all[3], second = all[4];
    first[0] = "1";
    second[0] = "2";
    EXPECT_EQ(sheetTable().cells, (std::vector<std::vector<std::string>>{columnHeaders, first, second, footer("3.75")}));
}

TEST_F(GenerationTest, OneRecordOrNoneBetweenHeaderAndFooter) {
    tickAllColumns();
    runOn(*sample.program2);
    EXPECT_EQ(sheetTable().rows(), 3u);
    EXPECT_EQ(tableRow(2)[0], "1");
    EXPECT_EQ(tableRow(3), footer("7"));

    ProcessNode& empty = catia.process->setup("Empty").program("Nothing");
    empty.operation("Off", 1, false);
    runOn(empty);
    EXPECT_EQ(sheetTable().cells, (std::vector<std::vector<std::string>>{columnHeaders, footer("0")}));
}

TEST_F(GenerationTest, ProgramTimesAreTotalledAndEqualCellsMergedAcrossAllDataColumns) {
    tickAllColumns();
    mergeOptions(1, 1);
    runOn(repeatedToolSetup());
    EXPECT_EQ(sheetTable().logOf("MergeCells"),
              (std::vector<std::string>{"MergeCells 2,14,3,1", "MergeCells 2,2,3,1", "MergeCells 2,3,4,1",
                                        "MergeCells 2,4,4,1", "MergeCells 2,5,4,1", "MergeCells 2,6,4,1",
                                        "MergeCells 2,7,4,1", "MergeCells 2,8,4,1", "MergeCells 2,9,4,1",
                                        "MergeCells 2,10,4,1", "MergeCells 2,11,4,1", "MergeCells 2,12,4,1",
                                        "MergeCells 2,13,4,1"}));
    EXPECT_EQ(tableRow(2)[13], "4.25");
    EXPECT_EQ(tableRow(5)[13], "0.50");
    // The footer keeps the total taken before the merge.
    EXPECT_EQ(tableRow(6), footer("4.75"));
}

TEST_F(GenerationTest, WithoutTheDataMergeOnlyTheFirstFiveColumnsMerge) {
    tickAllColumns();
    mergeOptions(0, 1);
    runOn(repeatedToolSetup());
    EXPECT_EQ(sheetTable().logOf("MergeCells"),
              (std::vector<std::string>{"MergeCells 2,14,3,1", "MergeCells 2,2,3,1", "MergeCells 2,3,4,1",
                                        "MergeCells 2,4,4,1", "MergeCells 2,5,4,1"}));
}

TEST_F(GenerationTest, WithoutTheTimeTotalTimesStayPerOperation) {
    tickAllColumns();
    mergeOptions(1, 0);
    runOn(repeatedToolSetup());
    const auto merges = sheetTable().logOf("MergeCells");
    EXPECT_EQ(std::count(merges.begin(), merges.end(), "MergeCells 2,14,3,1"), 0);
    EXPECT_EQ(merges.size(), 12u);
    EXPECT_EQ(tableRow(2)[13], "1.00");
    EXPECT_EQ(tableRow(3)[13], "2.50");
}

TEST_F(GenerationTest, TheHeaderMergesWithTheFirstRowsWhenTheirTextsAgree) {
    tickAllColumns();
    mergeOptions(0, 0);
    ProcessNode& program = catia.process->setup("S").program("P", "加工描述");
    program.operation("A", 1);
    program.operation("B", 2);
    runOn(program);
    EXPECT_EQ(sheetTable().logOf("MergeCells"),
              (std::vector<std::string>{"MergeCells 2,2,2,1", "MergeCells 1,3,3,1", "MergeCells 2,4,2,1",
                                        "MergeCells 2,5,2,1"}));
}

TEST_F(GenerationTest, UntickedColumnsAreRemovedAfterTheMerges) {
    runOn(repeatedToolSetup());  // the window's initial ticks
    EXPECT_EQ(sheetTable().logOf("RemoveColumn"),
              (std::vector<std::string>{"RemoveColumn 1", "RemoveColumn 2", "RemoveColumn 2", "RemoveColumn 6",
                                        "RemoveColumn 6", "RemoveColumn 6", "RemoveColumn 6", "RemoveColumn 6",
                                        "RemoveColumn 6"}));
    EXPECT_EQ(tableRow(1), (std::vector<std::string>{"程序名", "刀号", "刀具名称", "直径/R角", "刃长/装刀长"}));
    EXPECT_EQ(tableRow(2), (std::vector<std::string>{"P1", "1", "T1 End Mill D10", "D10/R0.5", "30//75mm"}));
    const auto& log = sheetTable().log;
    const auto lastMerge = std::find_if(log.rbegin(), log.rend(), [](const std::string& l) {
        return l.rfind("MergeCells", 0) == 0;
    });
    const auto firstRemoval = std::find_if(log.begin(), log.end(), [](const std::string& l) {
        return l.rfind("RemoveColumn", 0) == 0;
    });
    EXPECT_LT(lastMerge.base() - log.begin(), firstRemoval - log.begin() + 1);
}

TEST_F(GenerationTest, AllOrOnlyTheTimeColumnUnticked) {
    for (const auto& c : form->controls()) {
        if (c->container() == "frmList1") c->setValue(0);
    }
    runOn(repeatedToolSetup());
    EXPECT_EQ(sheetTable().logOf("RemoveColumn"), std::vector<std::string>(14, "RemoveColumn 1"));
    EXPECT_EQ(sheetTable().columns(), 0u);

    tickAllColumns();
    form->chkTime1.setValue(0);
    runOn(repeatedToolSetup());
    EXPECT_EQ(sheetTable().logOf("RemoveColumn"), std::vector<std::string>{"RemoveColumn 14"});
    EXPECT_EQ(tableRow(6), std::vector<std::string>(13, "#"));

    form->chkTime1.setValue(2);  // a grey box keeps its column
    runOn(repeatedToolSetup());
    EXPECT_TRUE(sheetTable().logOf("RemoveColumn").empty());
}

TEST_F(GenerationTest, TheTitleBlockGetsTheWindowsTextsAndTheProcessPath) {
    MainFrm3& f = *form;
    f.txtMaterial1.setText("6061-T6 铝");
    f.txtSize1.setText("");
    f.txtX0.setText("中心");
    f.txtTecNotes11.setText("1. 去毛刺\r\n2. 未注倒角C0.5");
    f.txtNCMade1.setText("张三");
    runOn(*sample.program1);
    const FakeView& background = *lastDrawing().sheets.front()->background();
    auto text = [&](const std::string& name) {
        const FakeText* t = background.text(name);
        return t ? t->text : std::string("<none>");
    };
    EXPECT_EQ(text("PartName1"), "Housing.1");
    EXPECT_EQ(text("PartNumber1"), "HS-100");
    EXPECT_EQ(text("NCMade1"), "张三");
    EXPECT_EQ(text("Date1"), "2026/12/7");
    EXPECT_EQ(text("Material1"), "6061-T6 铝");
    EXPECT_EQ(text("Size1"), "");
    EXPECT_EQ(text("x0"), "中心");
    EXPECT_EQ(text("y0"), "-");
    EXPECT_EQ(text("FilePath1"), "D:\\nc\\Housing.CATProcess");
    EXPECT_EQ(text("Date3"), "-");
    EXPECT_EQ(text("TecNotes1"), "1. 去毛刺\r\n2. 未注倒角C0.5");
    EXPECT_EQ(text("ECNNo1"), "-");
    EXPECT_GE(lastDrawing().sheets.front()->activations, 1);
}

TEST_F(GenerationTest, ATitleTextTheFrameLacksIsSkippedAndTheOthersAreWritten) {
    catia.missingTitleTexts = {"Size1"};
    form->txtMaterial1.setText("45#");
    form->txtSize1.setText("120x80x50");
    runOn(*sample.program1);
    const FakeView& background = *lastDrawing().sheets.front()->background();
    EXPECT_EQ(background.text("Size1"), nullptr);
    ASSERT_NE(background.text("Material1"), nullptr);
    EXPECT_EQ(background.text("Material1")->text, "45#");
    EXPECT_EQ(background.text("FixMethod1")->text, "-");
    EXPECT_EQ(background.texts.size(), 20u);
    // The template's lack is named: the sheet is incomplete.
    EXPECT_EQ(lastMessage(), done + "\r\n\r\n以下内容没有写入加工单:\r\nC:\\QVL\\Template\\CNCFrame_All.CATDrawing: "
                                   "缺少可在实例中修改的标题栏文字 Size1");
}

TEST_F(GenerationTest, TheSavedDrawingHoldsOneA4SheetWithTheExplodedFrame) {
    catia.newDrawingSheets = 2;
    catia.displayFileAlerts = false;
    runOn(*sample.program1);
    const FakeDrawing& drawing = lastDrawing();
    EXPECT_EQ(drawing.fullName(), "D:\\out\\HS-100.CATDrawing");
    EXPECT_EQ(drawing.standard, 1);
    ASSERT_EQ(drawing.sheets.size(), 1u);
    const FakeSheet& sheet = *drawing.sheets.front();
    EXPECT_EQ(sheet.name, "HS-100");
    EXPECT_EQ(sheet.paperSize, 6);
    EXPECT_EQ(sheet.projectionMethod, 0);
    EXPECT_DOUBLE_EQ(sheet.scale, 1);
    EXPECT_TRUE(sheet.background()->components.empty());
    EXPECT_EQ(drawing.saves, 2);  // saved once at once, once at the end
    EXPECT_TRUE(disk.fileExists("D:\\out\\HS-100.CATDrawing"));
    EXPECT_EQ(catia.reframes, 1);
    EXPECT_FALSE(catia.displayFileAlerts);
    EXPECT_EQ(form->cmdRun.caption(), "选择程序生成加工单");
    EXPECT_EQ(catia.pickPrompts,
              std::vector<std::string>{"Select the ManufacturingSetup,ManufacturingProgram,PPRActivity"});
    EXPECT_EQ(messages(), std::vector<std::string>{done});
}

TEST_F(GenerationTest, ANumberedNameNeverOverwritesAnExistingDrawing) {
    ASSERT_TRUE(disk.writeFile("D:\\out\\HS-100.CATDrawing", "old"));
    ASSERT_TRUE(disk.writeFile("D:\\out\\HS-100_42.CATDrawing", "older"));
    services.setFixedRandom(0.42);
    runOn(*sample.program1);
    EXPECT_EQ(lastDrawing().fullName(), "D:\\out\\HS-100_43.CATDrawing");
    EXPECT_EQ(catia.overwritten, std::vector<std::string>{"D:\\out\\HS-100_43.CATDrawing"});  // its own second save
    EXPECT_EQ(disk.readFile("D:\\out\\HS-100.CATDrawing"), "old");
    EXPECT_EQ(disk.readFile("D:\\out\\HS-100_42.CATDrawing"), "older");
    EXPECT_EQ(lastMessage(), programTitle + "|操作完成!\r\n\r\n文件保存在\r\nD:\\out\\HS-100_43.CATDrawing");
}

TEST_F(GenerationTest, ADrawingThatCouldNotBeSavedIsReportedAsNotSaved) {
    pick(*sample.program1);
    form->lblOutFolder2.setCaption("D:\\missing");
    eventsBefore = transcript.events().size();
    form->cmdRun.click();
    EXPECT_EQ(messages(), std::vector<std::string>{programTitle + "|加工单没有保存!\r\n\r\n请检查输出目录\r\nD:\\missing"});
    EXPECT_EQ(lastDrawing().saves, 0);
    EXPECT_EQ(form->cmdRun.caption(), "选择程序生成加工单");
    EXPECT_TRUE(catia.displayFileAlerts);

    catia.failing = {"DrawingDocument.Save"};
    runOn(*sample.program1);
    EXPECT_EQ(messages(), std::vector<std::string>{programTitle + "|加工单没有保存!\r\n\r\n请检查输出目录\r\nD:\\out"});
}

TEST_F(GenerationTest, ACancelledOrUndonePickEndsWithoutADrawing) {
    for (const char* status : {"Cancel", "Undo"}) {
        for (bool alerts : {true, false}) {
            catia.displayFileAlerts = alerts;
            catia.picks.emplace_back(status, Object());
            eventsBefore = transcript.events().size();
            form->cmdRun.click();
            EXPECT_EQ(messages(), std::vector<std::string>{nothingPicked});
            EXPECT_EQ(catia.displayFileAlerts, alerts);
        }
    }
    EXPECT_TRUE(catia.drawings.empty());
    EXPECT_EQ(form->cmdRun.caption(), "选择程序生成加工单");
}

TEST_F(GenerationTest, OutsideAProcessDocumentNothingIsPicked) {
    catia.openPart();
    pick(*sample.program1);
    eventsBefore = transcript.events().size();
    form->cmdRun.click();
    EXPECT_EQ(messages(), std::vector<std::string>{programTitle + "|此命令只能在加工模块中运行！"});
    EXPECT_EQ(catia.picks.size(), 1u);
    EXPECT_TRUE(catia.drawings.empty());
}

TEST_F(GenerationTest, APickOfAnotherKindGivesAnEmptyTableButStillASavedSheet) {
    ProcessNode& operation = *sample.program1->children.front();
    runOn(operation);
    EXPECT_EQ(sheetTable().rows(), 2u);
    EXPECT_EQ(messages(), std::vector<std::string>{done});
}

TEST_F(GenerationTest, ATemplateWithoutTheTableOrWithAnotherShapeStillGivesASavedSheet) {
    catia.templateTable.reset();
    runOn(*sample.root);
    EXPECT_EQ(messages(), std::vector<std::string>{done});
    EXPECT_EQ(lastDrawing().sheets.front()->background()->text("PartNumber1")->text, "HS-100");

    catia.templateTable = std::vector<std::vector<std::string>>{{"A", "B"}};
    runOn(*sample.root);
    EXPECT_EQ(lastMessage().rfind(programTitle + "|操作完成!", 0), 0u);
    // Nothing fits the table; only the removal of the first unticked column finds a column.
    EXPECT_EQ(sheetTable().cells, (std::vector<std::vector<std::string>>{{"B"}}));
}

TEST_F(GenerationTest, AnUnreadableTemplateIsReportedAndTheSheetSavedWithoutFrame) {
    catia.templateReadable = false;
    runOn(*sample.program1);
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  programTitle + "|无法取得正确的模板！\r\n请检查C:\\QVL\\Template\\CNCFrame_All.CATDrawing是否做了正确配置.",
                  done + "\r\n\r\n以下内容没有写入加工单:\r\nC:\\QVL\\Template\\CNCFrame_All.CATDrawing: 无法读取"}));
    EXPECT_TRUE(lastDrawing().sheets.front()->background()->texts.empty());
    EXPECT_EQ(lastDrawing().saves, 2);
}

TEST_F(GenerationTest, AProcessWithoutProductsGivesASheetWithoutViewsAndSaysSo) {
    catia.products.clear();
    runOn(*sample.program1);
    EXPECT_TRUE(lastDrawing().sheets.front()->addedViews().empty());
    EXPECT_EQ(messages(), std::vector<std::string>{done + "\r\n\r\n以下内容没有写入加工单:\r\n视图"});
}

}  // namespace
}  // namespace qvl::millsheet::testing
