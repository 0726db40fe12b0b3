#include "apps/windows/windows_program.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "apps/windows/catia_factory.h"
#include "apps/windows/no_window_messages.h"
#include "common/automation/error.h"
#include "common/platform/windows_path.h"
#include "win32/base/program_window.h"
#include "win32/base/wide_text.h"
#include "win32/platform/win32_services.h"
#include "win32/ui/event_guard.h"
#include "win32/ui/win32_window_system.h"

namespace qvl::apps {
namespace {

// OLE (the shell's dialogs need a single-threaded apartment) for the program's life.
class OleSession {
public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ok_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool ok_;
};

}  // namespace

std::string executableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::string folder = platform::folderOf(win32::toUtf8(path));
    // A program started by a long path may see it with the extended-length prefix.
    if (folder.rfind("\\\\?\\", 0) == 0 && folder.rfind("\\\\?\\UNC\\", 0) != 0) folder.erase(0, 4);
    return folder;
}

int runWindowsProgram(const std::string& title, const Launcher& launch) {
    OleSession ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    win32::Win32Services services;
    CatiaFactory catiaFactory;
    NoWindowMessages windowMessages;
    win32::Win32WindowSystem windows(title);
    Machine machine{services, catiaFactory, windows, windowMessages, executableFolder()};
    try {
        std::unique_ptr<ProgramInstance> program = launch(machine);
        windows.refresh();
        return windows.run();
    } catch (const automation::Error& error) {
        // An error that left the load handler: the run-time error box, then the program ends.
        win32::runEvent(win32::findProgramWindow(), title, [&] { throw error; });
    } catch (const std::exception& error) {
        win32::showFatalError(win32::findProgramWindow(), title, error);
    }
    return 1;
}

}  // namespace qvl::apps
