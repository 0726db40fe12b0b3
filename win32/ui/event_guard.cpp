#include "win32/ui/event_guard.h"

#include "common/automation/run_time_error.h"
#include "win32/base/program_window.h"
#include "win32/base/wide_text.h"

namespace qvl::win32 {

void showFatalError(HWND owner, const std::string& programTitle, const std::exception& error) {
    std::string text = "The program has met an error it cannot go on from and ends:\r\n\r\n";
    text += error.what();
    MessageBoxW(owner, toWide(text).c_str(), toWide(programTitle).c_str(), MB_OK | MB_ICONERROR);
}

void runEvent(HWND owner, const std::string& programTitle, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const automation::Error& error) {
        MessageBoxW(owner, toWide(automation::runTimeErrorText(error)).c_str(), toWide(programTitle).c_str(),
                    automation::runTimeErrorStyle);
    } catch (const std::exception& error) {
        showFatalError(owner, programTitle, error);
        PostQuitMessage(1);
    } catch (...) {
        showFatalError(owner, programTitle, std::runtime_error("unknown exception"));
        PostQuitMessage(1);
    }
}

}  // namespace qvl::win32

namespace qvl::win32 {

void showUncaught(const std::string& programTitle, std::exception_ptr error) {
    HWND owner = findProgramWindow();
    runEvent(owner, programTitle, [&] { std::rethrow_exception(error); });
}

}  // namespace qvl::win32
