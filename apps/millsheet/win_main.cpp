#include <windows.h>

#include "apps/windows/windows_program.h"
#include "millsheet/main_frm3.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace qvl;
    return apps::runWindowsProgram(catia::Program::Millsheet, [](catia::Connection& c, apps::WindowsMachine& m) {
        return std::make_unique<millsheet::MainFrm3>(c, m.services, m.programFolder);
    });
}
