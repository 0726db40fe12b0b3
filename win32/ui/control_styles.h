#pragma once

#include <windows.h>

#include "common/ui/control.h"

namespace qvl::win32 {

// The window class and styles that show a control of the tables as a Win32 control.
struct ChildStyle {
    const wchar_t* className;
    DWORD style;
    DWORD extended;
};
ChildStyle childStyleOf(const ui::Control& control);

}  // namespace qvl::win32
