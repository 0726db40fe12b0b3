#include <windows.h>

#include "apps/windows/windows_program.h"
#include "planwright/main_frm.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace qvl;
    return apps::runWindowsProgram(catia::Program::Planwright, [](catia::Connection& c, apps::WindowsMachine& m) {
        return std::make_unique<planwright::MainFrm>(c, m.services, m.programFolder);
    });
}
