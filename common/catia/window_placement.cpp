#include "common/catia/window_placement.h"

namespace qvl::catia {
namespace {

void placeOnTop(platform::Services& services, platform::WindowHandle window, bool on, unsigned flags) {
    services.setWindowPos(window, on ? platform::swp::topMost : platform::swp::noTopMost, 0, 0, 0, 0, flags);
}

}  // namespace

void SetTopMost(platform::Services& services, platform::WindowHandle hWndCaller, bool bOnOff) {
    placeOnTop(services, hWndCaller, bOnOff, platform::swp::noMove | platform::swp::noSize);
}

void SetTopMostWithoutActivating(platform::Services& services, platform::WindowHandle hWndCaller, bool bOnOff) {
    placeOnTop(services, hWndCaller, bOnOff,
               platform::swp::noMove | platform::swp::noSize | platform::swp::noActivate);
}

void Main(ui::Form& mainWindow, ui::WindowSystem& windows) {
    windows.show(mainWindow);
    // The window's Left is a single-precision number of twips.
    float left = static_cast<float>(mainWindow.left());
    mainWindow.move(static_cast<double>(left * 2), mainWindow.top());
}

}  // namespace qvl::catia
