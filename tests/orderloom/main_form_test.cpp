#include "orderloom_fixture.h"

namespace qvl::orderloom::testing {
namespace {

TEST_F(OrderloomTest, WindowHoldsTheControlsOfItsTableInOrder) {
    EXPECT_EQ(form.caption(), "图形树重新排序|Orderloom");
    EXPECT_EQ(form.width(), 2190);
    EXPECT_EQ(form.height(), 3855);

    struct Row {
        std::string name;
        ui::ControlKind kind;
        ui::Bounds bounds;
        std::string caption;
        int value;
    };
    std::vector<Row> table = {
        {"cmdAZ", ui::ControlKind::Button, {0, 0, 2175, 615}, "图形树升序排列", 0},
        {"cmdZA", ui::ControlKind::Button, {0, 600, 2175, 615}, "图形树降序排列", 0},
        {"chkLevel", ui::ControlKind::CheckBox, {120, 1320, 1815, 375}, "应用于所有下级", 0},
        {"uiCN", ui::ControlKind::Option, {120, 1800, 1935, 255}, "中文版CATIA", 1},
        {"uiEN", ui::ControlKind::Option, {120, 2040, 1935, 255}, "英文版CATIA", 0},
        {"cmdNumbering", ui::ControlKind::Button, {0, 2400, 2175, 615}, "生成编号", 0},
        {"txtQVL", ui::ControlKind::TextBox, {0, 3240, 2175, 615}, "Quorvel工具箱CATIA版", 0},
        {"lstProd", ui::ControlKind::ListBox, {0, 3960, 1935, 2580}, "", 0},
    };
    ASSERT_EQ(form.controls().size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ui::Control& c = *form.controls()[i];
        SCOPED_TRACE(table[i].name);
        EXPECT_EQ(c.name(), table[i].name);
        EXPECT_EQ(c.kind(), table[i].kind);
        EXPECT_EQ(c.bounds().left, table[i].bounds.left);
        EXPECT_EQ(c.bounds().top, table[i].bounds.top);
        EXPECT_EQ(c.bounds().width, table[i].bounds.width);
        EXPECT_EQ(c.bounds().height, table[i].bounds.height);
        EXPECT_EQ(c.caption(), table[i].caption);
        EXPECT_EQ(c.value(), table[i].value);
    }
    EXPECT_EQ(form.lstProd.listCount(), 0);
    EXPECT_GE(form.lstProd.bounds().top, form.height()) << "the sorting buffer lies below the client area";
}

TEST_F(OrderloomTest, StartUpDetectsCatiasLanguageAndStaysOnTopWithoutActivating) {
    catiaApp().statusBar = "  select an object";  // a Latin letter, after blanks
    start();
    EXPECT_EQ(form.uiEN.value(), 1);
    EXPECT_EQ(form.uiCN.value(), 0);
    EXPECT_EQ(form.dialogLabels(), DialogLabels::english());
    EXPECT_TRUE(services.isTopMost(form.hWnd()));
    EXPECT_EQ(services.lastPlacementFlags, 0x13u);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(form.left(), services.screenWidthTwips() - form.width()) << "moved to the screen's right edge";
}

TEST_F(OrderloomTest, StartUpChoosesChineseForAnyOtherStatusTextAndWithoutCatia) {
    for (std::string status : {"就绪", "3D viewer", ""}) {
        catiaApp().statusBar = status;
        MainForm window(connection, services, windowMessages);
        window.uiEN.setValue(1);  // whatever was chosen before, the detection decides
        window.Form_Load();
        EXPECT_EQ(window.uiCN.value(), 1) << status;
        EXPECT_EQ(window.dialogLabels(), DialogLabels::chinese()) << status;
    }
    factory.catiaRunning = false;
    start();
    EXPECT_EQ(form.uiCN.value(), 1);
    EXPECT_TRUE(messages().empty()) << "Orderloom's attach shows no message";
}

TEST_F(OrderloomTest, LanguageOptionsRefillTheLabelsAtOnce) {
    start();
    form.uiEN.click();
    EXPECT_EQ(form.dialogLabels().dialogCaption, "Graph tree reordering");
    form.uiCN.click();
    EXPECT_EQ(form.dialogLabels().applyButton, "应用");
    form.uiEN.click();
    EXPECT_EQ(form.dialogLabels(), DialogLabels::english());
    EXPECT_EQ(form.uiCN.value(), 0) << "the options form one group";
}

TEST_F(OrderloomTest, NumberingStartsCatiasCommandInTheChosenLanguageWithoutAttaching) {
    start();
    form.cmdNumbering.click();
    form.uiEN.click();
    auto laterDocument = std::make_shared<FakeDocument>(faults);
    catiaApp().document = laterDocument;
    form.cmdNumbering.click();
    EXPECT_EQ(catiaApp().commands, (Names{"生成编号", "Generate Numbering"}));
    EXPECT_FALSE(connection.ActiveDoc.is(automation::Object(laterDocument))) << "no attach before the command";
    EXPECT_TRUE(messages().empty());
}

TEST_F(OrderloomTest, NumberingWithoutCatiaTellsTheUserInsteadOfEndingTheProgram) {
    factory.catiaRunning = false;
    start();
    EXPECT_NO_THROW(form.cmdNumbering.click());
    EXPECT_EQ(messages(), Names{"无法启动CATIA的生成编号命令, 检查下CATIA是否在运行!|Orderloom"});
}

}  // namespace
}  // namespace qvl::orderloom::testing
