#pragma once

#include <filesystem>

namespace qvl::drive {

// The drives of the machine the driven program runs on, as one folder: `root()\D` is D:\, and
// so on. The machine is a Wine prefix prepared by scripts/wine-run.sh, which links the drive
// letters D: to Y: to such folders, links `C` to the prefix's C: drive and names the folder in
// the environment variable QVL_DRIVES. A run starts on empty drives and may keep them.
class DriveFolders {
public:
    // The folder that QVL_DRIVES names; throws when it is not set or does not exist.
    static DriveFolders fromEnvironment();

    const std::filesystem::path& root() const noexcept { return root_; }

    // Empties every drive: D: to Y: wholly, C: but for the system's own folders.
    void clear() const;
    // Copies what the drives hold (C: without the system's folders) to `target\<letter>`.
    void keep(const std::filesystem::path& target) const;

private:
    explicit DriveFolders(std::filesystem::path root) : root_(std::move(root)) {}

    std::filesystem::path root_;
};

}  // namespace qvl::drive
