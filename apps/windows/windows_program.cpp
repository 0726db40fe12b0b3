#include "apps/windows/windows_program.h"

#include "win32/automation/com_object_factory.h"
#include "win32/platform/program_folder.h"
#include "win32/platform/start_info.h"
#include "win32/platform/win32_services.h"
#include "win32/ui/event_guard.h"
#include "win32/ui/gui_session.h"
#include "win32/ui/win32_window_system.h"
#include "win32/winmsg/win32_window_messages.h"

namespace qvl::apps {

int runWindowsProgram(const std::string& title, const Launcher& launch) {
    win32::GuiSession session;
    win32::Win32Services services;
    win32::ComObjectFactory catiaFactory;
    win32::Win32WindowMessages windowMessages;
    win32::Win32WindowSystem windows(title);
    Machine machine{services, catiaFactory, windows, windowMessages, win32::executableFolder(),
                    win32::programArguments(), win32::startFolder()};
    try {
        std::unique_ptr<ProgramInstance> program = launch(machine);
        // A program that did its work without its window (an unattended run) ends here.
        if (std::optional<int> status = program->exitStatus()) return *status;
        windows.refresh();
        return windows.run();
    } catch (...) {
        // A start-up that failed (an error left the load handler): shown, then the program ends.
        win32::showUncaught(title, std::current_exception());
    }
    return 1;
}

}  // namespace qvl::apps
