// CATIA's reorder dialog as real windows of simcatia.exe (after the control request "windows"),
// found and worked from this process with FindWindowW and SendMessageW as Orderloom.exe does.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "common/automation/variant.h"
#include "common/catia/connection.h"
#include "orderloom/connection_policy.h"
#include "orderloom/dialog_controls.h"
#include "orderloom/dialog_handles.h"
#include "orderloom/main_form.h"
#include "sample_world.h"
#include "sim/com_server/catia_process.h"
#include "win32/automation/com_object_factory.h"
#include "win32/base/com_apartment.h"
#include "win32/base/wide_text.h"
#include "win32/platform/win32_services.h"
#include "win32/winmsg/win32_window_messages.h"

namespace qvl::win32 {
namespace {

namespace fs = std::filesystem;
using automation::Object;
using automation::Variant;
using platform::Json;
using Names = std::vector<std::string>;

const std::string caption = "图形树重新排序";

// The system's services, with message boxes recorded instead of shown.
class RecordingServices : public Win32Services {
public:
    int messageBox(const std::string& text, const std::string& caption, int) override {
        shown.push_back(text + "|" + caption);
        return platform::mb::answerOk;
    }
    std::vector<std::string> shown;
};

HWND hwndOf(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

std::string classOf(WindowHandle window) {
    wchar_t name[64] = {};
    GetClassNameW(hwndOf(window), name, 64);
    return toUtf8(name);
}

// A running simulated CATIA whose dialogs are real windows, over a copy of the sample world
// with one more assembly whose instances have Chinese names; Orderloom's window on it.
class RealReorderDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(sampleWorldFolder().empty()) << "run from inside the source tree";
        workspace_.emplace("qvl-dialog");
        std::ofstream(workspace_->path() / "D" / "models" / "assembly" / "Stand.CATProduct", std::ios::binary)
            << R"({ "kind": "Product", "partNumber": "Stand", "nomenclature": "", "definition": "",
  "mass": 1, "volume": 1, "wetArea": 1,
  "children": [ { "name": "轴承.1", "file": "../Shaft.CATPart", "offset": [0, 0, 0] },
                { "name": "支座 左.1", "file": "../支座 左.CATPart", "offset": [0, 0, 0] },
                { "name": "Bracket.1", "file": "../Bracket.CATPart", "offset": [0, 0, 0] } ] })";
        process_ = std::make_unique<simcatia::CatiaProcess>(workspace_->path());
        EXPECT_EQ(control({{"op", "windows"}}), Json(nullptr));
    }
    void TearDown() override {
        process_.reset();
        workspace_.reset();
    }

    Json control(Json request) { return process_->request(request); }
    void open(const std::string& path) { control({{"op", "open"}, {"path", path}}); }
    Names childNames(const std::string& document) {
        const Json dump = control({{"op", "dumpdocument"}, {"name", document}});
        Names names;
        for (const Json& child : dump.at("content").at("children")) {
            names.push_back(child.at("name").get<std::string>());
        }
        return names;
    }
    // CATIA's reorder command for the active document's root product, started over COM.
    void startReorderCommand() {
        Object catia = factory_.getActiveObject("CATIA.Application");
        Object document = catia.get("ActiveDocument").object();
        Object selection = document.get("Selection").object();
        selection.call("Clear");
        selection.call("Add", {Variant(document.get("Product").object())});
        catia.call("StartCommand", {Variant(caption)});
    }
    // The dialog once it stands, or 0 after `seconds`.
    WindowHandle waitForDialog(double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        do {
            if (WindowHandle dialog = windows_.findWindow(std::nullopt, caption)) return dialog;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } while (std::chrono::steady_clock::now() < end);
        return 0;
    }

    ComApartment apartment_;
    ComObjectFactory factory_;
    RecordingServices services_;
    Win32WindowMessages windows_;
    catia::Connection connection_{orderloom::connectionPolicy(), factory_, services_};
    orderloom::MainForm form_{connection_, services_, windows_};
    std::optional<SampleWorkspace> workspace_;
    std::unique_ptr<simcatia::CatiaProcess> process_;
};

TEST_F(RealReorderDialog, OrderloomSortsAnAssemblyAndItsSubAssembliesThroughIt) {
    open("D:\\models\\assembly\\Gearbox.CATProduct");
    control({{"op", "pick"}, {"kind", "normal"}, {"paths", {"Gearbox"}}});
    form_.chkLevel.setValue(1);
    form_.cmdZA_Click();

    EXPECT_EQ(services_.shown, Names{"排序完成,记得保存!|Quorvel工具箱CATIA版"});
    EXPECT_EQ(childNames("Gearbox.CATProduct"), (Names{"Shaft.1", "Housing.1", "Drive.1", "Bracket.1"}));
    EXPECT_EQ(childNames("Drive.CATProduct"), (Names{"Flange.1", "bracket.3", "Bracket.2"}));
    // The last pass found every window, in simcatia's process, and OK closed the dialog.
    const orderloom::DialogHandles& found = form_.dialogHandles();
    EXPECT_TRUE(found.complete());
    DWORD owner = 0;
    GetWindowThreadProcessId(hwndOf(found.dialog), &owner);
    EXPECT_NE(owner, GetCurrentProcessId());
    EXPECT_FALSE(IsWindow(hwndOf(found.dialog)));
    EXPECT_EQ(windows_.findWindow(std::nullopt, caption), 0);
}

TEST_F(RealReorderDialog, ItsWindowsAreStandardControlsThatAnswerInUtf16) {
    open("D:\\models\\assembly\\Stand.CATProduct");
    startReorderCommand();
    const WindowHandle dialog = waitForDialog(10);
    ASSERT_NE(dialog, 0);
    EXPECT_TRUE(IsWindowVisible(hwndOf(dialog)));
    const orderloom::DialogHandles h =
        orderloom::FindDialogChildren(windows_, dialog, orderloom::DialogLabels::chinese());
    ASSERT_TRUE(h.complete());
    EXPECT_EQ(classOf(dialog), "#32770");
    EXPECT_EQ(classOf(h.frameWindow), "CATDlgFrame");
    EXPECT_EQ(classOf(h.itemList), "ListBox");
    EXPECT_EQ(classOf(h.okButton), "Button");

    EXPECT_EQ(windows_.sendMessage(h.itemList, winmsg::msg::lbGetCount, 0, 0), 3);
    EXPECT_EQ(orderloom::GetListItemText(windows_, h.itemList, 1), "支座 左.1");
    // Straight from the list box, the length is in UTF-16 units and the text ends in a zero.
    EXPECT_EQ(SendMessageW(hwndOf(h.itemList), LB_GETTEXTLEN, 0, 0), 4);
    wchar_t text[16];
    std::fill(std::begin(text), std::end(text), L'#');
    EXPECT_EQ(SendMessageW(hwndOf(h.itemList), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text)), 4);
    EXPECT_EQ(std::wstring(text), L"\u8f74\u627f.1");
    EXPECT_EQ(SendMessageW(hwndOf(h.itemList), LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text)), LB_ERR);

    // The last item goes up to the top; a person's click on OK (the button's own mouse
    // messages) commits it and closes the dialog.
    orderloom::ClickListItem(windows_, h.itemList, 2);
    EXPECT_EQ(windows_.sendMessage(h.itemList, winmsg::msg::lbGetCurSel, 0, 0), 2);
    orderloom::ClickButton(windows_, h.moveUpButton, 2);
    EXPECT_EQ(orderloom::GetListItemText(windows_, h.itemList, 0), "Bracket.1");
    EXPECT_EQ(childNames("Stand.CATProduct"), (Names{"轴承.1", "支座 左.1", "Bracket.1"})) << "not yet applied";
    SendMessageW(hwndOf(h.okButton), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(hwndOf(h.okButton), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(childNames("Stand.CATProduct"), (Names{"Bracket.1", "轴承.1", "支座 左.1"}));
    EXPECT_FALSE(IsWindow(hwndOf(dialog)));
}

TEST_F(RealReorderDialog, OrderloomSortsChineseNamesByTheirCharacters) {
    open("D:\\models\\assembly\\Stand.CATProduct");
    control({{"op", "pick"}, {"kind", "normal"}, {"paths", {"Stand"}}});
    form_.setSortPace(orderloom::SortPace::Quick);
    form_.cmdAZ_Click();
    EXPECT_EQ(services_.shown, Names{"排序完成,记得保存!|Quorvel工具箱CATIA版"});
    EXPECT_EQ(childNames("Stand.CATProduct"), (Names{"Bracket.1", "支座 左.1", "轴承.1"}));
}

TEST_F(RealReorderDialog, AppearsOnlyAfterItsDelayInRealSeconds) {
    open("D:\\models\\assembly\\Gearbox.CATProduct");
    control({{"op", "dialogdelay"}, {"seconds", 2.5}});
    const auto start = std::chrono::steady_clock::now();
    startReorderCommand();
    EXPECT_EQ(windows_.findWindow(std::nullopt, caption), 0);
    const WindowHandle dialog = waitForDialog(15);
    const std::chrono::duration<double> waited = std::chrono::steady_clock::now() - start;
    ASSERT_NE(dialog, 0);
    EXPECT_GE(waited.count(), 2.45);
    // A new command closes it.
    startReorderCommand();
    EXPECT_FALSE(IsWindow(hwndOf(dialog)));
}

}  // namespace
}  // namespace qvl::win32
