#include <windows.h>

#include "apps/windows/windows_program.h"
#include "orderloom/main_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace qvl;
    return apps::runWindowsProgram(catia::Program::Orderloom, [](catia::Connection& c, apps::WindowsMachine& m) {
        return std::make_unique<orderloom::MainForm>(c, m.services, m.windowMessages);
    });
}
