#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/window_handle.h"

namespace qvl::winmsg {

using qvl::WindowHandle;
using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// The messages that the programs send to another program's windows, with their Win32 values.
// (Named in camel case: <windows.h> defines the Win32 names as macros.)
namespace msg {
inline constexpr MessageId bmClick = 0x00F5;          // BM_CLICK
inline constexpr MessageId lbGetCurSel = 0x0188;      // LB_GETCURSEL
inline constexpr MessageId lbGetText = 0x0189;        // LB_GETTEXT
inline constexpr MessageId lbGetTextLen = 0x018A;     // LB_GETTEXTLEN
inline constexpr MessageId lbGetCount = 0x018B;       // LB_GETCOUNT
inline constexpr MessageId lbGetTopIndex = 0x018E;    // LB_GETTOPINDEX
inline constexpr MessageId lbSetTopIndex = 0x0197;    // LB_SETTOPINDEX
inline constexpr MessageId lbGetItemRect = 0x0198;    // LB_GETITEMRECT
inline constexpr MessageId wmLButtonDown = 0x0201;    // WM_LBUTTONDOWN
inline constexpr MessageId wmLButtonUp = 0x0202;      // WM_LBUTTONUP
}  // namespace msg

// The answer of a list box to an index it does not hold (LB_ERR).
inline constexpr LResult listBoxError = -1;

// A rectangle in a window's client coordinates, as RECT holds it.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Finding other programs' windows and sending them messages, as user32's FindWindowA,
// FindWindowExA and SendMessageA do. Texts cross this boundary in the system's ANSI code page
// (GBK, code page 936): callers convert with text::utf8ToGbk and text::gbkToUtf8.
//
// A message sent to no window (handle 0) or to a window that no longer exists has no effect
// and answers 0, as SendMessageA does. Messages whose lParam points at a buffer have their own
// members, so that no caller hands out raw memory: the window writes into the buffer given and
// never beyond its size.
class WindowMessages {
public:
    virtual ~WindowMessages() = default;

    // FindWindowA: the first top-level window with this class (nullopt: any class) and this
    // window text (nullopt: any text); texts compare without regard to letter case. 0 when none.
    virtual WindowHandle findWindow(const std::optional<std::string>& className,
                                    const std::optional<std::string>& windowText) = 0;

    // FindWindowExA: the first direct child of `parent` after `childAfter` (0: from the first
    // child) with this class and this window text. 0 when none.
    virtual WindowHandle findWindowEx(WindowHandle parent, WindowHandle childAfter,
                                      const std::optional<std::string>& className,
                                      const std::optional<std::string>& windowText) = 0;

    // SendMessageA for messages whose parameters are plain numbers.
    virtual LResult sendMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam) = 0;

    // SendMessageA for a message that fills a text buffer (LB_GETTEXT): the window writes at most
    // buffer.size() bytes from the start of the buffer, no terminating zero, and answers the
    // number of bytes written, or listBoxError. A text longer than the buffer is cut.
    virtual LResult sendTextMessage(WindowHandle window, MessageId message, WParam wParam, std::string& buffer) = 0;

    // SendMessageA for a message that fills a rectangle (LB_GETITEMRECT).
    virtual LResult sendRectMessage(WindowHandle window, MessageId message, WParam wParam, Rect& rect) = 0;
};

}  // namespace qvl::winmsg
