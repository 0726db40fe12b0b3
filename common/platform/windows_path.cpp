#include "common/platform/windows_path.h"

namespace qvl::platform {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::size_t lastSeparator(std::string_view path) { return path.find_last_of("\\/"); }

char folded(char c) {
    if (c == '/') return '\\';
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string folderOf(std::string_view path) {
    std::size_t cut = lastSeparator(path);
    if (cut == std::string_view::npos) return "";
    return std::string(path.substr(0, cut));
}

std::string fileNameOf(std::string_view path) {
    std::size_t cut = lastSeparator(path);
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string baseNameOf(std::string_view path) {
    std::string name = fileNameOf(path);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string extensionOf(std::string_view path) {
    std::string name = fileNameOf(path);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1);
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    if (!joined.empty() && !isSeparator(joined.back())) joined += '\\';
    joined += name;
    return joined;
}

bool samePath(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) return false;
    }
    return true;
}

}  // namespace qvl::platform
