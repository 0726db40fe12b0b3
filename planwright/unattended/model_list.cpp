#include "planwright/unattended/model_list.h"

#include "common/platform/windows_path.h"
#include "common/text/gbk.h"
#include "common/text/utf8.h"

namespace qvl::planwright {
namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

bool isUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const text::Utf8Char c = text::decodeUtf8At(bytes, at);
        if (!c.valid) return false;
        at += c.length;
    }
    return true;
}

std::string trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return "";
    const std::size_t last = line.find_last_not_of(" \t");
    return std::string(line.substr(first, last - first + 1));
}

}  // namespace

std::vector<std::string> readModelList(std::string_view bytes, std::string_view listFolder) {
    std::string text;
    if (bytes.starts_with(utf8Mark)) text = bytes.substr(utf8Mark.size());
    else if (isUtf8(bytes)) text = bytes;
    else text = text::gbkToUtf8(bytes);

    std::vector<std::string> paths;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = trimmed(std::string_view(text).substr(at, end - at));
        if (!line.empty() && line.back() == '\r') line = trimmed(line.substr(0, line.size() - 1));
        // A path copied from Explorer ("Copy as path") comes in double quotes.
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"') line = trimmed(line.substr(1, line.size() - 2));
        if (!line.empty() && line.front() != '#') paths.push_back(platform::resolvePath(listFolder, line));
        at = end + 1;
    }
    return paths;
}

}  // namespace qvl::planwright
