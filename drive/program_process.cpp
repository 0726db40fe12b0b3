#include "drive/program_process.h"

#include <stdexcept>
#include <string>

#include "win32/base/program_window.h"
#include "win32/base/wide_text.h"

namespace qvl::drive {

namespace fs = std::filesystem;

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK takeWindow(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<WindowSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != wanted.processId || !IsWindowVisible(window)) return TRUE;
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (_wcsicmp(className, wanted.className) == 0) wanted.found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> processWindows(DWORD processId, const wchar_t* className) {
    // EnumWindows lists top-level windows from the top of the z-order: the newest dialog first.
    WindowSearch search{processId, className, {}};
    EnumWindows(takeWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ProgramProcess::ProgramProcess(const fs::path& executable, const std::string& arguments) {
    std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
    if (!arguments.empty()) commandLine += L" " + win32::toWide(arguments);
    std::wstring folder = executable.parent_path().wstring();
    // Its standard handles lead nowhere, so that it attaches to no console of the driver's.
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    win32::UniqueFile nowhere(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          &inheritable, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nowhere.get();
    PROCESS_INFORMATION started{};
    // Under Wine a start right after the executable was copied now and then fails with an
    // internal error; a second try a moment later starts it, as a person double-clicks again.
    DWORD error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0) Sleep(500);
        if (CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                           &startup, &started)) {
            error = 0;
            break;
        }
        error = GetLastError();
    }
    if (error != 0) {
        throw std::runtime_error("cannot start " + win32::toUtf8(executable.wstring()) + " (error " +
                                 std::to_string(error) + ")");
    }
    CloseHandle(started.hThread);
    process_.reset(started.hProcess);
    id_ = started.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
    if (isRunning()) {
        terminate();
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool ProgramProcess::isRunning() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

HWND ProgramProcess::mainWindow() const {
    std::vector<HWND> windows = processWindows(id_, win32::programWindowClass);
    return windows.empty() ? nullptr : windows.front();
}

bool ProgramProcess::isIdle() const {
    HWND window = mainWindow();
    if (!window || GetPropW(window, win32::programStartingProperty)) return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

void ProgramProcess::close() const {
    if (HWND window = mainWindow()) PostMessageW(window, WM_CLOSE, 0, 0);
}

void ProgramProcess::terminate() const { TerminateProcess(process_.get(), 1); }

int ProgramProcess::exitStatus() const {
    DWORD status = 0;
    GetExitCodeProcess(process_.get(), &status);
    return static_cast<int>(status);
}

}  // namespace qvl::drive
