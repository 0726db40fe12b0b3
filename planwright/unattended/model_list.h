#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qvl::planwright {

// The model paths of a list file, one a line: the file's bytes are UTF-8 (with or without a
// byte-order mark) or, when they are not, GBK; blank lines and lines starting with '#' are left
// out, blanks and a pair of double quotes around a path are not part of it, and a relative path
// is read against `listFolder`.
std::vector<std::string> readModelList(std::string_view bytes, std::string_view listFolder);

}  // namespace qvl::planwright
