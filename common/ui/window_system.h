#pragma once

#include "common/platform/services.h"
#include "common/ui/form.h"

namespace qvl::ui {

// Creates and shows main windows. Showing a window loads it first: its window exists (it has
// a handle) and stands centred on the screen while its load handler runs, and it is displayed
// when the handler has returned.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual void show(Form& form) = 0;
};

// The window system without a screen: handles are numbers, a window is centred on the
// platform's screen, and the form's state is all there is.
class HeadlessWindowSystem : public WindowSystem {
public:
    explicit HeadlessWindowSystem(platform::Services& services) : services_(services) {}
    void show(Form& form) override;

private:
    platform::Services& services_;
    platform::WindowHandle nextHandle_ = 0x10010;
};

}  // namespace qvl::ui
