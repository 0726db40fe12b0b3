#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "win32/base/unique_handle.h"

namespace qvl::drive {

// A program's executable started as a user starts it (its folder is the folder it runs from),
// seen from outside: its process and its main window. A program still running when this
// object goes is ended.
class ProgramProcess {
public:
    // `arguments` follow the executable's quoted path on the command line, as a person types
    // them. The program gets no console: what it writes there is not the driver's output.
    explicit ProgramProcess(const std::filesystem::path& executable, const std::string& arguments = "");
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    DWORD id() const noexcept { return id_; }
    HANDLE handle() const noexcept { return process_.get(); }
    bool isRunning() const;
    // The program's main window, once it has one.
    HWND mainWindow() const;
    // The main window is shown, has finished starting and answers messages.
    bool isIdle() const;
    // Asks the main window to close, as its close box does.
    void close() const;
    void terminate() const;
    // The exit status of a program that has ended.
    int exitStatus() const;

private:
    win32::UniqueKernelObject process_;
    DWORD id_ = 0;
};

// The visible top-level windows of class `className` that process `processId` owns, newest
// first.
std::vector<HWND> processWindows(DWORD processId, const wchar_t* className);

}  // namespace qvl::drive
