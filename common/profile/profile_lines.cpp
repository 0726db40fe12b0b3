#include "common/profile/profile_lines.h"

#include "common/text/gbk.h"

namespace qvl::profile::detail {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view contentOf(std::string_view bytes, const Line& line) {
    return bytes.substr(line.begin, line.end - line.begin);
}

// Position of the first ']' that is a character of its own (not the trail byte of a pair).
std::size_t findClosingBracket(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size(); pos += text::gbkCharLength(s, pos)) {
        if (s[pos] == ']') return pos;
    }
    return std::string_view::npos;
}

}  // namespace

std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", begin);
        if (end == std::string_view::npos) {
            lines.push_back({begin, bytes.size(), bytes.size()});
            break;
        }
        std::size_t next = end + 1;
        if (bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
        lines.push_back({begin, end, next});
        begin = next;
    }
    return lines;
}

std::string_view trimProfileBlanks(std::string_view s) {
    std::size_t first = 0;
    while (first < s.size() && isBlank(s[first])) ++first;
    std::size_t last = s.size();
    while (last > first && isBlank(s[last - 1])) --last;
    return s.substr(first, last - first);
}

LineMeaning interpretLine(std::string_view content) {
    const std::string_view line = trimProfileBlanks(content);
    if (!line.empty() && line.front() == '[') {
        const std::string_view inside = line.substr(1);
        return {LineKind::Section, trimProfileBlanks(inside.substr(0, findClosingBracket(inside))), {}};
    }
    // '=' (0x3D) is never the trail byte of a double-byte character.
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {LineKind::Key, trimProfileBlanks(line.substr(0, equals)),
            trimProfileBlanks(line.substr(equals + 1))};
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t pos = 0; pos < a.size();) {
        const std::size_t length = text::gbkCharLength(a, pos);
        if (length == 2) {
            if (a.substr(pos, 2) != b.substr(pos, 2)) return false;
        } else if (foldAscii(a[pos]) != foldAscii(b[pos])) {
            return false;
        }
        pos += length;
    }
    return true;
}

KeyLocation locateKey(std::string_view bytes, const std::vector<Line>& lines, std::string_view section,
                      std::string_view key) {
    KeyLocation location;
    location.sectionEnd = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineMeaning meaning = interpretLine(contentOf(bytes, lines[i]));
        if (meaning.kind == LineKind::Section) {
            if (location.sectionHeader) {
                location.sectionEnd = i;
                break;
            }
            if (sameName(meaning.name, section)) location.sectionHeader = i;
        } else if (meaning.kind == LineKind::Key && location.sectionHeader && !location.keyLine &&
                   sameName(meaning.name, key)) {
            location.keyLine = i;
        }
    }
    return location;
}

}  // namespace qvl::profile::detail
