#include "common/drawing/unused_file_name.h"

#include <algorithm>

namespace qvl::drawing {
namespace {

constexpr int drawnNumbers = 100;
// Far beyond any folder a person keeps; ends the search when the existence test always
// answers yes.
constexpr int lastNumberTried = 100000;

}  // namespace

std::optional<std::string> UnusedFileName(const std::string& path, std::string_view extension,
                                          const std::function<bool(const std::string&)>& fileExists,
                                          const std::function<double()>& random) {
    const std::string ext(extension);
    if (!fileExists(path + ext)) return path;

    auto numbered = [&](int n) { return path + "_" + std::to_string(n); };
    const int drawn = std::clamp(static_cast<int>(random() * drawnNumbers), 0, drawnNumbers - 1);
    for (int k = 0; k < drawnNumbers; ++k) {
        const std::string candidate = numbered((drawn + k) % drawnNumbers);
        if (!fileExists(candidate + ext)) return candidate;
    }
    for (int n = drawnNumbers; n <= lastNumberTried; ++n) {
        const std::string candidate = numbered(n);
        if (!fileExists(candidate + ext)) return candidate;
    }
    return std::nullopt;
}

}  // namespace qvl::drawing
