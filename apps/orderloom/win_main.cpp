#include <windows.h>

#include "apps/orderloom/launcher.h"
#include "apps/windows/windows_program.h"
#include "orderloom/connection_policy.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return qvl::apps::runWindowsProgram(qvl::orderloom::connectionPolicy().title, qvl::apps::launchOrderloom);
}
