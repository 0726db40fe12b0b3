#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/ui/control_peer.h"
#include "common/ui/form.h"
#include "win32/base/unique_handle.h"
#include "win32/ui/control_window.h"

namespace qvl::win32 {

// The top-level window of one form, with a child window per control. Positions and sizes
// come from the tables in twips, scaled at the window's DPI; controls keep the tables' fonts.
// Tab and the arrow keys move in the declared order; Enter presses the focused button.
// Closing the window asks the form first (Form_QueryUnload); closing it, or the program's
// unloading it, ends the program's message loop. Attached to the form as its peer, it follows
// the form's caption, position and progress (on the taskbar button).
class FormWindow : public ui::FormPeer {
public:
    // Creates the window, hidden, with all its controls showing the model's state.
    FormWindow(ui::Form& form, std::string programTitle);
    ~FormWindow() override;

    void captionChanged(const ui::Form&) override;
    void moved(const ui::Form&) override { syncPlacement(); }
    void progressChanged(const ui::Form&) override;
    void unloadRequested(const ui::Form&) override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND handle() const noexcept { return window_; }
    int dpi() const noexcept { return dpi_; }
    ui::Form& form() const noexcept { return form_; }

    // The peer of a control by its name; nullptr when the form has none of that name.
    ControlWindow* peer(const std::string& name) const;
    // The peer of a child window; nullptr for a window that is no control of this form.
    ControlWindow* peer(HWND child) const;

    // Mirrors the whole model onto the screen: every control, the window's position.
    void syncAll();
    // Moves the window to the model's Left and Top (twips; the outer edge, as VB has them).
    void syncPlacement();
    // Puts the window in the middle of the screen and writes that position into the model.
    void centreOnScreen();

    // The window's outer size in twips.
    double outerWidthTwips() const;
    double outerHeightTwips() const;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool navigate(const MSG& message);
    void raise(ControlWindow& peer, WORD notification);
    void createControls();
    RECT pixelsOf(const ui::Control& control) const;
    HFONT fontFor(const std::string& name, int points);
    HFONT fittingFont(const ui::Control& control, RECT pixels);
    void focusNext(ControlWindow* from, bool backwards);
    // Takes the window down and ends the message loop.
    void closeNow();

    ui::Form& form_;
    std::string programTitle_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::map<std::string, UniqueFont> fonts_;
    std::vector<std::unique_ptr<ControlWindow>> peers_;   // in declared (tab) order
    std::unordered_map<HWND, ControlWindow*> byWindow_;   // the one HWND -> peer map
    bool placing_ = false;
};

}  // namespace qvl::win32
