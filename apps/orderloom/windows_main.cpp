// Orderloom.exe: Orderloom on the Windows machine.
#include "apps/orderloom/launcher.h"
#include "apps/windows/windows_program.h"
#include "orderloom/connection_policy.h"
#include "win32/ui/entry_point.h"

int qvl::win32::programMain() { return apps::runWindowsProgram(orderloom::connectionPolicy().title, apps::launchOrderloom); }
