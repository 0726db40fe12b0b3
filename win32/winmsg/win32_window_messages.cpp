#include "win32/winmsg/win32_window_messages.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "common/text/gbk.h"
#include "win32/base/wide_text.h"

namespace qvl::win32 {
namespace {

HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle fromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// A text of the interface (GBK bytes) as the wide-character API takes it; nullopt stays "any".
std::optional<std::wstring> wideOf(const std::optional<std::string>& gbk) {
    if (!gbk) return std::nullopt;
    return toWide(text::gbkToUtf8(*gbk));
}

const wchar_t* pointerOf(const std::optional<std::wstring>& text) { return text ? text->c_str() : nullptr; }

}  // namespace

WindowHandle Win32WindowMessages::findWindow(const std::optional<std::string>& className,
                                             const std::optional<std::string>& windowText) {
    const auto wideClass = wideOf(className);
    const auto wideText = wideOf(windowText);
    return fromHwnd(FindWindowW(pointerOf(wideClass), pointerOf(wideText)));
}

WindowHandle Win32WindowMessages::findWindowEx(WindowHandle parent, WindowHandle childAfter,
                                               const std::optional<std::string>& className,
                                               const std::optional<std::string>& windowText) {
    // A parent of 0 would search the desktop's children: the interface asks for no window then.
    if (parent == 0) return 0;
    const auto wideClass = wideOf(className);
    const auto wideText = wideOf(windowText);
    return fromHwnd(FindWindowExW(toHwnd(parent), toHwnd(childAfter), pointerOf(wideClass), pointerOf(wideText)));
}

winmsg::LResult Win32WindowMessages::sendMessage(WindowHandle window, winmsg::MessageId message,
                                                 winmsg::WParam wParam, winmsg::LParam lParam) {
    if (window == 0 || !IsWindow(toHwnd(window))) return 0;
    return SendMessageW(toHwnd(window), message, wParam, lParam);
}

winmsg::LResult Win32WindowMessages::sendTextMessage(WindowHandle window, winmsg::MessageId message,
                                                     winmsg::WParam wParam, std::string& buffer) {
    if (window == 0 || !IsWindow(toHwnd(window))) return 0;
    if (message != winmsg::msg::lbGetText) return winmsg::listBoxError;
    const LRESULT length = SendMessageW(toHwnd(window), LB_GETTEXTLEN, wParam, 0);
    if (length == LB_ERR || length < 0) return winmsg::listBoxError;
    // The list box writes the text and a terminating zero; room for both, with a margin for a
    // length that changed in between.
    std::wstring wide(static_cast<std::size_t>(length) + 16, L'\0');
    const LRESULT written = SendMessageW(toHwnd(window), LB_GETTEXT, wParam, reinterpret_cast<LPARAM>(wide.data()));
    if (written == LB_ERR || written < 0) return winmsg::listBoxError;
    wide.resize(std::min(static_cast<std::size_t>(written), wide.size()));
    const std::string gbk = text::utf8ToGbk(toUtf8(wide));
    const std::size_t count = std::min(gbk.size(), buffer.size());
    std::memcpy(buffer.data(), gbk.data(), count);
    return static_cast<winmsg::LResult>(count);
}

winmsg::LResult Win32WindowMessages::sendRectMessage(WindowHandle window, winmsg::MessageId message,
                                                     winmsg::WParam wParam, winmsg::Rect& rect) {
    if (window == 0 || !IsWindow(toHwnd(window))) return 0;
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    const LRESULT result = SendMessageW(toHwnd(window), message, wParam, reinterpret_cast<LPARAM>(&r));
    rect = winmsg::Rect{r.left, r.top, r.right, r.bottom};
    return result;
}

}  // namespace qvl::win32
