#pragma once

#include "common/platform/services.h"
#include "common/ui/window_system.h"

namespace qvl::ui {

// The window system without a screen: handles are numbers, a window is centred on the
// platform's screen, and the form's state is all there is. It attaches no peers.
class HeadlessWindowSystem : public WindowSystem {
public:
    explicit HeadlessWindowSystem(platform::Services& services) : services_(services) {}
    void show(Form& form) override;

private:
    platform::Services& services_;
    WindowHandle nextHandle_ = 0x10010;
};

}  // namespace qvl::ui
