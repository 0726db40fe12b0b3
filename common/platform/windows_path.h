#pragma once

#include <string>
#include <string_view>

namespace qvl::platform {

// Pure helpers for Windows paths as users see them ("D:\models\A.CATPart").

// The folder part without a trailing backslash ("D:\models"); "" when there is none.
std::string folderOf(std::string_view path);
// The last component ("A.CATPart").
std::string fileNameOf(std::string_view path);
// The file name without its last extension ("A").
std::string baseNameOf(std::string_view path);
// The last extension without the dot ("CATPart"); "" when there is none.
std::string extensionOf(std::string_view path);
// Joins a folder and a name with one backslash.
std::string joinPath(std::string_view folder, std::string_view name);
// Compares two paths as Windows does: letter case and '/' against '\' do not matter.
bool samePath(std::string_view a, std::string_view b);

}  // namespace qvl::platform
