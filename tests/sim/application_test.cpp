#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {
namespace {

using automation::errc::serverFailure;

using ApplicationTest = SimTest;

TEST_F(ApplicationTest, StatusBarShowsTheLanguagesPromptUnlessSet) {
    Object app = catia();
    EXPECT_EQ(app.get("StatusBar").toString(), "选择对象或命令");
    sim.setLanguage(Language::English);
    EXPECT_EQ(app.get("StatusBar").toString(), "Select an object or a command");
    sim.setStatusBar("  ready");
    EXPECT_EQ(app.get("StatusBar").toString(), "  ready");
    app.put("StatusBar", "正在计算");
    EXPECT_EQ(app.get("StatusBar").toString(), "正在计算");
}

TEST_F(ApplicationTest, SettingsKeepWhatIsPut) {
    Object app = catia();
    EXPECT_TRUE(app.get("DisplayFileAlerts").toBool());
    app.put("DisplayFileAlerts", false);
    EXPECT_FALSE(sim.dumpCatia()["displayFileAlerts"].get<bool>());
    sim.setDisplayFileAlerts(true);
    EXPECT_TRUE(app.get("displayfilealerts").toBool());

    app.put("refreshdisplay", false);
    EXPECT_FALSE(app.get("RefreshDisplay").toBool());

    Object controller = app.get("SettingControllers").object().call("Item", {Variant("CATSysCacheSettingCtrl")}).object();
    EXPECT_EQ(controller.typeName(), "CacheSettingAtt");
    controller.put("ActivationMode", 1);
    Object again = app.get("SettingControllers").object().call("Item", {Variant("CATSysCacheSettingCtrl")}).object();
    EXPECT_EQ(again.get("ActivationMode"), Variant(true));
    EXPECT_EQ(errorOf([&] { app.get("SettingControllers").object().call("Item", {Variant("NoSuchCtrl")}); }),
              serverFailure);
}

TEST_F(ApplicationTest, StartCommandIsRecorded) {
    catia().call("StartCommand", {Variant("修改投影平面")});
    EXPECT_EQ(lastEvent(), platform::Json::parse(R"({"event": "command", "name": "修改投影平面"})"));
}

TEST_F(ApplicationTest, WindowsAreCaptionedByTheirDocumentsAndActivateThem) {
    writeWorld();
    Object bracket = open("D:\\models\\Bracket.CATPart");
    Object drawing = documents().call("Add", {Variant("Drawing")}).object();
    Object app = catia();

    Object active = app.get("ActiveWindow").object();
    EXPECT_EQ(active.typeName(), "Window");
    EXPECT_EQ(active.get("Caption").toString(), "Drawing1.CATDrawing");
    EXPECT_EQ(active.get("ActiveViewer").object().typeName(), "Viewer2D");

    Object windows = app.get("Windows").object();
    EXPECT_EQ(windows.get("Count").toLong(), 2);
    Object first = windows.call("Item", {Variant(1)}).object();
    EXPECT_EQ(first.get("Caption").toString(), "Bracket.CATPart");
    EXPECT_EQ(first.typeName(), "SpecsAndGeomWindow");
    first.call("Activate");
    EXPECT_TRUE(activeDocument().is(bracket));
    Object viewer = app.get("ActiveWindow").object().get("ActiveViewer").object();
    EXPECT_EQ(viewer.typeName(), "Viewer3D");
    EXPECT_NO_THROW(viewer.call("Reframe"));

    drawing.call("Close");
    EXPECT_EQ(windows.get("Count").toLong(), 1);
}

}  // namespace
}  // namespace qvl::sim::testing
