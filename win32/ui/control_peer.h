#pragma once

#include <windows.h>

#include <string>

#include "common/ui/control.h"

namespace qvl::win32 {

// The real child window of one control. The model (ui::Control) stays the truth: sync()
// mirrors the model onto the window, and a notification from the window (a click, a typed
// text, a selection) updates the model and raises the model's event.
class ControlPeer {
public:
    // Creates the child window of `control` in `parent` at `pixels` (client coordinates).
    ControlPeer(ui::Control& control, HWND parent, int controlId, RECT pixels, HFONT font);
    ~ControlPeer();
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;

    HWND handle() const noexcept { return window_; }
    ui::Control& control() const noexcept { return control_; }

    // Writes the model's caption or text, value, items, selection and enabled state to the window.
    void sync();
    // A WM_COMMAND notification code from the window.
    void onCommand(WORD notification);
    // Whether the keyboard's Tab stops here (enabled controls that take input; of an option
    // group only the set option).
    bool takesTabStop() const;

private:
    void syncText();
    void syncItems();
    std::wstring windowText() const;

    ui::Control& control_;
    HWND window_ = nullptr;
    bool syncing_ = false;  // notifications caused by sync() itself are not user actions
};

}  // namespace qvl::win32
