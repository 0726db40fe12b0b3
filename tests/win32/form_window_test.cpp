// The Win32 window system against the programs' control tables and a small form of its own:
// positions, captions, states and fonts on the screen, and events from window messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "headless/no_catia_factory.h"
#include "common/automation/error.h"
#include "common/catia/window_placement.h"
#include "headless/no_window_messages.h"
#include "millsheet/connection_policy.h"
#include "millsheet/main_frm3.h"
#include "orderloom/connection_policy.h"
#include "orderloom/main_form.h"
#include "planwright/connection_policy.h"
#include "planwright/main_frm.h"
#include "win32/base/wide_text.h"
#include "win32/platform/win32_services.h"
#include "win32/base/program_window.h"
#include "win32/ui/event_guard.h"
#include "win32/ui/form_window.h"
#include "win32/ui/win32_window_system.h"
#include "win32/ui/twips.h"

namespace qvl::win32 {
namespace {

using ui::ControlKind;

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

const wchar_t* classFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::ComboBox: return L"ComboBox";
        case ControlKind::TextBox: return L"Edit";
        case ControlKind::ListBox: return L"ListBox";
        case ControlKind::Label: return L"Static";
        default: return L"Button";
    }
}

// The control's rectangle in the form's client area, in twips, from the tables.
RECT declaredPixels(const ui::Form& form, const ui::Control& control) {
    int left = control.bounds().left;
    int top = control.bounds().top;
    for (const ui::Control* c = form.find(control.container()); c; c = form.find(c->container())) {
        left += c->bounds().left;
        top += c->bounds().top;
    }
    return {twipsToPixels(left, 96), twipsToPixels(top, 96), twipsToPixels(left + control.bounds().width, 96),
            twipsToPixels(top + control.bounds().height, 96)};
}

// Every control of a program's table as a child window: id, class, place, caption, state, font.
void expectFormMatchesTable(ui::Form& form) {
    FormWindow window(form, "test");
    ASSERT_EQ(window.dpi(), 96);
    RECT client{};
    GetClientRect(window.handle(), &client);
    EXPECT_EQ(client.right, twipsToPixels(form.width(), 96));
    EXPECT_EQ(client.bottom, twipsToPixels(form.height(), 96));
    EXPECT_EQ(textOf(window.handle()), toWide(form.caption()));
    for (const auto& control : form.controls()) {
        SCOPED_TRACE(control->name());
        HWND child = GetDlgItem(window.handle(), control->id());
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(classOf(child), classFor(control->kind()));
        RECT shown{};
        GetWindowRect(child, &shown);
        MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&shown), 2);
        RECT declared = declaredPixels(form, *control);
        EXPECT_EQ(shown.left, declared.left);
        EXPECT_EQ(shown.top, declared.top);
        EXPECT_EQ(shown.right, declared.right);
        if (control->kind() != ControlKind::ComboBox) {
            EXPECT_EQ(shown.bottom, declared.bottom);
        }
        if (control->kind() != ControlKind::ListBox) {
            EXPECT_EQ(textOf(child), toWide(control->caption()));
        }
        if (control->kind() == ControlKind::CheckBox || control->kind() == ControlKind::Option) {
            EXPECT_EQ(SendMessageW(child, BM_GETCHECK, 0, 0), control->value());
        }
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(std::wstring(font.lfFaceName), toWide(control->fontName()));
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if (control->kind() == ControlKind::ListBox) {
            EXPECT_EQ((style & LBS_EXTENDEDSEL) != 0, control->style().multiSelect);
        }
        if (control->kind() == ControlKind::TextBox) {
            EXPECT_EQ((style & ES_MULTILINE) != 0, control->style().multiLine);
        }
    }
}

struct ProgramRig {
    Win32Services services;
    automation::NoCatiaFactory factory;
    winmsg::NoWindowMessages windowMessages;
};

TEST(FormWindow, BuildsEachProgramsWindowFromItsTable) {
    ProgramRig rig;
    {
        catia::Connection connection(planwright::connectionPolicy(), rig.factory, rig.services);
        planwright::MainFrm form(connection, rig.services, "C:\\QVL");
        expectFormMatchesTable(form);
    }
    {
        catia::Connection connection(millsheet::connectionPolicy(), rig.factory, rig.services);
        millsheet::MainFrm3 form(connection, rig.services, "C:\\QVL");
        expectFormMatchesTable(form);
    }
    {
        catia::Connection connection(orderloom::connectionPolicy(), rig.factory, rig.services);
        orderloom::MainForm form(connection, rig.services, rig.windowMessages);
        expectFormMatchesTable(form);
    }
}

// A form of one control of each kind that takes input, counting its events.
class SampleForm : public ui::Form {
public:
    SampleForm() : Form("示例", 4000, 3000) {
        for (ui::Control* c : {&cmdGo, &chkOn, &opA, &opB, &lstItems, &cbxPick, &lblPath}) {
            c->onClick = [this, c] { ++clicks[c->name()]; };
        }
        lblPath.onDblClick = [this] { ++clicks["lblPath dbl"]; };
    }
    void Form_Load() override {}

    ui::Control& cmdGo = add({"cmdGo", ControlKind::Button, "", {120, 120, 1200, 375}, "执行"});
    ui::Control& chkOn = add({"chkOn", ControlKind::CheckBox, "", {120, 600, 1500, 375}, "选项", 1});
    ui::Control& opA = add({"opA", ControlKind::Option, "", {120, 1000, 1500, 300}, "甲", 1});
    ui::Control& opB = add({"opB", ControlKind::Option, "", {1800, 1000, 1500, 300}, "乙"});
    ui::Control& txtName = add({"txtName", ControlKind::TextBox, "", {120, 1400, 1500, 375}, "-"});
    ui::Control& lstItems =
        add({"lstItems", ControlKind::ListBox, "", {1800, 1400, 1500, 900}, "", 0, {.multiSelect = true}});
    ui::Control& cbxPick = add({"cbxPick", ControlKind::ComboBox, "", {120, 1900, 1500, 405}, "A0"});
    ui::Control& lblPath = add({"lblPath", ControlKind::Label, "", {120, 2400, 3000, 300}, ""});

    std::map<std::string, int> clicks;
};

HWND childOf(const FormWindow& window, const ui::Control& control) {
    return GetDlgItem(window.handle(), control.id());
}

void notify(const FormWindow& window, const ui::Control& control, WORD code) {
    SendMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(control.id(), code),
                 reinterpret_cast<LPARAM>(childOf(window, control)));
}

TEST(FormWindow, ShowsWhatProgramCodeChanges) {
    SampleForm form;
    FormWindow window(form, "test");
    form.txtName.setText("零件 1");
    EXPECT_EQ(textOf(childOf(window, form.txtName)), L"零件 1");
    form.cmdGo.setCaption("正在进行...");
    EXPECT_EQ(textOf(childOf(window, form.cmdGo)), L"正在进行...");
    form.chkOn.setValue(2);
    EXPECT_EQ(SendMessageW(childOf(window, form.chkOn), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    form.opB.setValue(1);
    EXPECT_EQ(SendMessageW(childOf(window, form.opA), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(childOf(window, form.opB), BM_GETCHECK, 0, 0), BST_CHECKED);
    form.lstItems.addItem("A.CATPart");
    form.lstItems.addItem("零件.CATProduct");
    form.lstItems.setSelected(1, true);
    HWND list = childOf(window, form.lstItems);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list, LB_GETSEL, 0, 0), 0);
    EXPECT_GT(SendMessageW(list, LB_GETSEL, 1, 0), 0);
    form.lstItems.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(list));
    form.move(1500, 750);
    RECT placed{};
    GetWindowRect(window.handle(), &placed);
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.top, 50);
}

TEST(FormWindow, RaisesEachEventOnceForTheUsersAction) {
    SampleForm form;
    FormWindow window(form, "test");
    SendMessageW(childOf(window, form.cmdGo), BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks["cmdGo"], 1);

    // A check box's change raises Click once; the model decides the new state.
    SendMessageW(childOf(window, form.chkOn), BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks["chkOn"], 1);
    EXPECT_EQ(form.chkOn.value(), 0);
    EXPECT_EQ(SendMessageW(childOf(window, form.chkOn), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    SendMessageW(childOf(window, form.opB), BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks["opB"], 1);
    EXPECT_EQ(form.opA.value(), 0);
    EXPECT_EQ(SendMessageW(childOf(window, form.opA), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // Typing reaches the model's text.
    SendMessageW(childOf(window, form.txtName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"设计者"));
    EXPECT_EQ(form.txtName.text(), "设计者");

    form.lstItems.addItem("a");
    form.lstItems.addItem("b");
    form.lstItems.addItem("c");
    HWND list = childOf(window, form.lstItems);
    SendMessageW(list, LB_SETSEL, TRUE, 0);
    SendMessageW(list, LB_SETSEL, TRUE, 2);
    notify(window, form.lstItems, LBN_SELCHANGE);
    EXPECT_EQ(form.lstItems.selectedIndexes(), (std::vector<int>{0, 2}));
    EXPECT_EQ(form.clicks["lstItems"], 1);

    form.cbxPick.addItem("A0");
    form.cbxPick.addItem("A3");
    SendMessageW(childOf(window, form.cbxPick), CB_SETCURSEL, 1, 0);
    notify(window, form.cbxPick, CBN_SELCHANGE);
    EXPECT_EQ(form.cbxPick.text(), "A3");
    EXPECT_EQ(form.clicks["cbxPick"], 1);

    notify(window, form.lblPath, STN_CLICKED);
    notify(window, form.lblPath, STN_DBLCLK);
    EXPECT_EQ(form.clicks["lblPath"], 1);
    EXPECT_EQ(form.clicks["lblPath dbl"], 1);
}

}  // namespace
}  // namespace qvl::win32

namespace qvl::win32 {
namespace {

LRESULT pressKey(const FormWindow& window, WPARAM key) {
    MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    return SendMessageW(window.handle(), navigationMessage(), 0, reinterpret_cast<LPARAM>(&message));
}

TEST(FormWindow, TabFollowsTheDeclaredOrderAndArrowsSetTheNextOption) {
    SampleForm form;
    FormWindow window(form, "test");
    ShowWindow(window.handle(), SW_SHOW);
    SetFocus(childOf(window, form.cmdGo));
    EXPECT_TRUE(pressKey(window, VK_TAB));
    EXPECT_EQ(GetFocus(), childOf(window, form.chkOn));
    pressKey(window, VK_TAB);
    EXPECT_EQ(GetFocus(), childOf(window, form.opA));  // of a group only the set option
    pressKey(window, VK_DOWN);
    EXPECT_EQ(GetFocus(), childOf(window, form.opB));
    EXPECT_EQ(form.opB.value(), 1);
    EXPECT_EQ(form.clicks["opB"], 1);
    pressKey(window, VK_TAB);
    EXPECT_EQ(GetFocus(), childOf(window, form.txtName));
    form.lstItems.setEnabled(false);  // a disabled control is passed over
    pressKey(window, VK_TAB);
    EXPECT_EQ(GetParent(GetFocus()), childOf(window, form.cbxPick));  // the combo's field
    pressKey(window, VK_TAB);
    EXPECT_EQ(GetFocus(), childOf(window, form.cmdGo));  // labels take no focus; round again
    pressKey(window, VK_RETURN);
    EXPECT_EQ(form.clicks["cmdGo"], 1);
}

// Reads the text of the message box that the next modal loop shows, and answers it.
struct MessageBoxReader {
    static inline std::wstring text;
    static void CALLBACK read(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = FindWindowW(L"#32770", L"Planwright");
        if (!box) return;
        KillTimer(nullptr, timer);
        text = textOf(GetDlgItem(box, 0xFFFF));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
};

TEST(EventGuard, ShowsAnUntrappedAutomationErrorAndGoesOn) {
    SetTimer(nullptr, 0, 50, MessageBoxReader::read);
    // Returns once the box is answered: the program goes on.
    runEvent(nullptr, "Planwright", [] { throw automation::Error(91, "Object variable or With block variable not set"); });
    EXPECT_EQ(MessageBoxReader::text, L"Run-time error '91':\r\n\r\nObject variable or With block variable not set");
}

}  // namespace
}  // namespace qvl::win32

namespace qvl::win32 {
namespace {

TEST(Win32WindowSystem, MainPutsTheWindowAtTheScreensRightEdgeAndSetTopMostRaisesIt) {
    SampleForm form;
    Win32WindowSystem windows("test");
    Win32Services services;
    catia::Main(form, windows);
    HWND window = reinterpret_cast<HWND>(form.hWnd());
    ASSERT_TRUE(IsWindowVisible(window));
    RECT placed{};
    GetWindowRect(window, &placed);
    // Centred, then its left doubled: the right edge meets the screen's (within a pixel's rounding).
    EXPECT_NEAR(placed.right, GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(placed.top, (GetSystemMetrics(SM_CYSCREEN) - (placed.bottom - placed.top)) / 2, 1);

    catia::SetTopMost(services, form.hWnd(), true);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    catia::SetTopMost(services, form.hWnd(), false);
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace
}  // namespace qvl::win32
