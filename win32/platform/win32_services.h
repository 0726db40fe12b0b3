#pragma once

#include <random>

#include "common/platform/services.h"

namespace qvl::win32 {

// The platform services of a Windows program: the system's dialogs owned by the program's
// window, the shell, the local clock, the screen and files by their Windows paths, at any
// length and in any script. Call from the user-interface thread, with COM initialised there
// as a single-threaded apartment.
class Win32Services : public platform::Services {
public:
    Win32Services();

    int messageBox(const std::string& text, const std::string& caption, int flags) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& caption,
                                        const std::string& defaultText) override;
    std::optional<platform::ChosenFolder> browseForFolder(const std::string& title) override;
    std::optional<std::vector<std::string>> openFiles(const std::string& filterDescription,
                                                      const std::string& filterPatterns) override;
    void startProgram(const std::string& commandLine) override;
    // The standard error the starter handed over (a redirection), else the console of the
    // process that started this one.
    void writeConsoleLine(const std::string& text) override;

    std::string todayShortDate() override;
    double secondsSinceMidnight() override;
    void processPendingMessages() override;
    double random() override;

    bool fileExists(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, const std::string& bytes) override;
    bool removeFile(const std::string& path) override;
    bool createFolder(const std::string& path) override;

    double screenWidthTwips() override;
    double screenHeightTwips() override;
    void setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter, int x, int y, int cx,
                      int cy, unsigned flags) override;

private:
    std::mt19937_64 generator_;
    bool consoleAttached_ = false;
};

}  // namespace qvl::win32
