#include "common/platform/windows_path.h"

#include <algorithm>
#include <vector>

namespace qvl::platform {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::size_t lastSeparator(std::string_view path) { return path.find_last_of("\\/"); }

char folded(char c) {
    if (c == '/') return '\\';
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string withBackslashes(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '/', '\\');
    return out;
}

// The length of the root of a full path with backslashes: "D:" of "D:\x", "\\server\share" of
// "\\server\share\x"; 0 for a path that is not full.
std::size_t rootLengthOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return 2;
    if (path.rfind("\\\\", 0) != 0) return 0;
    std::size_t share = path.find('\\', 2);
    if (share == std::string::npos) return path.size();
    return std::min(path.find('\\', share + 1), path.size());
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

std::string resolvePath(std::string_view folder, std::string_view path) {
    std::string full = withBackslashes(path);
    if (rootLengthOf(full) == 0) {
        const std::string base = withBackslashes(folder);
        // "\x" lies on the folder's drive or share; anything else below the folder.
        full = !full.empty() && full.front() == '\\' ? base.substr(0, rootLengthOf(base)) + full : joinPath(base, full);
    }
    const std::size_t root = rootLengthOf(full);
    std::vector<std::string> steps;
    for (std::size_t at = root; at < full.size();) {
        std::size_t next = std::min(full.find('\\', at), full.size());
        std::string step = full.substr(at, next - at);
        if (step == "..") {
            if (!steps.empty()) steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(std::move(step));
        }
        at = next + 1;
    }
    std::string resolved = full.substr(0, root);
    for (const std::string& step : steps) resolved += "\\" + step;
    if (resolved.size() == root) resolved += '\\';
    return resolved;
}

bool samePath(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) return false;
    }
    return true;
}

}  // namespace qvl::platform
