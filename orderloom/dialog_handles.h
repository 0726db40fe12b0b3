#pragma once

#include "common/winmsg/window_messages.h"
#include "orderloom/dialog_labels.h"

namespace qvl::orderloom {

// The windows of CATIA's reorder dialog that a pass works; 0 where a window was not found.
struct DialogHandles {
    winmsg::WindowHandle dialog = 0;
    winmsg::WindowHandle frameWindow = 0;
    winmsg::WindowHandle okButton = 0;
    winmsg::WindowHandle applyButton = 0;
    winmsg::WindowHandle listFrame = 0;
    winmsg::WindowHandle itemList = 0;
    winmsg::WindowHandle actionFrame = 0;
    winmsg::WindowHandle moveUpButton = 0;
    winmsg::WindowHandle moveDownButton = 0;

    // Every window of the dialog was found.
    bool complete() const noexcept;
};

// The dialog's top-level window, found by its caption.
winmsg::WindowHandle FindReorderDialog(winmsg::WindowMessages& windows, const DialogLabels& labels);

// The dialog's child windows, each looked for by its window text below its parent, in the
// order frame window, OK, Apply, list frame, item list, action frame, Move Up, Move Down.
DialogHandles FindDialogChildren(winmsg::WindowMessages& windows, winmsg::WindowHandle dialog,
                                 const DialogLabels& labels);

}  // namespace qvl::orderloom
