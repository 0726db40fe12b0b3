#include "scenario/workspace.h"

#include <random>
#include <string>
#include <system_error>

#include "headless/virtual_disk.h"

namespace qvl::scenario {

namespace fs = std::filesystem;

namespace {

fs::path freshTemporaryFolder() {
    std::random_device seed;
    std::mt19937_64 generator(seed());
    for (;;) {
        fs::path candidate = fs::temp_directory_path() / ("qvl-scenario-" + std::to_string(generator() % 1000000000ULL));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) return candidate;
        if (ec) throw fs::filesystem_error("cannot create a workspace", candidate, ec);
    }
}

// A kept folder starts without the drives of an earlier run; other files in it stay.
void clearDrives(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string name = platform::utf8FromPath(entry.path().filename());
        bool isDrive = name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
        if (isDrive && entry.is_directory(ec)) fs::remove_all(entry.path(), ec);
    }
}

}  // namespace

Workspace::Workspace(std::optional<fs::path> kept) : temporary_(!kept) {
    if (kept) {
        path_ = fs::absolute(*kept);
        clearDrives(path_);
    } else {
        path_ = freshTemporaryFolder();
    }
}

Workspace::~Workspace() {
    if (!temporary_) return;
    std::error_code ec;
    fs::remove_all(path_, ec);
}

}  // namespace qvl::scenario
