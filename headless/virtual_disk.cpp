#include "headless/virtual_disk.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace qvl::platform {
namespace fs = std::filesystem;

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

// Splits "D:\a\b" into the drive letter and its components; nullopt for anything else.
std::optional<std::vector<std::string>> splitDrivePath(std::string_view path) {
    if (path.size() < 2 || path[1] != ':') return std::nullopt;
    char drive = upper(path[0]);
    if (drive < 'A' || drive > 'Z') return std::nullopt;
    std::vector<std::string> parts{std::string(1, drive)};
    std::string current;
    auto flush = [&]() -> bool {
        if (current.empty() || current == ".") {
        } else if (current == "..") {
            if (parts.size() == 1) return false;
            parts.pop_back();
        } else {
            parts.push_back(current);
        }
        current.clear();
        return true;
    };
    for (char c : path.substr(2)) {
        if (c == '\\' || c == '/') {
            if (!flush()) return std::nullopt;
        } else {
            current += c;
        }
    }
    if (!flush()) return std::nullopt;
    return parts;
}

// The existing entry of `folder` whose name equals `name` but for letter case, else `name`.
fs::path matchingEntry(const fs::path& folder, const std::string& name) {
    fs::path exact = folder / pathFromUtf8(name);
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (equalIgnoringCase(utf8FromPath(entry.path().filename()), name)) return entry.path();
    }
    return exact;
}

}  // namespace

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string utf8FromPath(const fs::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

VirtualDisk::VirtualDisk(fs::path root) : root_(std::move(root)) {}

std::optional<fs::path> VirtualDisk::hostPath(std::string_view windowsPath) const {
    auto parts = splitDrivePath(windowsPath);
    if (!parts) return std::nullopt;
    fs::path host = root_;
    for (const std::string& part : *parts) host = matchingEntry(host, part);
    return host;
}

bool VirtualDisk::fileExists(std::string_view windowsPath) const {
    auto host = hostPath(windowsPath);
    std::error_code ec;
    return host && fs::is_regular_file(*host, ec);
}

bool VirtualDisk::folderExists(std::string_view windowsPath) const {
    auto host = hostPath(windowsPath);
    std::error_code ec;
    return host && fs::is_directory(*host, ec);
}

std::optional<std::string> VirtualDisk::readFile(std::string_view windowsPath) const {
    if (!fileExists(windowsPath)) return std::nullopt;
    std::ifstream in(*hostPath(windowsPath), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool VirtualDisk::writeFile(std::string_view windowsPath, std::string_view bytes, bool createFolders) {
    auto host = hostPath(windowsPath);
    if (!host || folderExists(windowsPath)) return false;
    std::error_code ec;
    if (createFolders) fs::create_directories(host->parent_path(), ec);
    if (!fs::is_directory(host->parent_path(), ec)) return false;
    std::ofstream out(*host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool VirtualDisk::removeFile(std::string_view windowsPath) {
    if (!fileExists(windowsPath)) return false;
    std::error_code ec;
    return fs::remove(*hostPath(windowsPath), ec);
}

bool VirtualDisk::createFolder(std::string_view windowsPath) {
    auto host = hostPath(windowsPath);
    std::error_code ec;
    return host && (fs::create_directories(*host, ec) || fs::is_directory(*host, ec));
}

std::vector<std::string> VirtualDisk::filesBelow(std::string_view windowsFolder) const {
    std::vector<std::string> names;
    if (!folderExists(windowsFolder)) return names;
    fs::path folder = *hostPath(windowsFolder);
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string relative = utf8FromPath(it->path().lexically_relative(folder));
        std::replace(relative.begin(), relative.end(), '/', '\\');
        names.push_back(relative);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace qvl::platform
