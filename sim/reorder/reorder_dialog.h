#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/winmsg/window_messages.h"
#include "sim/reorder/dialog_texts.h"
#include "sim/reorder/item_list.h"
#include "sim/reorder/reorder_target.h"

namespace qvl::sim::reorder {

// One window of the dialog as a screen shows it. `bounds` lies in the parent's client
// coordinates; for the dialog itself it is its client area (left and top 0), and for the list
// box the area of its rows, without border or scroll bar.
struct WindowLayout {
    winmsg::WindowHandle handle = 0;
    winmsg::WindowHandle parent = 0;   // 0: the dialog itself
    std::string className;
    std::string text;   // UTF-8
    winmsg::Rect bounds;
};

// One open graph-tree-reordering dialog: its windows, its list of the target's children and
// the buttons that work the list. Its windows are, by window text:
//
//   caption                     the dialog
//     FrameWindow
//       FrameList
//         ListProd              the list box
//       FrameAction
//         Move Up, Move Down
//     OK, Apply
//
// A mouse click in the list selects the item under the mouse; Move Up and Move Down move the
// selected item one place; Apply puts the target's children into the list's order; OK does
// the same and closes the dialog.
class ReorderDialog {
public:
    // The dialog's windows take consecutive handles from `firstHandle` on.
    ReorderDialog(std::shared_ptr<ReorderTarget> target, const DialogTexts& texts, winmsg::WindowHandle firstHandle);

    winmsg::WindowHandle handle() const noexcept { return windows_.front().handle; }
    // The handle after the dialog's last window.
    winmsg::WindowHandle endHandle() const noexcept { return windows_.back().handle + 1; }
    bool owns(winmsg::WindowHandle window) const noexcept;
    bool closed() const noexcept { return closed_; }

    // Whether the dialog's own window has this class and text (either nullopt: any).
    bool matches(const std::optional<std::string>& className, const std::optional<std::string>& ansiText) const;
    winmsg::WindowHandle findChild(winmsg::WindowHandle parent, winmsg::WindowHandle childAfter,
                                   const std::optional<std::string>& className,
                                   const std::optional<std::string>& ansiText) const;

    winmsg::LResult onMessage(winmsg::WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                           winmsg::LParam lParam);
    winmsg::LResult onTextMessage(winmsg::WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                               std::string& buffer);
    winmsg::LResult onRectMessage(winmsg::WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                               winmsg::Rect& rect);

    const ItemList& list() const noexcept { return list_; }
    // The dialog's windows, each after its parent and in the order FindWindowEx meets them.
    std::vector<WindowLayout> layout() const;

private:
    enum class Role { Dialog, Frame, List, Ok, Apply, MoveUp, MoveDown };
    struct Window : WindowLayout {
        Role role;
    };

    const Window* window(winmsg::WindowHandle handle) const;
    std::optional<int> listIndex(winmsg::WParam wParam) const;
    winmsg::LResult onListMessage(winmsg::MessageId message, winmsg::WParam wParam, winmsg::LParam lParam);
    void press(Role button);
    void commit();

    std::shared_ptr<ReorderTarget> target_;
    std::vector<Window> windows_;
    ItemList list_;
    bool closed_ = false;
};

// Whether a window's class or text matches what FindWindowA looks for: nullopt matches every
// text; otherwise the texts compare without regard to letter case.
bool windowTextMatches(const std::string& text, const std::optional<std::string>& wanted);

}  // namespace qvl::sim::reorder
