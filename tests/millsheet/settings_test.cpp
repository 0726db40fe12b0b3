// The settings file: what "设为默认" writes and what start-up reads back.

#include "tests/millsheet/millsheet_fixture.h"

namespace qvl::millsheet::testing {
namespace {

class SettingsTest : public MillsheetTest {
protected:
    SettingsTest() {
        catia.addProduct("Housing.1");
        catia.openProcess();
    }
    std::vector<ui::Control*> tickBoxes(MainFrm3& f) {
        return {&f.chkItemNo1,  &f.chkProgNo1,  &f.chkDes1,      &f.chkToolAss1, &f.chkToolNo1, &f.chkToolName1,
                &f.chkDiaR1,    &f.chkWorkL1,   &f.chkBufferS1,  &f.chkBufferB1, &f.chkQuality1, &f.chkSpindle1,
                &f.chkFeedRate1, &f.chkTime1,   &f.chkMerg,      &f.chkMergeTime};
    }
    std::vector<int> tickValues(MainFrm3& f) {
        std::vector<int> values;
        for (ui::Control* box : tickBoxes(f)) values.push_back(box->value());
        return values;
    }
};

TEST_F(SettingsTest, SavedOptionsComeBackWholeAfterARestart) {
    MainFrm3& f = start();
    const std::vector<int> ticks{1, 0, 1, 1, 0, 2, 0, 1, 1, 0, 1, 0, 1, 1, 0, 2};
    const std::vector<ui::Control*> boxes = tickBoxes(f);
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i]->setValue(ticks[i]);
    // Notes of several lines, longer than a profile value of 255 bytes.
    std::string notes = "技术要求：\r\n";
    for (int i = 1; i <= 12; ++i) notes += std::to_string(i) + ". 未注倒角C0.5，锐边去毛刺，表面无划伤。\r\n";
    notes += "  末行带空格  ";
    ASSERT_GT(text::utf8ToGbk(notes).size(), 255u);
    f.txtTecNotes11.setText(notes);
    f.txtNCMade1.setText("张三");
    f.txtCheck1.setText(" 李四 ");
    f.txtApproval1.setText("王五");
    f.txtMachine1.setText("not saved");
    f.SaveConf.click();

    MainFrm3& again = start();
    EXPECT_EQ(tickValues(again), ticks);
    EXPECT_EQ(again.txtTecNotes11.text(), notes);
    EXPECT_EQ(again.txtNCMade1.text(), "张三");
    EXPECT_EQ(again.txtCheck1.text(), " 李四 ");
    EXPECT_EQ(again.txtApproval1.text(), "王五");
    EXPECT_EQ(again.txtMachine1.text(), "-");
    EXPECT_TRUE(messages().empty());
}

TEST_F(SettingsTest, TheFileHoldsOneLinePerKeyInOrderAndKeepsOtherSections) {
    writeSettings("[自动投图]\r\n设计S=x\r\n");
    MainFrm3& f = start();
    f.txtTecNotes11.setText("第一行\r\n第二行");
    f.txtNCMade1.setText("张三");
    f.SaveConf.click();
    EXPECT_EQ(settingsText(),
              "[自动投图]\r\n设计S=x\r\n[生成加工单Drw]\r\n序号=0\r\n程序名=1\r\n加工描述=0\r\n刀库名称=0\r\n刀号=1\r\n"
              "刀具名称=1\r\n直径/R角=1\r\n刃长/装刀长=1\r\n侧余量=0\r\n底余量=0\r\n加工类型=0\r\n主轴转速=0\r\n"
              "进给=0\r\n理论时间=0\r\n合并显示数据=1\r\n按程序汇总时间=1\r\n"
              "技术要求=\\:第一行\\r\\n第二行\r\n编程=张三\r\n审核=-\r\n批准=-\r\n");
}

TEST_F(SettingsTest, AFileWrittenTheOldWayReadsAsBefore) {
    writeSettings(
        "[生成加工单Drw]\r\n序号=1\r\n理论时间=1\r\n合并显示数据=0\r\n技术要求=未注公差按GB/T1804-m\r\n"
        "编程=D:\\nc\\n1\r\n审核=\"引号\"\r\n");
    MainFrm3& f = start();
    EXPECT_EQ(f.chkItemNo1.value(), 1);
    EXPECT_EQ(f.chkTime1.value(), 1);
    EXPECT_EQ(f.chkMerg.value(), 0);
    EXPECT_EQ(f.chkProgNo1.value(), 1);  // not in the file: as the window starts
    EXPECT_EQ(f.txtTecNotes11.text(), "未注公差按GB/T1804-m");
    EXPECT_EQ(f.txtNCMade1.text(), "D:\\nc\\n1");
    EXPECT_EQ(f.txtCheck1.text(), "引号");
    EXPECT_EQ(f.txtApproval1.text(), "-");
}

TEST_F(SettingsTest, EmptyValuesAndAMissingFileLeaveTheInitialState) {
    MainFrm3& plain = start();
    const std::vector<int> initial = tickValues(plain);
    writeSettings("[生成加工单Drw]\r\n序号=\r\n编程=\r\n");
    MainFrm3& f = start();
    EXPECT_EQ(tickValues(f), initial);
    EXPECT_EQ(f.txtNCMade1.text(), "-");
}

TEST_F(SettingsTest, ATickValueThatIsNotZeroOneOrTwoEndsTheLoadingThere) {
    MainFrm3& plain = start();
    const std::vector<int> initial = tickValues(plain);
    for (const char* bad : {"5", "-1", "abc", "1x", "99999"}) {
        SCOPED_TRACE(bad);
        writeSettings(std::string("[生成加工单Drw]\r\n序号=1\r\n程序名=0\r\n加工描述=") + bad +
                      "\r\n刀库名称=1\r\n编程=张三\r\n");
        MainFrm3& f = start(false);
        std::vector<int> expected = initial;
        expected[0] = 1;
        expected[1] = 0;
        EXPECT_EQ(tickValues(f), expected);
        EXPECT_EQ(f.txtNCMade1.text(), "-");
        EXPECT_TRUE(messages().empty());
    }
}

TEST_F(SettingsTest, TickValuesAreRoundedToTheNearestIntegerHalvesToEven) {
    writeSettings("[生成加工单Drw]\r\n序号=1.5\r\n程序名=0.4\r\n加工描述= 2 \r\n刀库名称=2.5\r\n");
    MainFrm3& f = start();
    EXPECT_EQ(f.chkItemNo1.value(), 2);
    EXPECT_EQ(f.chkProgNo1.value(), 0);
    EXPECT_EQ(f.chkDes1.value(), 2);
    EXPECT_EQ(f.chkToolAss1.value(), 2);
}

}  // namespace
}  // namespace qvl::millsheet::testing
