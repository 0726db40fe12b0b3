#pragma once

#include <string>
#include <string_view>

namespace qvl::win32 {

// A Windows path ("D:\out\零件 1.CATPart", "\\server\share\a.ini") in the form that the
// wide-character file functions accept at any length: made absolute, then given the "\\?\"
// prefix ("\\?\UNC\" for a network path), which also lifts the 260-character limit.
// Forward slashes become backslashes, since the prefix turns off that translation.
std::wstring extendedLengthPath(std::string_view windowsPath);

}  // namespace qvl::win32
