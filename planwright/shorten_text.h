#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qvl::planwright {

// A text cut to n characters for display: unchanged when it has at most n characters;
// otherwise ".." and its last n characters (side "R") or its first n characters and ".."
// (side "L"); "" for any other side. Characters, not bytes, are counted: a Chinese
// character is one. A negative n fails with error 5, as VB's Right and Left do.
std::string ShortenText(std::string_view text, std::int16_t n, std::string_view side);

}  // namespace qvl::planwright
