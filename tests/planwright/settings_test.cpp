#include <gtest/gtest.h>

#include <string>

#include "common/profile/profile_text.h"
#include "tests/planwright/window_fixture.h"

namespace qvl::planwright::testing {
namespace {

class SettingsTest : public WindowTest {
protected:
    void SetUp() override { openPart("D:\\models\\Bracket.CATPart"); }

    // The sixteen controls' states in key order, for comparing whole windows.
    static std::vector<std::string> optionState(const MainFrm& f) {
        return {std::to_string(f.op1st.value()) + std::to_string(f.op3rd.value()),
                std::to_string(f.chkUserAxis.value()),
                std::to_string(f.chkMutiBodies.value()),
                f.cbxlstSize.text(),
                std::to_string(f.chkAddFrm.value()),
                std::to_string(f.chkAddDes.value()),
                f.txtVdis.text(),
                std::to_string(f.opOut1.value()) + std::to_string(f.opOut2.value()) + std::to_string(f.opOut3.value()),
                f.txtSuf.text(),
                std::to_string(f.chkNotes.value()),
                f.cbxNotes.text(),
                std::to_string(f.chkDesigner.value()),
                f.txtDesigner.text(),
                std::to_string(f.chkDrawner.value()),
                f.txtDrawner.text(),
                std::to_string(f.chkDwg.value())};
    }
    std::vector<std::string> initialState() {
        RecordingMainFrm fresh(connection, services);
        return optionState(fresh);
    }
    // The state after start-up with the settings file as it stands.
    std::vector<std::string> loadedState() { return optionState(start()); }
};

// ---- Saving and loading -------------------------------------------------------------------

TEST_F(SettingsTest, SavedOptionsComeBackAfterARestart) {
    MainFrm& f = start();
    f.op3rd.click();
    f.chkUserAxis.setValue(1);
    f.chkMutiBodies.setValue(0);
    f.cbxlstSize.setText("A3");
    f.chkAddFrm.setValue(0);
    f.chkAddDes.setValue(2);
    f.txtVdis.setText("25.5");
    f.opOut2.click();
    f.txtSuf.setText("_图");
    f.chkNotes.setValue(0);
    f.cbxNotes.setText("Notes_Cust");
    f.chkDesigner.setValue(0);
    f.txtDesigner.setText("张三");
    f.chkDrawner.setValue(0);
    f.txtDrawner.setText("李四 Li");
    f.chkDwg.setValue(1);
    f.chkDate.setValue(0);
    f.txtDate.setText("1999/1/1");
    const auto saved = optionState(f);
    f.SaveConf.click();
    EXPECT_TRUE(messages().empty());

    MainFrm& again = start();
    EXPECT_EQ(optionState(again), saved);
    // Not part of the settings: the date option and text, the output folder.
    EXPECT_EQ(again.chkDate.value(), 1);
    EXPECT_EQ(again.txtDate.text(), "2026/12/7");
    EXPECT_EQ(again.lblOutFolder2.caption(), "D:\\models");
}

TEST_F(SettingsTest, SavingWritesTheSixteenKeysInOrderAsGbk) {
    MainFrm& f = start();
    f.txtDesigner.setText("王五");
    f.SaveConf_Click();
    EXPECT_EQ(settingsText(),
              "[自动投图]\r\n投影视角=1\r\n用户轴系优先=0\r\n实体作为零件处理=1\r\n图纸幅面不超过=A0\r\n添加图框=1\r\n"
              "添加长宽高=1\r\n视图间距=40\r\n输出单多页=3\r\n文件后缀=\r\n插入技术要求=1\r\n"
              "插入技术要求S=Notes_General\r\n设计=1\r\n设计S=王五\r\n绘图=1\r\n绘图S=-\r\n投影完成后导出DWG=0\r\n");
    const std::string bytes = disk.readFile("C:\\QVL\\Conf1.ini").value();
    EXPECT_NE(bytes.find(text::utf8ToGbk("设计S=王五")), std::string::npos);
}

TEST_F(SettingsTest, SavingKeepsOtherSectionsAndKeys) {
    writeSettings("; notes\r\n[其他]\r\nA=1\r\n[自动投图]\r\n投影视角=1\r\n视图间距=10\r\n自定义=保留\r\n[尾]\r\nB=2\r\n");
    MainFrm& f = start();
    EXPECT_EQ(f.txtVdis.text(), "10");
    f.txtVdis.setText("15");
    f.SaveConf_Click();
    const std::string written = settingsText();
    for (const char* kept : {"; notes\r\n", "[其他]\r\nA=1\r\n", "自定义=保留\r\n", "[尾]\r\nB=2\r\n"}) {
        EXPECT_NE(written.find(kept), std::string::npos) << kept;
    }
    EXPECT_EQ(profile::readProfileString(disk.readFile("C:\\QVL\\Conf1.ini").value(), "自动投图", "视图间距", ""), "15");
}

TEST_F(SettingsTest, AFailingWriteIsSilent) {
    form = std::make_unique<RecordingMainFrm>(connection, services, "E:\\nowhere");
    windows.show(*form);
    const auto before = transcript.events().size();
    form->txtVdis.setText("99");
    form->SaveConf_Click();
    EXPECT_EQ(transcript.events().size(), before);
    EXPECT_FALSE(disk.fileExists("E:\\nowhere\\Conf1.ini"));
    EXPECT_EQ(form->txtVdis.text(), "99");
}

TEST_F(SettingsTest, TextsWithBlanksAroundThemReadBackWhole) {
    MainFrm& f = start();
    f.txtSuf.setText(" -A");
    f.txtDesigner.setText("\"引号\"");
    f.SaveConf_Click();
    MainFrm& again = start();
    EXPECT_EQ(again.txtSuf.text(), " -A");
    EXPECT_EQ(again.txtDesigner.text(), "\"引号\"");
}

// ---- Loading rules ------------------------------------------------------------------------

TEST_F(SettingsTest, MissingFileOrSectionKeepsEveryInitialState) {
    const auto initial = initialState();
    EXPECT_EQ(loadedState(), initial);

    writeSettings("[另一个]\r\n投影视角=3\r\n");
    EXPECT_EQ(loadedState(), initial);

    writeSettings("[自动投图]\r\n");  // the loading ends at the first key
    EXPECT_EQ(loadedState(), initial);
}

TEST_F(SettingsTest, ProjectionMethodSelectsThirdAngleOnlyForThree) {
    writeSettings("[自动投图]\r\n投影视角=3\r\n输出单多页=3\r\n");
    EXPECT_EQ(start().op3rd.value(), 1);
    for (const char* other : {"1", "0", "7", " 1 "}) {
        writeSettings(std::string("[自动投图]\r\n投影视角=") + other + "\r\n输出单多页=3\r\n");
        MainFrm& f = start();
        EXPECT_EQ(f.op1st.value(), 1) << other;
        EXPECT_EQ(f.op3rd.value(), 0) << other;
    }
}

TEST_F(SettingsTest, OutputModeValues) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"1", "100"}, {"2", "010"}, {"3", "001"}, {"0", "001"}, {"7", "001"}, {"2.0", "010"}, {"-1", "001"}};
    for (const auto& [value, expected] : cases) {
        writeSettings("[自动投图]\r\n投影视角=1\r\n输出单多页=" + value + "\r\n");
        EXPECT_EQ(loadedState()[7], expected) << value;
    }
}

TEST_F(SettingsTest, AValueThatIsNoNumberEndsTheLoadingAtItsKey) {
    const auto initial = initialState();
    struct Case {
        std::string file;
        std::size_t appliedKeys;  // keys before the one that ends the loading
    };
    const std::string head = "[自动投图]\r\n投影视角=3\r\n用户轴系优先=1\r\n实体作为零件处理=0\r\n图纸幅面不超过=A2\r\n";
    const std::string rest = "视图间距=30\r\n输出单多页=1\r\n文件后缀=_x\r\n";
    const std::vector<Case> cases{
        {"[自动投图]\r\n投影视角=\r\n用户轴系优先=1\r\n", 0},      // empty option value
        {"[自动投图]\r\n投影视角=abc\r\n用户轴系优先=1\r\n", 0},   // not a number
        {head + "添加图框=是\r\n" + rest, 4},                      // check box: not a number
        {head + "添加图框=3\r\n" + rest, 4},                       // check box: no such state
        {head + "添加图框=-1\r\n" + rest, 4},
        {head + "添加图框=99999\r\n" + rest, 4},                   // beyond a 16-bit integer
        {head + "添加图框=0\r\n添加长宽高=0\r\n视图间距=30\r\n输出单多页=\r\n文件后缀=_x\r\n", 7},
    };
    const std::vector<std::string> loaded{"01", "1", "0", "A2", "0", "0", "30"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        writeSettings(c.file);
        const auto state = loadedState();
        for (std::size_t key = 0; key < state.size(); ++key) {
            if (key < c.appliedKeys) {
                EXPECT_EQ(state[key], loaded[key]) << "key " << key;
            } else {
                EXPECT_EQ(state[key], initial[key]) << "key " << key;
            }
        }
    }
}

TEST_F(SettingsTest, EmptyValuesKeepTheControlsState) {
    writeSettings("[自动投图]\r\n投影视角=1\r\n用户轴系优先=\r\n实体作为零件处理=\r\n图纸幅面不超过=\r\n添加图框=\r\n"
                  "添加长宽高=\r\n视图间距=\r\n输出单多页=2\r\n文件后缀=\r\n插入技术要求=\r\n插入技术要求S=\r\n设计=\r\n"
                  "设计S=\r\n绘图=\r\n绘图S=\r\n投影完成后导出DWG=1\r\n");
    auto expected = initialState();
    expected[7] = "010";
    expected[15] = "1";
    EXPECT_EQ(loadedState(), expected);
}

TEST_F(SettingsTest, CheckBoxValuesAreRoundedToIntegers) {
    writeSettings("[自动投图]\r\n投影视角=1\r\n用户轴系优先=1.4\r\n实体作为零件处理=2\r\n图纸幅面不超过=A1\r\n"
                  "添加图框=0.5\r\n添加长宽高=1.5\r\n");
    const auto state = loadedState();
    EXPECT_EQ(state[1], "1");
    EXPECT_EQ(state[2], "2");
    EXPECT_EQ(state[3], "A1");
    EXPECT_EQ(state[4], "0");  // halves go to the even integer
    EXPECT_EQ(state[5], "2");
}

TEST_F(SettingsTest, LongValuesAreReadAsTheirFirst255Bytes) {
    const std::string chinese(300, 'x');
    // 200 two-byte characters: 400 bytes of GBK, cut after 127 characters and half of one.
    std::string designer;
    for (int i = 0; i < 200; ++i) designer += "设";
    writeSettings("[自动投图]\r\n投影视角=1\r\n视图间距=" + std::string(1 << 20, '7') + "\r\n输出单多页=2\r\n文件后缀=" +
                  chinese + "\r\n设计S=" + designer + "\r\n");
    MainFrm& f = start();
    EXPECT_EQ(f.txtVdis.text(), std::string(255, '7'));
    EXPECT_EQ(f.opOut2.value(), 1);
    EXPECT_EQ(f.txtSuf.text(), std::string(255, 'x'));
    std::string cut;
    for (int i = 0; i < 127; ++i) cut += "设";
    EXPECT_EQ(f.txtDesigner.text(), cut + "?");
}

TEST_F(SettingsTest, GarbageAndInvalidGbkDoNotBreakTheStartUp) {
    const auto initial = initialState();
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
    writeSettingsBytes(garbage);
    EXPECT_EQ(loadedState(), initial);

    // A section with undecodable bytes in a text and in a number.
    writeSettingsBytes(text::utf8ToGbk("[自动投图]\r\n投影视角=1\r\n输出单多页=1\r\n文件后缀=") + "\xFF\x81" +
                       text::utf8ToGbk("\r\n设计S=") + "\x81\x20" + text::utf8ToGbk("\r\n绘图=") + "\xFE" +
                       text::utf8ToGbk("\r\n"));
    MainFrm& f = start();
    EXPECT_EQ(f.opOut1.value(), 1);
    EXPECT_EQ(f.txtSuf.text(), "??");
    EXPECT_FALSE(f.txtDesigner.text().empty());
    EXPECT_EQ(f.chkDrawner.value(), 1);  // the loading ended at "绘图"
    EXPECT_EQ(f.chkDwg.value(), 0);
    EXPECT_EQ(f.lblOutFolder2.caption(), "D:\\models");  // the start-up ran to its end
    EXPECT_TRUE(services.isTopMost(f.hWnd()));
}

}  // namespace
}  // namespace qvl::planwright::testing
