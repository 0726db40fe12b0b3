#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace qvl::win32 {

// The sample world of the source tree (samples/world), found from the working folder up;
// empty when the tests run outside the tree.
inline std::filesystem::path sampleWorldFolder() {
    for (std::filesystem::path p = std::filesystem::current_path(); !p.empty() && p != p.root_path();
         p = p.parent_path()) {
        if (std::filesystem::exists(p / "samples" / "world")) return p / "samples" / "world";
    }
    return {};
}

// A copy of the sample world in a temporary folder of its own (one per test process), removed
// when it goes.
class SampleWorkspace {
public:
    explicit SampleWorkspace(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(GetCurrentProcessId()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        std::filesystem::copy(sampleWorldFolder(), path_, std::filesystem::copy_options::recursive);
    }
    ~SampleWorkspace() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    SampleWorkspace(const SampleWorkspace&) = delete;
    SampleWorkspace& operator=(const SampleWorkspace&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace qvl::win32
