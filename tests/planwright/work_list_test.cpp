#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/automation/error.h"
#include "planwright/connection_policy.h"
#include "tests/planwright/window_fixture.h"

namespace qvl::planwright::testing {
namespace {

const std::string notPartOrProduct = "当前文件不是CATIA零件或产品 !\r\n此命令只能在零件或产品文件中运行!";
const std::string pickPrompt = "Select the Product. Press Esc to finish the selection.";

// Two different files whose paths end in the same 45 characters.
const std::string sharedTail = "\\assembly\\fixtures\\left\\Bracket-00001.CATPart";  // 45 characters
const std::string firstTwin = "D:\\projects\\alpha" + sharedTail;
const std::string secondTwin = "D:\\projects\\omega" + sharedTail;
const std::string twinText = ".." + sharedTail;

class WorkListTest : public WindowTest {
protected:
    std::vector<std::string> lines() const { return form->lstParts.items(); }
    std::vector<std::string> keys() const { return form->dicParts.Keys(); }
    // The path that the batch finds for each line: line text -> dictionary item.
    std::vector<std::string> pathsByLine() const {
        std::vector<std::string> paths;
        for (const std::string& line : form->lstParts.items()) paths.push_back(form->dicParts.Item(line));
        return paths;
    }
    void pickFiles(std::vector<std::string> files) {
        services.queueFiles(std::move(files));
        form->cmdFolderSel.click();
    }
};

// ---- Window pick: part --------------------------------------------------------------------

TEST_F(WorkListTest, PickingTheActivePartListsItOnce) {
    catia.displayFileAlerts = false;
    openPart("D:\\models\\Bracket.CATPart");
    start();
    form->cmdWinSel.click();
    form->cmdWinSel.click();

    EXPECT_EQ(lines(), std::vector<std::string>{"D:\\models\\Bracket.CATPart"});
    EXPECT_EQ(pathsByLine(), std::vector<std::string>{"D:\\models\\Bracket.CATPart"});
    EXPECT_EQ(messages(), (std::vector<std::string>{programTitle + "|当前零件已经加入到自动投图待操作清单！|0",
                                                    programTitle + "|这个零件已经在自动投图待操作清单中！|0"}));
    // CATIA prepared for loading models, and its file alerts back as they were.
    EXPECT_EQ(catia.settingController, "CATSysCacheSettingCtrl");
    EXPECT_EQ(catia.activationMode, 1);
    EXPECT_EQ(catia.workModes, (std::vector<int>{2, 2}));
    EXPECT_FALSE(catia.displayFileAlerts);
}

TEST_F(WorkListTest, PickingRestoresFileAlertsThatWereOn) {
    openPart("D:\\models\\Bracket.CATPart");
    start();
    bool alertsDuringPick = true;
    catia.addDocument("ProductDocument", "D:\\models\\Assy.CATProduct", "D:\\models");
    catia.passes.push_back({"Cancel", {}});
    catia.duringPick = [&] { alertsDuringPick = catia.displayFileAlerts; };
    form->cmdWinSel_Click();
    EXPECT_FALSE(alertsDuringPick);
    EXPECT_TRUE(catia.displayFileAlerts);
}

TEST_F(WorkListTest, OnlyPartsAndProductsCanBePicked) {
    catia.addDocument("DrawingDocument", "D:\\models\\A.CATDrawing", "D:\\models");
    start();
    form->cmdWinSel_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{programTitle + "|" + notPartOrProduct + "|0"});
    EXPECT_TRUE(lines().empty());
    EXPECT_TRUE(catia.workModes.empty());
    EXPECT_EQ(catia.activationMode, 0);
}

TEST_F(WorkListTest, PickingWithoutADocumentExplainsTwice) {
    start();
    transcript = {};
    form->cmdWinSel_Click();
    EXPECT_EQ(messages(), (std::vector<std::string>{toolboxCaption + "|当前没有活动的CATIA文档|0",
                                                    programTitle + "|" + notPartOrProduct + "|0"}));
    EXPECT_TRUE(lines().empty());
}

// ---- Window pick: product -----------------------------------------------------------------

TEST_F(WorkListTest, ProductPickRunsPassesUntilEsc) {
    catia.displayFileAlerts = false;
    catia.addDocument("ProductDocument", "D:\\models\\Assy.CATProduct", "D:\\models");
    start();
    std::vector<std::string> duringPick;
    catia.duringPick = [&] {
        duringPick.push_back(form->cmdWinSel.caption() + (form->lstParts.enabled() ? " enabled" : " disabled"));
    };
    catia.passes.push_back({"Normal", {"D:\\models\\A.CATPart", "D:\\models\\B.CATPart", "D:\\models\\A.CATPart"}});
    catia.passes.push_back({"Normal", {"D:\\models\\B.CATPart", ""}});  // "" cannot be read
    catia.passes.push_back({"Cancel", {"D:\\models\\Sub.CATProduct"}});  // picked before Esc: kept
    form->cmdWinSel.click();

    EXPECT_EQ(lines(), (std::vector<std::string>{"D:\\models\\A.CATPart", "D:\\models\\B.CATPart",
                                                 "D:\\models\\Sub.CATProduct"}));
    EXPECT_EQ(pathsByLine(), lines());
    EXPECT_EQ(catia.prompts, std::vector<std::string>(3, pickPrompt));
    ASSERT_TRUE(catia.filters.at(0).isArray());
    EXPECT_EQ(catia.filters[0].array(), automation::Variant::Array{automation::Variant("Product")});
    EXPECT_EQ(duringPick, std::vector<std::string>(3, "选择中,Esc退出 disabled"));
    EXPECT_EQ(form->cmdWinSel.caption(), "在窗口中选择零件");
    EXPECT_TRUE(form->lstParts.enabled());
    EXPECT_FALSE(catia.displayFileAlerts);
    EXPECT_EQ(catia.workModes, std::vector<int>{2});
    EXPECT_TRUE(messages().empty());
}

TEST_F(WorkListTest, EscAtTheFirstPromptLeavesTheListAsItWas) {
    catia.addDocument("ProductDocument", "D:\\models\\Assy.CATProduct", "D:\\models");
    start();
    pickFiles({"D:\\models\\A.CATPart"});
    catia.passes.push_back({"Cancel", {}});
    form->cmdWinSel_Click();
    EXPECT_EQ(lines(), std::vector<std::string>{"D:\\models\\A.CATPart"});
    EXPECT_EQ(form->cmdWinSel.caption(), "在窗口中选择零件");
    EXPECT_TRUE(form->lstParts.enabled());
    EXPECT_TRUE(catia.displayFileAlerts);
}

TEST_F(WorkListTest, ASelectionThatCatiaCannotRunEndsThePick) {
    catia.addDocument("ProductDocument", "D:\\models\\Assy.CATProduct", "D:\\models");
    start();
    catia.selectionFailures = 1;
    form->cmdWinSel_Click();  // would ask again for ever if a failed pass did not end the pick
    EXPECT_EQ(catia.prompts.size(), 1u);
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(form->cmdWinSel.caption(), "在窗口中选择零件");
    EXPECT_TRUE(form->lstParts.enabled());
}

// ---- File pick ----------------------------------------------------------------------------

TEST_F(WorkListTest, FilePickAddsInTheDialogsOrderAndSkipsDuplicates) {
    openPart("D:\\models\\Bracket.CATPart");
    start();
    form->cmdRun.setEnabled(false);
    pickFiles({"D:\\models\\C.CATPart", "D:\\models\\A.CATProduct"});
    pickFiles({"D:\\models\\A.CATProduct", "D:\\models\\B.CATPart"});
    EXPECT_EQ(lines(), (std::vector<std::string>{"D:\\models\\C.CATPart", "D:\\models\\A.CATProduct",
                                                 "D:\\models\\B.CATPart"}));
    EXPECT_TRUE(form->cmdRun.enabled());
    auto dialogs = events("files");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0]["filter"], "CATIA数模文件 (*.CATPart;*.CATProduct)");
    EXPECT_TRUE(messages().empty());
}

TEST_F(WorkListTest, CancellingTheFileDialogChangesNothing) {
    start();
    pickFiles({"D:\\models\\A.CATPart"});
    form->cmdRun.setEnabled(false);
    services.queueFiles(std::nullopt);
    form->cmdFolderSel_Click();
    EXPECT_EQ(lines(), std::vector<std::string>{"D:\\models\\A.CATPart"});
    EXPECT_TRUE(form->cmdRun.enabled());
}

// A platform whose open-file dialog cannot be shown at all.
class NoFileDialog : public platform::HeadlessServices {
public:
    using HeadlessServices::HeadlessServices;
    std::optional<std::vector<std::string>> openFiles(const std::string&, const std::string&) override {
        throw automation::Error(automation::errc::cannotCreateObject, "ActiveX component can't create object");
    }
};

TEST_F(WorkListTest, NoFileDialogAddsNothingAndStillEnablesTheRunButton) {
    NoFileDialog noDialog{disk, transcript};
    catia::Connection otherConnection{planwright::connectionPolicy(), catia, noDialog};
    MainFrm f(otherConnection, noDialog);
    f.cmdRun.setEnabled(false);
    f.cmdFolderSel_Click();
    EXPECT_TRUE(f.lstParts.items().empty());
    EXPECT_TRUE(f.cmdRun.enabled());
    EXPECT_TRUE(messages().empty());
}

// ---- Display texts and colliding files ----------------------------------------------------

TEST_F(WorkListTest, LongPathsAreShownByTheirLast45Characters) {
    start();
    const std::string exactly45 = "D:\\models\\" + std::string(27, 'p') + ".CATPart";
    const std::string chinese46 = "D:\\模型\\" + std::string(28, 'q') + "零件名称.CATPart";  // 46 characters
    ASSERT_EQ(exactly45.size(), 45u);
    ASSERT_EQ(sharedTail.size(), 45u);
    pickFiles({exactly45, chinese46});
    EXPECT_EQ(lines(), (std::vector<std::string>{exactly45, "..:\\模型\\" + std::string(28, 'q') + "零件名称.CATPart"}));
    EXPECT_EQ(pathsByLine(), (std::vector<std::string>{exactly45, chinese46}));
}

TEST_F(WorkListTest, AFileWhoseShortTextIsTakenIsListedWithACounter) {
    start();
    const std::string thirdTwin = "E:\\archive\\2019" + sharedTail;
    pickFiles({firstTwin, secondTwin, thirdTwin});
    EXPECT_EQ(lines(), (std::vector<std::string>{twinText, twinText + " (2)", twinText + " (3)"}));
    EXPECT_EQ(pathsByLine(), (std::vector<std::string>{firstTwin, secondTwin, thirdTwin}));

    // Each of them again, also spelled in another letter case, is the same file: refused.
    pickFiles({secondTwin, firstTwin, "d:\\PROJECTS\\omega" + sharedTail});
    EXPECT_EQ(lines().size(), 3u);
}

TEST_F(WorkListTest, TheWindowPickMendsCollisionsToo) {
    catia.addDocument("ProductDocument", "D:\\models\\Assy.CATProduct", "D:\\models");
    start();
    catia.passes.push_back({"Cancel", {firstTwin, secondTwin, secondTwin}});
    form->cmdWinSel_Click();
    EXPECT_EQ(pathsByLine(), (std::vector<std::string>{firstTwin, secondTwin}));

    openPart("E:\\archive\\2019" + sharedTail);
    form->cmdWinSel_Click();
    EXPECT_EQ(lines().back(), twinText + " (3)");
    EXPECT_EQ(messages().back(), programTitle + "|当前零件已经加入到自动投图待操作清单！|0");
}

TEST_F(WorkListTest, AMarkedEntryStillLeadsToItsFileAndCanBeRemoved) {
    start();
    pickFiles({firstTwin, secondTwin, "D:\\models\\C.CATPart"});
    // What the batch does with a failed line: the key and the line get the mark.
    const std::string marked = form->lstParts.list(1) + "-出现错误!";
    form->dicParts.Key(form->lstParts.list(1), marked);
    form->lstParts.setList(1, marked);
    EXPECT_EQ(pathsByLine(), (std::vector<std::string>{firstTwin, secondTwin, "D:\\models\\C.CATPart"}));
    EXPECT_EQ(form->lstParts.list(1), twinText + " (2)-出现错误!");

    form->lstParts.setSelected(1, true);
    form->cmdDelSel_Click();
    EXPECT_EQ(pathsByLine(), (std::vector<std::string>{firstTwin, "D:\\models\\C.CATPart"}));
    // The freed counter can be used again.
    pickFiles({secondTwin});
    EXPECT_EQ(lines().back(), twinText + " (2)");
}

// ---- Removing -----------------------------------------------------------------------------

TEST_F(WorkListTest, RemovingSelectedLinesKeepsTheOthersInOrder) {
    start();
    pickFiles({"D:\\m\\A.CATPart", "D:\\m\\B.CATPart", "D:\\m\\C.CATPart", "D:\\m\\D.CATPart", "D:\\m\\E.CATPart"});
    form->lstParts.setSelected(0, true);
    form->lstParts.setSelected(2, true);
    form->lstParts.setSelected(3, true);
    form->cmdDelSel.click();
    EXPECT_EQ(lines(), (std::vector<std::string>{"D:\\m\\B.CATPart", "D:\\m\\E.CATPart"}));
    EXPECT_EQ(keys(), lines());
    EXPECT_TRUE(form->lstParts.selectedIndexes().empty());

    form->cmdDelSel_Click();  // nothing selected: nothing removed
    EXPECT_EQ(lines().size(), 2u);
    pickFiles({"D:\\m\\A.CATPart"});
    EXPECT_EQ(lines(), (std::vector<std::string>{"D:\\m\\B.CATPart", "D:\\m\\E.CATPart", "D:\\m\\A.CATPart"}));
}

TEST_F(WorkListTest, RemovingAllEmptiesBothStores) {
    start();
    pickFiles({"D:\\m\\A.CATPart", "D:\\m\\B.CATPart"});
    form->cmdDelAll.click();
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(form->dicParts.Count(), 0u);
    pickFiles({"D:\\m\\B.CATPart"});
    EXPECT_EQ(lines(), std::vector<std::string>{"D:\\m\\B.CATPart"});
}

}  // namespace
}  // namespace qvl::planwright::testing
