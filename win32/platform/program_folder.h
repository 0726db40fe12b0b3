#pragma once

#include <string>

namespace qvl::win32 {

// The folder that holds the running executable, without a trailing backslash: the program's
// folder, which holds its settings file and its Template folder.
std::string executableFolder();

}  // namespace qvl::win32
