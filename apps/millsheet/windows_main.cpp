// Millsheet.exe: Millsheet on the Windows machine.
#include "apps/millsheet/launcher.h"
#include "apps/windows/windows_program.h"
#include "millsheet/connection_policy.h"
#include "win32/ui/entry_point.h"

int qvl::win32::programMain() { return apps::runWindowsProgram(millsheet::connectionPolicy().title, apps::launchMillsheet); }
