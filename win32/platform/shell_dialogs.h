#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qvl::win32 {

// The shell's folder browser. A chosen folder that the file system does not know (Control
// Panel, a library) comes back with an empty path and isFileSystemFolder false.
struct BrowsedFolder {
    std::wstring path;
    bool isFileSystemFolder = true;
};
std::optional<BrowsedFolder> browseForFolder(HWND owner, const std::wstring& title);

// The shell's open-file dialog with one filter ("*.CATPart;*.CATProduct") and several files
// at once; the chosen paths in the order the dialog returns them. Nothing when cancelled.
// Throws automation::Error when the dialog cannot be created.
std::optional<std::vector<std::wstring>> openFiles(HWND owner, const std::wstring& filterDescription,
                                                   const std::wstring& filterPatterns);

}  // namespace qvl::win32
