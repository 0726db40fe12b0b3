#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qvl::platform {

// The arguments of a command line as a Windows program's start-up splits them: blanks and tabs
// separate arguments; double quotes group blanks into one (a doubled quote inside quotes is a
// quote); backslashes are plain, except that 2n of them before a quote are n and let the quote
// group, and 2n+1 are n and a plain quote.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

}  // namespace qvl::platform
