#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/ui/control.h"
#include "common/ui/control_peer.h"

namespace qvl::win32 {

// The real child window of one control, attached to the control as its peer. The model
// (ui::Control) stays the truth: every change that program code makes is heard and mirrored
// onto the window, and a notification from the window (a click, a typed text, a selection)
// updates the model and raises the model's event.
class ControlWindow : public ui::ControlPeer {
public:
    // Creates the child window of `control` in `parent` at `pixels` (client coordinates), with
    // the control's id as its child-window id.
    // `fontFor` gives the font of a control by its font name (and again when that changes).
    using FontSource = std::function<HFONT(const ui::Control&)>;
    ControlWindow(ui::Control& control, HWND parent, RECT pixels, FontSource fontFor);
    ~ControlWindow() override;
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    HWND handle() const noexcept { return window_; }
    ui::Control& control() const noexcept { return control_; }

    // The model's changes.
    void captionChanged(const ui::Control&) override { sync(); }
    void textChanged(const ui::Control&) override { sync(); }
    void valueChanged(const ui::Control&) override { sync(); }
    void enabledChanged(const ui::Control&) override { sync(); }
    void itemsChanged(const ui::Control&) override { sync(); }
    void selectionChanged(const ui::Control&) override { sync(); }
    void fontChanged(const ui::Control&) override;

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
    FontSource fontFor_;
    HWND window_ = nullptr;
    bool syncing_ = false;  // notifications caused by sync() itself are not user actions
};

}  // namespace qvl::win32
