#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qvl::drive {

// The dialogs a program opens, read and answered from another process as a person would with
// the mouse and keyboard: a message box, the program's input box, the shell's folder browser
// and the open-file dialog.
enum class DialogKind { Message, Input, Folder, Files, Unknown };

DialogKind kindOf(HWND dialog);
std::string windowTextOf(HWND window);

struct MessageBoxView {
    std::string text;
    std::string caption;
    int flags = 0;   // buttons, icon and system-modal flags as the box shows them
    // A box that a window owns is top-most or not with its owner, system-modal or not: then
    // the system-modal flag cannot be told and is left out of `flags`.
    bool systemModalKnown = true;
};
MessageBoxView readMessageBox(HWND box);

struct InputBoxView {
    std::string prompt;
    std::string caption;
    std::string defaultText;
};
InputBoxView readInputBox(HWND box);
void typeIntoInputBox(HWND box, const std::string& text);

// The folder browser's title line; chooses a folder by its path, or the shell's virtual folder
// "Computer" (no file-system folder).
std::string folderBrowserTitle(HWND browser);
void chooseFolder(HWND browser, HANDLE process, const std::string& path);
void chooseVirtualFolder(HWND browser, HANDLE process);

// The open-file dialog's file type as it shows it; types the paths into its file name box.
std::string fileDialogFilter(HWND dialog);
void typeFileNames(HWND dialog, const std::vector<std::string>& paths);

// Presses a dialog's button (IDOK, IDCANCEL, ...).
void pressButton(HWND dialog, int id);

}  // namespace qvl::drive
