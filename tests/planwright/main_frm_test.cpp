#include <gtest/gtest.h>

#include <stdexcept>

#include "common/automation/error.h"
#include "tests/planwright/window_fixture.h"

namespace qvl::planwright::testing {
namespace {

using ui::ControlKind;

// ---- The window as declared ---------------------------------------------------------------

TEST_F(WindowTest, DeclaresTheThirtyNineControlsInTabOrder) {
    form = std::make_unique<RecordingMainFrm>(connection, services);
    const std::vector<std::string> tabOrder{
        "frmProjA", "op1st", "op3rd", "chkUserAxis", "chkMutiBodies", "cbxlstSize", "chkAddFrm", "chkAddDes",
        "txtVdis", "lstParts", "cmdWinSel", "cmdFolderSel", "cmdDelSel", "lblSize", "cmdDelAll", "opOut1",
        "opOut2", "opOut3", "txtSuf", "chkNotes", "cbxNotes", "chkDesigner", "txtDesigner", "chkDrawner",
        "txtDrawner", "chkDate", "txtDate", "cmdChangeDir", "chkDwg", "cmddwg", "cmdProjPl", "cmdRun", "lblInfo",
        "frmOutOp", "lblOutFolder", "lblDescr", "lblVdis", "lblOutFolder2", "SaveConf"};
    std::vector<std::string> names;
    for (const auto& control : form->controls()) names.push_back(control->name());
    EXPECT_EQ(names, tabOrder);

    EXPECT_EQ(form->caption(), "Quorvel工具箱CATIA版 | 自动投图");
    EXPECT_EQ(form->width(), 6555);
    EXPECT_EQ(form->height(), 9000);
    for (const auto& control : form->controls()) {
        EXPECT_EQ(control->fontName(), control->name() == "frmProjA" ? "宋体" : "Tahoma") << control->name();
    }
}

TEST_F(WindowTest, ControlsStartWithTheirDesignState) {
    MainFrm& f = *(form = std::make_unique<RecordingMainFrm>(connection, services));
    // Options: exactly one set in each group.
    EXPECT_EQ(f.op1st.value(), 1);
    EXPECT_EQ(f.op3rd.value(), 0);
    EXPECT_EQ(f.opOut1.value(), 0);
    EXPECT_EQ(f.opOut2.value(), 0);
    EXPECT_EQ(f.opOut3.value(), 1);
    // Check boxes.
    EXPECT_EQ(f.chkUserAxis.value(), 0);
    EXPECT_EQ(f.chkMutiBodies.value(), 1);
    EXPECT_EQ(f.chkAddFrm.value(), 1);
    EXPECT_EQ(f.chkAddDes.value(), 1);
    EXPECT_EQ(f.chkNotes.value(), 1);
    EXPECT_EQ(f.chkDesigner.value(), 1);
    EXPECT_EQ(f.chkDrawner.value(), 1);
    EXPECT_EQ(f.chkDate.value(), 1);
    EXPECT_EQ(f.chkDwg.value(), 0);
    // Texts and captions that later commands compare against.
    EXPECT_EQ(f.cbxlstSize.text(), "A0");
    EXPECT_EQ(f.txtVdis.text(), "40");
    EXPECT_EQ(f.txtSuf.text(), "");
    EXPECT_EQ(f.cbxNotes.text(), "Notes_General");
    EXPECT_EQ(f.txtDesigner.text(), "-");
    EXPECT_EQ(f.txtDrawner.text(), "-");
    EXPECT_EQ(f.txtDate.text(), "2020/06/01");
    EXPECT_EQ(f.cmdRun.caption(), "执行自动投图");
    EXPECT_EQ(f.cmdWinSel.caption(), "在窗口中选择零件");
    EXPECT_EQ(f.op1st.caption(), "第一视角投影（国标）");
    EXPECT_EQ(f.opOut3.caption(), "多文件,文件加后缀");
    EXPECT_EQ(f.lblInfo.caption(), "视图比例：优先1:1(轴测图1:2), 超过自动缩小");
    EXPECT_EQ(f.lblDescr.caption().substr(0, 9), "      单");
    EXPECT_EQ(f.lblOutFolder2.caption(), "");
    // Containers and a few positions.
    EXPECT_EQ(f.op3rd.container(), "frmProjA");
    EXPECT_EQ(f.SaveConf.container(), "frmOutOp");
    EXPECT_EQ(f.cmdRun.container(), "");
    EXPECT_EQ(f.cmdProjPl.bounds().left, 4560);
    EXPECT_EQ(f.cmdProjPl.bounds().top, 2916);
    EXPECT_EQ(f.cmdProjPl.bounds().width, 1692);
    EXPECT_EQ(f.cmdProjPl.bounds().height, 336);
    EXPECT_EQ(f.cmdRun.bounds().top, 8520);
}

// ---- Start-up -----------------------------------------------------------------------------

TEST_F(WindowTest, LoadFillsTheCombosAndTheWindowData) {
    openPart("D:\\models\\Bracket.CATPart");
    services.setToday("2027/3/4");
    MainFrm& f = start();

    EXPECT_EQ(f.cbxlstSize.items(), (std::vector<std::string>{"A0", "A1", "A2", "A3", "A4", "Ax"}));
    EXPECT_EQ(f.cbxlstSize.text(), "A0");
    EXPECT_EQ(f.cbxNotes.items(),
              (std::vector<std::string>{"Notes_General", "Notes_Injection", "Notes_Stamping", "Notes_Machining",
                                        "Notes_Casting", "Notes_Rubber", "Notes_Forging", "Notes_Cust"}));
    EXPECT_EQ(f.txtDate.text(), "2027/3/4");

    EXPECT_EQ(f.StandardScales[0], 100);
    EXPECT_EQ(f.StandardScales[6], 1);
    EXPECT_EQ(f.StandardScales[7], 0.5);
    EXPECT_DOUBLE_EQ(f.StandardScales[18], 1.0 / 10000);
    for (std::size_t i = 1; i < f.StandardScales.size(); ++i) EXPECT_LT(f.StandardScales[i], f.StandardScales[i - 1]);
    EXPECT_EQ(f.PaperSizes[5], "Ax");
    EXPECT_EQ(f.dicParts.Count(), 0u);
    EXPECT_TRUE(services.isTopMost(f.hWnd()));
    EXPECT_TRUE(messages().empty());
}

TEST_F(WindowTest, OutputFolderIsTheFolderOfTheActiveDocument) {
    openPart("D:\\models\\Bracket.CATPart");
    EXPECT_EQ(start().lblOutFolder2.caption(), "D:\\models");
}

TEST_F(WindowTest, OutputFolderOfANeverSavedDocumentIsEmpty) {
    catia.addDocument("PartDocument", "Part1", "");
    MainFrm& f = start();
    EXPECT_EQ(f.lblOutFolder2.caption(), "");
    EXPECT_TRUE(messages().empty());

    f.cmdRun_Click();
    EXPECT_EQ(messages(), (std::vector<std::string>{programTitle + "|请先定义输出路径|0"}));
    EXPECT_TRUE(form->runs.empty());
    EXPECT_TRUE(catia.displayFileAlerts);
}

TEST_F(WindowTest, WithoutADocumentTheOutputFolderIsTheProgramsTempFolder) {
    MainFrm& f = start();
    EXPECT_EQ(messages(), (std::vector<std::string>{toolboxCaption + "|当前没有活动的CATIA文档|0"}));
    EXPECT_EQ(f.lblOutFolder2.caption(), "C:\\QVL\\Temp");
    EXPECT_FALSE(disk.folderExists("C:\\QVL\\Temp"));
    // The rest of the start-up has run all the same.
    EXPECT_EQ(f.cbxNotes.listCount(), 8);
    EXPECT_TRUE(services.isTopMost(f.hWnd()));
}

TEST_F(WindowTest, TheProgramFolderIsTheOneGiven) {
    form = std::make_unique<RecordingMainFrm>(connection, services, "D:\\tools\\QVL");
    windows.show(*form);
    EXPECT_EQ(form->lblOutFolder2.caption(), "D:\\tools\\QVL\\Temp");
    EXPECT_EQ(form->settingsPath(), "D:\\tools\\QVL\\Conf1.ini");
}

// ---- Run ----------------------------------------------------------------------------------

// The controls that take input, by name.
std::vector<std::string> enabledControls(const ui::Form& f) {
    std::vector<std::string> names;
    for (const auto& c : f.controls()) {
        if (c->enabled()) names.push_back(c->name());
    }
    return names;
}

TEST_F(WindowTest, RunSwitchesAlertsOffForTheBatchAndRestoresThem) {
    for (bool before : {true, false}) {
        SCOPED_TRACE(before);
        catia.displayFileAlerts = before;
        openPart("D:\\models\\Bracket.CATPart");
        RecordingMainFrm& f = start();
        f.cmdDelAll.setEnabled(false);
        const std::vector<std::string> enabledBefore = enabledControls(f);
        std::vector<std::string> seen;
        f.duringRun = [&] {
            seen.push_back(f.cmdRun.caption());
            seen.push_back(catia.displayFileAlerts ? "alerts on" : "alerts off");
            // Only the run button, which stops the run, takes input meanwhile.
            EXPECT_EQ(enabledControls(f), std::vector<std::string>{"cmdRun"});
        };
        f.cmdRun.click();
        EXPECT_EQ(f.runs, std::vector<int>{3});
        EXPECT_EQ(seen, (std::vector<std::string>{"停止投图", "alerts off"}));
        EXPECT_EQ(f.cmdRun.caption(), "执行自动投图");
        EXPECT_EQ(enabledControls(f), enabledBefore);
        EXPECT_EQ(catia.displayFileAlerts, before);
    }
}

TEST_F(WindowTest, RunPassesTheChosenOutputMode) {
    openPart("D:\\models\\Bracket.CATPart");
    RecordingMainFrm& f = start();
    f.opOut1.click();
    f.cmdRun_Click();
    f.opOut2.click();
    f.cmdRun_Click();
    f.opOut3.click();
    f.cmdRun_Click();
    EXPECT_EQ(f.runs, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(catia.attaches, 1);  // the run uses CATIA as the start-up left it
}

TEST_F(WindowTest, RunRestoresAlertsAndCaptionWhenTheBatchFails) {
    catia.displayFileAlerts = false;
    openPart("D:\\models\\Bracket.CATPart");
    RecordingMainFrm& f = start();
    catia.displayFileAlerts = true;
    f.duringRun = [] { throw automation::Error(automation::errc::serverFailure, "batch failed"); };
    EXPECT_THROW(f.cmdRun_Click(), automation::Error);
    EXPECT_TRUE(catia.displayFileAlerts);
    EXPECT_EQ(f.cmdRun.caption(), "执行自动投图");
}

TEST_F(WindowTest, RunWithoutCatiaAttachesAgain) {
    catia.availability = FakeCatia::Availability::Absent;
    RecordingMainFrm& f = start();  // no CATIA could be had: the Temp folder
    ASSERT_TRUE(connection.CatiaApp.isNothing());
    catia.availability = FakeCatia::Availability::Running;
    openPart("D:\\models\\Bracket.CATPart");
    catia.displayFileAlerts = true;

    f.cmdRun_Click();
    EXPECT_EQ(f.runs, std::vector<int>{3});
    EXPECT_FALSE(connection.CatiaApp.isNothing());
    EXPECT_TRUE(catia.displayFileAlerts);
    EXPECT_EQ(messages().size(), 1u);  // only the start-up's "no document" message
}

TEST_F(WindowTest, RunWithCatiaUnreachableTellsTheUserAndDoesNotRun) {
    openPart("D:\\models\\Bracket.CATPart");
    RecordingMainFrm& f = start();
    catia.gone = true;  // CATIA was closed after the start-up

    f.cmdRun_Click();
    EXPECT_TRUE(f.runs.empty());
    EXPECT_EQ(f.cmdRun.caption(), "执行自动投图");
    auto shown = messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], toolboxCaption + "|当前没有活动的CATIA文档|0");  // the attach found nothing
    EXPECT_EQ(shown[1], programTitle + "|无法连接到CATIA，请启动CATIA后再执行自动投图！|0");
}

// ---- Output folder ------------------------------------------------------------------------

TEST_F(WindowTest, ChangeDirTakesAFileSystemFolderOnly) {
    openPart("D:\\models\\Bracket.CATPart");
    MainFrm& f = start();

    services.queueFolder({platform::HeadlessServices::FolderAnswer::Kind::Cancel, ""});
    f.cmdChangeDir.click();
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\models");

    services.queueFolder({platform::HeadlessServices::FolderAnswer::Kind::Virtual, ""});
    f.cmdChangeDir.click();
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\models");

    services.queueFolder({platform::HeadlessServices::FolderAnswer::Kind::Path, "D:\\out"});
    f.cmdChangeDir.click();
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\out");

    services.queueFolder({platform::HeadlessServices::FolderAnswer::Kind::Path, "D:\\"});
    f.cmdChangeDir.click();
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\");

    auto asked = events("folder");
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0]["title"], "请选择一个输出目录:");
    EXPECT_TRUE(messages().empty());
}

TEST_F(WindowTest, ClickingTheOutputFolderOpensItInExplorer) {
    MainFrm& f = start();
    f.lblOutFolder2.click();
    auto started = events("shell");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0]["command"], "explorer.exe C:\\QVL\\Temp");
}

}  // namespace
}  // namespace qvl::planwright::testing
