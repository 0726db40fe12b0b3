#include "orderloom/dialog_controls.h"

#include "orderloom/vb_cons_type.h"

namespace qvl::orderloom {

namespace msg = winmsg::msg;

std::string GetListItemText(winmsg::WindowMessages& windows, winmsg::WindowHandle hWnd, int index) {
    auto item = static_cast<winmsg::WParam>(index);
    winmsg::LResult length = windows.sendMessage(hWnd, msg::lbGetTextLen, item, 0);
    if (length <= 0) return {};
    std::string buffer(static_cast<std::size_t>(length), ' ');
    winmsg::LResult written = windows.sendTextMessage(hWnd, msg::lbGetText, item, buffer);
    if (written < 0) return {};
    if (static_cast<std::size_t>(written) < buffer.size()) buffer.resize(static_cast<std::size_t>(written));
    return buffer;
}

void ClickButton(winmsg::WindowMessages& windows, winmsg::WindowHandle hWnd, int times) {
    for (int i = 1; i <= times; ++i) windows.sendMessage(hWnd, msg::bmClick, 0, 0);
}

void ClickListItem(winmsg::WindowMessages& windows, winmsg::WindowHandle itemList, int index) {
    winmsg::Rect rect;
    windows.sendRectMessage(itemList, msg::lbGetItemRect, static_cast<winmsg::WParam>(index), rect);
    std::int32_t x = (rect.right - rect.left) / 2;
    std::int32_t y = rect.top + (rect.bottom - rect.top) / 2;
    winmsg::LParam point = MakeLParam(x, y);
    windows.sendMessage(itemList, msg::wmLButtonDown, 0, point);
    windows.sendMessage(itemList, msg::wmLButtonUp, 0, point);
}

}  // namespace qvl::orderloom
