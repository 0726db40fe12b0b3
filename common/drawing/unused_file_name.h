#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qvl::drawing {

// A name for a new file that overwrites nothing. `path` is the wanted path without its
// extension; the file is `path` + `extension`. When that file exists, the name gets "_" and a
// number: first the number drawn from `random` (0 <= r < 1, giving 0 to 99), and when that
// file exists too, the next free number after it (99 wraps to 0), then 100, 101, ... once 0 to
// 99 are all taken. nullopt only when no free name turns up at all.
std::optional<std::string> UnusedFileName(const std::string& path, std::string_view extension,
                                          const std::function<bool(const std::string&)>& fileExists,
                                          const std::function<double()>& random);

}  // namespace qvl::drawing
