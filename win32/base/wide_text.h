#pragma once

#include <string>
#include <string_view>

namespace qvl::win32 {

// Texts are UTF-8 inside the programs and UTF-16 at every call of the wide-character API.
// Ill-formed input is not refused: each bad sequence becomes U+FFFD, as the system does.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

}  // namespace qvl::win32
