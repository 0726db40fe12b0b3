#pragma once

#include <filesystem>

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

}  // namespace qvl::win32
