// The window: its controls, the start-up sequence, the output folder and the notes commands.

#include <algorithm>

#include "tests/millsheet/millsheet_fixture.h"

namespace qvl::millsheet::testing {
namespace {

using platform::HeadlessServices;

const std::string notProcess = programTitle + "|此命令只能在加工模块中运行！";
const std::string templateMissing =
    programTitle + "|无法取得正确的模板！\r\n请检查C:\\QVL\\Template\\CNCFrame_All.CATDrawing是否做了正确配置.";

class WindowTest : public MillsheetTest {
protected:
    WindowTest() {
        FakeProduct& housing = catia.addProduct("Housing.1");
        housing.partNumber = "HS-100";
        housing.axis("Axis System.1");
        housing.axis("Machining Axis");
        catia.addProduct("Fixture.1");
        catia.openProcess();
    }
};

TEST_F(WindowTest, ControlsStandInsideTheirGroupsWithoutOverlapping) {
    MainFrm3& f = start();
    EXPECT_EQ(f.caption(), "Quorvel工具箱CATIA版 | 生成加工单");
    auto inside = [&](const ui::Control& c) {
        const ui::Bounds& b = c.bounds();
        double width = f.width(), height = f.height();
        if (!c.container().empty()) {
            const ui::Bounds& frame = f.find(c.container())->bounds();
            width = frame.width;
            height = frame.height;
        }
        return b.left >= 0 && b.top >= 0 && b.left + b.width <= width && b.top + b.height <= height;
    };
    auto overlap = [](const ui::Bounds& a, const ui::Bounds& b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    };
    const auto& controls = f.controls();
    for (const auto& c : controls) {
        EXPECT_TRUE(inside(*c)) << c->name();
        if (!c->container().empty()) {
            EXPECT_NE(f.find(c->container()), nullptr) << c->name();
        }
        for (const auto& other : controls) {
            if (other.get() <= c.get() || other->container() != c->container()) continue;
            EXPECT_FALSE(overlap(c->bounds(), other->bounds())) << c->name() << " / " << other->name();
        }
    }
}

TEST_F(WindowTest, TickBoxesNameTheFourteenColumnsInOrderWithTheirInitialState) {
    MainFrm3& f = start();
    std::vector<std::string> captions;
    for (const auto& c : f.controls()) {
        if (c->container() == "frmList1") captions.push_back(c->caption());
    }
    EXPECT_EQ(captions, columnHeaders);
    EXPECT_EQ(f.ColumnKeepList(), (std::vector<int>{0, 1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(f.chkMerg.value(), 1);
    EXPECT_EQ(f.chkMergeTime.value(), 1);
    EXPECT_EQ(f.cmdRun.caption(), "选择程序生成加工单");
    EXPECT_EQ(f.txtMaterial1.text(), "-");
    EXPECT_EQ(f.txtDate3.text(), "-");
    EXPECT_EQ(f.find("lblMaterial1")->caption(), "材  料：");
}

TEST_F(WindowTest, StartUpOnAProcessDocumentFillsPartDataAxisListAndDates) {
    services.setToday("2026/3/9");
    MainFrm3& f = start(false);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(f.txtDate1.text(), "2026/3/9");
    EXPECT_EQ(f.txtDate2.text(), "2026/3/9");
    EXPECT_EQ(f.txtPartName1.text(), "Housing.1");
    EXPECT_EQ(f.txtPartNumber1.text(), "HS-100");
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\nc");
    EXPECT_EQ(f.cmbAxis.items(),
              (std::vector<std::string>{"零件绝对坐标系", "Housing.1/Axis System.1", "Housing.1/Machining Axis"}));
    EXPECT_EQ(f.cmbAxis.text(), "Housing.1/Axis System.1");
    EXPECT_FALSE(f.TemplateFrameView.isNothing());
    EXPECT_EQ(catia.templateReads, 1);
    EXPECT_DOUBLE_EQ(f.StandardScales[6], 1);
    EXPECT_DOUBLE_EQ(f.StandardScales[18], 1.0 / 10000);
    EXPECT_TRUE(services.isTopMost(f.hWnd()));
}

TEST_F(WindowTest, WithoutAxisSystemsTheAbsoluteAxesAreShown) {
    catia.products.front()->axisSystems.clear();
    MainFrm3& f = start();
    EXPECT_EQ(f.cmbAxis.items(), std::vector<std::string>{"零件绝对坐标系"});
    EXPECT_EQ(f.cmbAxis.text(), "零件绝对坐标系");
}

TEST_F(WindowTest, AProcessWithoutProductsKeepsThePartTextsAndOffersTheAbsoluteAxes) {
    catia.products.clear();
    MainFrm3& f = start(false);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(f.txtPartName1.text(), "-");
    EXPECT_EQ(f.txtPartNumber1.text(), "-");
    EXPECT_EQ(f.cmbAxis.items(), std::vector<std::string>{"零件绝对坐标系"});
}

TEST_F(WindowTest, AnotherDocumentKindIsRefusedButTheSettingsAreStillLoaded) {
    writeSettings("[生成加工单Drw]\r\n编程=张工\r\n");
    catia.openPart();
    MainFrm3& f = start(false);
    EXPECT_EQ(messages(), std::vector<std::string>{notProcess});
    EXPECT_EQ(f.txtPartName1.text(), "-");
    EXPECT_EQ(f.cmbAxis.listCount(), 0);
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\models");
    EXPECT_EQ(f.txtNCMade1.text(), "张工");
}

TEST_F(WindowTest, WithoutADocumentTheOutputFolderFallsBack) {
    catia.closeAll();
    MainFrm3& f = start(false);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Quorvel工具箱CATIA版|当前没有活动的CATIA文档", notProcess}));
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\Ferncroft\\QVL_Toolkit_CATIA\\Temp");
    EXPECT_EQ(f.cmbAxis.listCount(), 0);
}

TEST_F(WindowTest, AnUnusableTemplateIsReportedAndTheWindowStillOpens) {
    catia.templateReadable = false;
    MainFrm3& f = start(false);
    EXPECT_EQ(messages(), std::vector<std::string>{templateMissing});
    EXPECT_TRUE(f.TemplateFrameView.isNothing());
    EXPECT_EQ(f.txtPartNumber1.text(), "HS-100");
}

TEST_F(WindowTest, OutputFolderChangesOnlyForAFileSystemFolder) {
    MainFrm3& f = start();
    services.queueFolder({HeadlessServices::FolderAnswer::Kind::Cancel, ""});
    f.cmdChangeDir.click();
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\nc");
    services.queueFolder({HeadlessServices::FolderAnswer::Kind::Virtual, ""});
    f.cmdChangeDir.click();
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\nc");
    services.queueFolder({HeadlessServices::FolderAnswer::Kind::Path, "D:\\out"});
    f.cmdChangeDir.click();
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\out");
    const auto& events = transcript.events();
    const auto folders = std::count_if(events.begin(), events.end(), [](const auto& e) {
        return e["event"] == "folder" && e["title"] == "请选择一个输出目录:";
    });
    EXPECT_EQ(folders, 3);
}

TEST_F(WindowTest, ClickingTheFolderOpensExplorerOnTheUnquotedPath) {
    MainFrm3& f = start();
    f.lblOutFolder2.setCaption("D:\\my out");
    f.lblOutFolder2.click();
    ASSERT_FALSE(transcript.events().empty());
    EXPECT_EQ(transcript.events().back()["event"], "shell");
    EXPECT_EQ(transcript.events().back()["command"], "explorer.exe D:\\my out");
}

TEST_F(WindowTest, NotesButtonsReadTheTemplateEachTimeAndReplaceTheText) {
    MainFrm3& f = start();
    f.txtTecNotes11.setText("typed by the user");
    f.cmdTecNote1.click();
    EXPECT_EQ(f.txtTecNotes11.text(), catia.notes["Notes1"]);
    f.txtTecNotes11.setText("typed again");
    f.cmdTecNote1.click();
    EXPECT_EQ(f.txtTecNotes11.text(), catia.notes["Notes1"]);
    f.cmdTecNote2.click();
    EXPECT_EQ(f.txtTecNotes11.text(), catia.notes["Notes2"]);
    EXPECT_EQ(catia.templateReads, 4);  // start-up and three clicks
    f.find("lblTecNotes1")->dblClick();
    EXPECT_EQ(f.txtTecNotes11.text(), "");
    EXPECT_TRUE(messages().empty());
}

TEST_F(WindowTest, NotesThatTheTemplateLacksLeaveTheBoxAsItIs) {
    MainFrm3& f = start();
    f.txtTecNotes11.setText("mine");
    catia.notes.erase("Notes2");
    f.cmdTecNote2.click();
    EXPECT_EQ(f.txtTecNotes11.text(), "mine");
    catia.templateReadable = false;
    f.cmdTecNote1.click();
    EXPECT_EQ(f.txtTecNotes11.text(), "mine");
    EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace qvl::millsheet::testing
