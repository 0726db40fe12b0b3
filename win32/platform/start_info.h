#pragma once

#include <string>
#include <vector>

namespace qvl::win32 {

// The arguments the program was started with, after its own name, as the system splits its
// command line.
std::vector<std::string> programArguments();

// The folder the program was started in (its current folder), without a trailing backslash
// unless it is a drive's root.
std::string startFolder();

}  // namespace qvl::win32
