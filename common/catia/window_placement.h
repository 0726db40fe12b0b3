#pragma once

#include "common/platform/services.h"
#include "common/ui/form.h"
#include "common/ui/window_system.h"

namespace qvl::catia {

// Puts a window above all non-top-most windows (on) or back into the normal order (off),
// leaving its position and size as they are.
void SetTopMost(platform::Services& services, platform::WindowHandle hWndCaller, bool bOnOff);

// The same without activating the window, for a window that must not take the focus from CATIA.
void SetTopMostWithoutActivating(platform::Services& services, platform::WindowHandle hWndCaller, bool bOnOff);

// The start-up of a program: shows its main window (which loads it first) and then doubles the
// window's left position, so that a window centred on the screen meets the screen's right edge.
void Main(ui::Form& mainWindow, ui::WindowSystem& windows);

}  // namespace qvl::catia
