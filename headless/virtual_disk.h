#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::platform {

// The simulated disk that the headless platform and the simulated CATIA share: every drive
// letter is a folder of a workspace ("D:\models\A.CATPart" is <root>/D/models/A.CATPart).
// Names are found without regard to letter case, as on Windows.
class VirtualDisk {
public:
    explicit VirtualDisk(std::filesystem::path root);

    const std::filesystem::path& root() const noexcept { return root_; }

    // The workspace path of a Windows path; nullopt when the text is no absolute drive path
    // or names a location outside the drive (".." past its root).
    std::optional<std::filesystem::path> hostPath(std::string_view windowsPath) const;

    bool fileExists(std::string_view windowsPath) const;
    bool folderExists(std::string_view windowsPath) const;
    std::optional<std::string> readFile(std::string_view windowsPath) const;
    // Writes a file; the folder must exist unless `createFolders` is set.
    bool writeFile(std::string_view windowsPath, std::string_view bytes, bool createFolders = false);
    bool removeFile(std::string_view windowsPath);
    bool createFolder(std::string_view windowsPath);
    // The files below a folder, as paths relative to it with '\' separators, sorted.
    std::vector<std::string> filesBelow(std::string_view windowsFolder) const;

private:
    std::filesystem::path root_;
};

// Conversions between UTF-8 text and file-system paths that hold on every platform.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace qvl::platform
