#include "drive/drive_folders.h"

#include <windows.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/base/wide_text.h"

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
        for (const auto& entry : fs::directory_iterator(drive)) {
            if (isDriveC(drive) && isSystemEntry(entry.path().filename())) continue;
            std::error_code ec;
            fs::remove_all(entry.path(), ec);
            if (ec) throw std::runtime_error("cannot empty " + win32::toUtf8(entry.path().wstring()) + ": " + ec.message());
        }
    }
}

void DriveFolders::keep(const fs::path& target) const {
    for (const fs::path& drive : driveFolders(root_)) {
        fs::path kept = target / drive.filename();
        // What an earlier run kept there goes.
        fs::remove_all(kept);
        for (const auto& entry : fs::directory_iterator(drive)) {
            if (isDriveC(drive) && isSystemEntry(entry.path().filename())) continue;
            fs::create_directories(kept);
            fs::copy(entry.path(), kept / entry.path().filename(), fs::copy_options::recursive);
        }
    }
}

}  // namespace qvl::drive
