#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/ui/window_system.h"
#include "win32/ui/form_window.h"

namespace qvl::win32 {

// The window system of a Windows program: each form shown becomes a real window (FormWindow);
// the program then lives in run() until its window is closed.
class Win32WindowSystem : public ui::WindowSystem {
public:
    // `programTitle` captions the run-time error box.
    explicit Win32WindowSystem(std::string programTitle) : programTitle_(std::move(programTitle)) {}

    // Creates the form's window centred on the screen, runs its load handler while the window
    // exists but is hidden, then shows it. A form already shown is only brought to the front.
    void show(ui::Form& form) override;

    // Shows the model's state of every window on the screen again.
    void refresh();

    // The message loop: runs until the program's window is closed; the exit code.
    int run();

    // The window of a shown form, or nullptr.
    FormWindow* windowOf(const ui::Form& form) const;

private:
    std::string programTitle_;
    std::vector<std::unique_ptr<FormWindow>> windows_;
};

}  // namespace qvl::win32
