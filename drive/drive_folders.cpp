#include "drive/drive_folders.h"

#include <windows.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/base/wide_text.h"
#include "win32/platform/long_path.h"

namespace qvl::drive {

namespace fs = std::filesystem;

namespace {

// What Wine's own set-up puts on C:; a run never touches it.
bool isSystemEntry(const fs::path& name) {
    static const std::array<std::wstring, 5> system{L"windows", L"users", L"ProgramData", L"Program Files",
                                                    L"Program Files (x86)"};
    for (const auto& entry : system) {
        if (_wcsicmp(name.c_str(), entry.c_str()) == 0) return true;
    }
    return false;
}

// The drive folders that a run may fill: C and D to Y.
std::vector<fs::path> driveFolders(const fs::path& root) {
    std::vector<fs::path> drives;
    for (wchar_t letter = L'C'; letter <= L'Y'; ++letter) {
        fs::path drive = root / std::wstring(1, letter);
        std::error_code ec;
        if (fs::is_directory(drive, ec)) drives.push_back(drive);
    }
    return drives;
}

bool isDriveC(const fs::path& drive) { return _wcsicmp(drive.filename().c_str(), L"C") == 0; }

// Files and folders below a drive may lie deeper than 260 characters: they are reached by
// their extended-length paths.
std::wstring extended(const fs::path& path) { return win32::extendedLengthPath(win32::toUtf8(path.wstring())); }

template <class Visit>
void forEachEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") visit(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void removeTree(const std::wstring& path, bool isFolder) {
    if (isFolder) {
        forEachEntry(path, [&](const std::wstring& name, bool folder) { removeTree(path + L"\\" + name, folder); });
        if (!RemoveDirectoryW(path.c_str())) throw std::runtime_error("cannot remove " + win32::toUtf8(path));
    } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(path.c_str())) throw std::runtime_error("cannot remove " + win32::toUtf8(path));
    }
}

void copyTree(const std::wstring& from, const std::wstring& to, bool isFolder) {
    if (isFolder) {
        CreateDirectoryW(to.c_str(), nullptr);
        forEachEntry(from, [&](const std::wstring& name, bool folder) {
            copyTree(from + L"\\" + name, to + L"\\" + name, folder);
        });
    } else if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + win32::toUtf8(from));
    }
}

}  // namespace

DriveFolders DriveFolders::fromEnvironment() {
    std::wstring value(32768, L'\0');
    DWORD length = GetEnvironmentVariableW(L"QVL_DRIVES", value.data(), static_cast<DWORD>(value.size()));
    if (length == 0 || length >= value.size()) {
        throw std::runtime_error("QVL_DRIVES names no drives folder: run the driver through scripts/wine-run.sh");
    }
    value.resize(length);
    fs::path root(value);
    std::error_code ec;
    if (!fs::is_directory(root, ec)) {
        throw std::runtime_error("the drives folder does not exist: " + win32::toUtf8(value));
    }
    return DriveFolders(root);
}

void DriveFolders::clear() const {
    for (const fs::path& drive : driveFolders(root_)) {
        std::wstring folder = extended(drive);
        forEachEntry(folder, [&](const std::wstring& name, bool isFolder) {
            if (isDriveC(drive) && isSystemEntry(name)) return;
            removeTree(folder + L"\\" + name, isFolder);
        });
    }
}

void DriveFolders::keep(const fs::path& target) const {
    for (const fs::path& drive : driveFolders(root_)) {
        std::wstring from = extended(drive);
        std::wstring kept = extended(target / drive.filename());
        // What an earlier run kept there goes.
        if (GetFileAttributesW(kept.c_str()) != INVALID_FILE_ATTRIBUTES) removeTree(kept, true);
        forEachEntry(from, [&](const std::wstring& name, bool isFolder) {
            if (isDriveC(drive) && isSystemEntry(name)) return;
            fs::create_directories(target / drive.filename());
            copyTree(from + L"\\" + name, kept + L"\\" + name, isFolder);
        });
    }
}

}  // namespace qvl::drive
