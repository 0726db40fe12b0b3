// Planwright.exe: Planwright on the Windows machine.
#include "apps/planwright/launcher.h"
#include "apps/windows/windows_program.h"
#include "planwright/connection_policy.h"
#include "win32/ui/entry_point.h"

int qvl::win32::programMain() { return apps::runWindowsProgram(planwright::connectionPolicy().title, apps::launchPlanwright); }
