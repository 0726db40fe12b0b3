#include <windows.h>

#include "apps/millsheet/launcher.h"
#include "apps/windows/windows_program.h"
#include "millsheet/connection_policy.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return qvl::apps::runWindowsProgram(qvl::millsheet::connectionPolicy().title, qvl::apps::launchMillsheet);
}
