#pragma once

#include <windows.h>

namespace qvl::drive {

// The icon flag of a message box of another process (MB_ICONERROR, MB_ICONQUESTION,
// MB_ICONWARNING, MB_ICONINFORMATION; 0 without an icon), told by its picture: the system's
// icons look the same in every process, so each is drawn over what the box shows on the
// screen, and the one that changes it least is the one shown.
int messageBoxIconFlag(HWND box);

}  // namespace qvl::drive
