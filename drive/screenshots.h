#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace qvl::drive {

// Pictures of the windows a run meets, as they show on the screen with their title bars:
// FOLDER\NNN-name.png in the order taken. Without a folder, none are taken.
class Screenshots {
public:
    explicit Screenshots(std::optional<std::filesystem::path> folder);

    void take(HWND window, const std::string& name);

private:
    std::optional<std::filesystem::path> folder_;
    int taken_ = 0;
};

// Writes the screen's pixels inside `area` to a PNG file.
void savePng(const RECT& area, const std::filesystem::path& file);

}  // namespace qvl::drive
