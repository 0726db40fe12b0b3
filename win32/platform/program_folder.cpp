#include "win32/platform/program_folder.h"

#include <windows.h>

#include "common/platform/windows_path.h"
#include "win32/base/wide_text.h"

namespace qvl::win32 {

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
    std::string folder = platform::folderOf(toUtf8(path));
    // A program started by a long path may see it with the extended-length prefix.
    if (folder.rfind("\\\\?\\", 0) == 0 && folder.rfind("\\\\?\\UNC\\", 0) != 0) folder.erase(0, 4);
    return folder;
}

}  // namespace qvl::win32
