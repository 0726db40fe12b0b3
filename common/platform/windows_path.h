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
// `path` read against the full path `folder` as Windows reads a relative path: a full path
// ("D:\x", "\\server\x") stands as it is, "\x" lies on the folder's drive, anything else below
// the folder. '/' becomes '\', and "." and ".." steps are resolved (never above the root).
std::string resolvePath(std::string_view folder, std::string_view path);
// Compares two paths as Windows does: letter case and '/' against '\' do not matter.
bool samePath(std::string_view a, std::string_view b);

}  // namespace qvl::platform
