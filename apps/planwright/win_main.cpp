#include <windows.h>

#include "apps/planwright/launcher.h"
#include "apps/windows/windows_program.h"
#include "planwright/connection_policy.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return qvl::apps::runWindowsProgram(qvl::planwright::connectionPolicy().title, qvl::apps::launchPlanwright);
}
