// Planwright.exe started with a command line that cannot run: it shows nothing, tells the reason
// on the standard error its starter handed over, and ends with exit status 2.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "win32/base/unique_handle.h"
#include "win32/base/wide_text.h"

namespace qvl::win32 {
namespace {

namespace fs = std::filesystem;

fs::path planwrightExecutable() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path().parent_path().parent_path() / L"programs" / L"Planwright.exe";
}

TEST(PlanwrightCommandLine, BadArgumentsEndWithStatusTwoAndTheReasonOnTheConsole) {
    const fs::path program = planwrightExecutable();
    if (!fs::exists(program)) GTEST_SKIP() << "no " << program.string();
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &inheritable, 0));
    UniqueKernelObject reading(readEnd);
    UniqueKernelObject writing(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = L"\"" + program.wstring() + L"\" /batch";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &started));
    UniqueKernelObject process(started.hProcess);
    UniqueKernelObject thread(started.hThread);
    writing.reset();
    std::string console;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) console.append(buffer, got);
    ASSERT_EQ(WaitForSingleObject(started.hProcess, 30000), WAIT_OBJECT_0);
    DWORD status = 0;
    GetExitCodeProcess(started.hProcess, &status);

    EXPECT_EQ(status, 2u);
    // How to write the command line, then why this one cannot run.
    EXPECT_NE(console.find("/batch \xe5\x88\x97\xe8\xa1\xa8\xe6\x96\x87\xe4\xbb\xb6"), std::string::npos) << console;
    EXPECT_NE(console.find("Planwright: /batch "), std::string::npos) << console;
}

}  // namespace
}  // namespace qvl::win32
