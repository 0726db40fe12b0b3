#pragma once

#include <cstdint>

namespace qvl {

// A window of the window system, as the platform services and the window messages both name
// it; 0 is no window. Same width as a Win32 HWND, so a Windows backend converts it losslessly.
using WindowHandle = std::intptr_t;

}  // namespace qvl
