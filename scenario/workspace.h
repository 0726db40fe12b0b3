#pragma once

#include <filesystem>
#include <optional>


namespace qvl::scenario {

// The folder that holds a run's simulated disk: a temporary folder removed at the end, or the
// folder that --keep names, left in place with renders of the saved drawings.
class Workspace {
public:
    explicit Workspace(std::optional<std::filesystem::path> kept);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
    bool temporary_;
};

}  // namespace qvl::scenario
