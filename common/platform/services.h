#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/window_handle.h"

namespace qvl::platform {

using qvl::WindowHandle;

// Message box style flags and answers that the programs use.
namespace mb {
inline constexpr int okOnly = 0;
inline constexpr int yesNo = 4;
inline constexpr int systemModal = 4096;
inline constexpr int answerOk = 1;
inline constexpr int answerCancel = 2;
inline constexpr int answerYes = 6;
inline constexpr int answerNo = 7;
}  // namespace mb

// Window placement values of SetWindowPos.
namespace swp {
inline constexpr WindowHandle topMost = -1;
inline constexpr WindowHandle noTopMost = -2;
inline constexpr unsigned noSize = 0x1;
inline constexpr unsigned noMove = 0x2;
inline constexpr unsigned noActivate = 0x10;
}  // namespace swp

// A folder chosen in the shell's folder browser: a file-system folder has a path; a virtual
// folder of the shell (Control Panel, a library) has none that the file system knows.
struct ChosenFolder {
    std::string path;
    bool isFileSystemFolder = true;
};

// Everything the programs need of the operating system and its shell. Paths are Windows
// paths ("D:\out\part1.CATDrawing"), texts are UTF-8. A service that cannot do its work
// throws automation::Error, as the system's own components raise run-time errors.
class Services {
public:
    virtual ~Services() = default;

    // Dialogs.
    virtual int messageBox(const std::string& text, const std::string& caption, int flags) = 0;
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& caption,
                                                const std::string& defaultText) = 0;
    virtual std::optional<ChosenFolder> browseForFolder(const std::string& title) = 0;
    // An open-file dialog with one filter; the chosen paths in the dialog's order.
    virtual std::optional<std::vector<std::string>> openFiles(const std::string& filterDescription,
                                                              const std::string& filterPatterns) = 0;

    // Starts a program by its command line, in a normal, focused window.
    virtual void startProgram(const std::string& commandLine) = 0;
    // Writes a line to the console that the program was started from; nothing when it was
    // started without one.
    virtual void writeConsoleLine(const std::string& text) = 0;

    // Clock and chance.
    virtual std::string todayShortDate() = 0;
    virtual double secondsSinceMidnight() = 0;      // VB's Timer
    virtual void processPendingMessages() = 0;      // VB's DoEvents
    virtual double random() = 0;                    // 0 <= r < 1

    // Files and folders.
    virtual bool fileExists(const std::string& path) = 0;
    virtual bool folderExists(const std::string& path) = 0;
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;
    // Deletes a file; false when it cannot be deleted.
    virtual bool removeFile(const std::string& path) = 0;
    // Makes a folder and the folders above it that are missing; true when it exists afterwards.
    virtual bool createFolder(const std::string& path) = 0;

    // Screen and window placement.
    virtual double screenWidthTwips() = 0;
    virtual double screenHeightTwips() = 0;
    virtual void setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                              unsigned flags) = 0;
};

}  // namespace qvl::platform
