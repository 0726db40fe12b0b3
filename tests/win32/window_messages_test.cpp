// The Win32 window messages against a real dialog-like window: found by caption and child
// texts in Chinese, its list box read item by item, its button pressed.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/winmsg/win32_window_messages.h"

namespace qvl::win32 {
namespace {

using winmsg::msg::bmClick;
using winmsg::msg::lbGetCount;
using winmsg::msg::lbGetItemRect;
using winmsg::msg::lbGetText;

int clicks = 0;

LRESULT CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicks;
    return DefWindowProcW(window, message, wParam, lParam);
}

// A top-level window "图形树重新排序" with a frame "FrameList" holding the list box, and a
// button "确定", as CATIA's reorder dialog is built.
class ReorderLikeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = dialogProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"QvlReorderTest";
        RegisterClassW(&windowClass);
        dialog = CreateWindowExW(0, L"QvlReorderTest", L"\u56fe\u5f62\u6811\u91cd\u65b0\u6392\u5e8f",
                                 WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        frame = CreateWindowExW(0, L"QvlReorderTest", L"FrameList", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, dialog,
                                nullptr, nullptr, nullptr);
        list = CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0, 200, 150, frame,
                               nullptr, nullptr, nullptr);
        button = CreateWindowExW(0, L"Button", L"\u786e\u5b9a", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 300, 220, 80,
                                 24, dialog, nullptr, nullptr, nullptr);
        for (const wchar_t* item : {L"\u652f\u67b6.1", L"Bracket.2", L"\u8f74 Shaft.3"})
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        clicks = 0;
    }
    void TearDown() override { DestroyWindow(dialog); }

    Win32WindowMessages messages;
    HWND dialog = nullptr, frame = nullptr, list = nullptr, button = nullptr;
};

TEST_F(ReorderLikeWindow, FindsTheDialogAndItsChildrenByTheirChineseTexts) {
    const WindowHandle found = messages.findWindow(std::nullopt, "图形树重新排序");
    ASSERT_EQ(found, reinterpret_cast<WindowHandle>(dialog));
    const WindowHandle foundFrame = messages.findWindowEx(found, 0, std::nullopt, "FrameList");
    EXPECT_EQ(foundFrame, reinterpret_cast<WindowHandle>(frame));
    EXPECT_EQ(messages.findWindowEx(foundFrame, 0, "ListBox", std::nullopt), reinterpret_cast<WindowHandle>(list));
    EXPECT_EQ(messages.findWindowEx(found, 0, std::nullopt, "确定"), reinterpret_cast<WindowHandle>(button));
    EXPECT_EQ(messages.findWindow(std::nullopt, "图形树重新排序 (另一个)"), 0);
    EXPECT_EQ(messages.findWindowEx(0, 0, std::nullopt, "FrameList"), 0);
}

TEST_F(ReorderLikeWindow, ReadsItemTextsInUtf8AndCutsThemToTheBuffer) {
    const auto handle = reinterpret_cast<WindowHandle>(list);
    EXPECT_EQ(messages.sendMessage(handle, lbGetCount, 0, 0), 3);
    // The length is the room the text needs here, not the list box's UTF-16 count.
    EXPECT_EQ(messages.sendMessage(handle, winmsg::msg::lbGetTextLen, 0, 0), 8);
    EXPECT_EQ(messages.sendMessage(handle, winmsg::msg::lbGetTextLen, 9, 0), winmsg::listBoxError);

    std::string buffer(255, '\0');
    const winmsg::LResult length = messages.sendTextMessage(handle, lbGetText, 2, buffer);
    ASSERT_EQ(length, static_cast<winmsg::LResult>(std::string("轴 Shaft.3").size()));
    EXPECT_EQ(buffer.substr(0, static_cast<std::size_t>(length)), "轴 Shaft.3");

    std::string small(6, '\0');
    EXPECT_EQ(messages.sendTextMessage(handle, lbGetText, 0, small), 6);
    EXPECT_EQ(small, "支架");

    EXPECT_EQ(messages.sendTextMessage(handle, lbGetText, 7, buffer), winmsg::listBoxError);
}

TEST_F(ReorderLikeWindow, ReadsItemRectanglesAndPressesButtons) {
    winmsg::Rect second;
    messages.sendRectMessage(reinterpret_cast<WindowHandle>(list), lbGetItemRect, 1, second);
    EXPECT_GT(second.bottom, second.top);
    EXPECT_GT(second.top, 0);  // below the first item

    messages.sendMessage(reinterpret_cast<WindowHandle>(button), bmClick, 0, 0);
    EXPECT_EQ(clicks, 1);
    // A window that is gone answers nothing and is not clicked.
    DestroyWindow(button);
    EXPECT_EQ(messages.sendMessage(reinterpret_cast<WindowHandle>(button), bmClick, 0, 0), 0);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace qvl::win32
