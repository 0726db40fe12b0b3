#include "win32/winmsg/win32_window_messages.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "win32/base/wide_text.h"

namespace qvl::win32 {
namespace {

HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle fromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// A text of the interface as the wide-character API takes it; nullopt stays "any".
std::optional<std::wstring> wideOf(const std::optional<std::string>& utf8) {
    if (!utf8) return std::nullopt;
    return toWide(*utf8);
}

// The text of a list box's item, or nullopt for an index that it does not hold.
std::optional<std::string> listItemText(HWND list, WPARAM index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || length < 0) return std::nullopt;
    // The list box writes the text and a terminating zero; room for both, with a margin for a
    // text that grew in between.
    std::wstring wide(static_cast<std::size_t>(length) + 16, L'\0');
    const LRESULT written = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
    if (written == LB_ERR || written < 0) return std::nullopt;
    wide.resize(std::min(static_cast<std::size_t>(written), wide.size()));
    return toUtf8(wide);
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
    if (message == winmsg::msg::lbGetTextLen) {
        // The room that the item's text takes at this interface: its UTF-8 bytes.
        const auto text = listItemText(toHwnd(window), wParam);
        return text ? static_cast<winmsg::LResult>(text->size()) : winmsg::listBoxError;
    }
    return SendMessageW(toHwnd(window), message, wParam, lParam);
}

winmsg::LResult Win32WindowMessages::sendTextMessage(WindowHandle window, winmsg::MessageId message,
                                                     winmsg::WParam wParam, std::string& buffer) {
    if (window == 0 || !IsWindow(toHwnd(window))) return 0;
    if (message != winmsg::msg::lbGetText) return winmsg::listBoxError;
    const auto text = listItemText(toHwnd(window), wParam);
    if (!text) return winmsg::listBoxError;
    const std::size_t count = std::min(text->size(), buffer.size());
    std::memcpy(buffer.data(), text->data(), count);
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
