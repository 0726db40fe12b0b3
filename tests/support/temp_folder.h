#pragma once

#include <atomic>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>

namespace qvl::testing {

// A fresh folder below the system's temporary folder, removed with the object; a test's
// simulated disk lives in it.
class TempFolder {
public:
    // `folders` are created below the new folder ("C/QVL", "D/models").
    explicit TempFolder(std::initializer_list<const char*> folders = {}) {
        static std::atomic<unsigned> counter{0};
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("qvl-test-" + std::to_string(seed()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(path_);
        for (const char* folder : folders) std::filesystem::create_directories(path_ / folder);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& root() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace qvl::testing
