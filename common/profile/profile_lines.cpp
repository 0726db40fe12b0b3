#include "common/profile/profile_lines.h"

#include "common/text/gbk.h"

namespace qvl::profile::detail {

namespace {

// Code units taken by the character at `pos`: a GBK pair is one character; in a Unicode file
// every code unit stands for itself (surrogates never look like ASCII).
std::size_t charLength(std::string_view s, std::size_t pos) { return text::gbkCharLength(s, pos); }
std::size_t charLength(std::u16string_view, std::size_t) { return 1; }

template <class Unit>
Unit foldAscii(Unit c) {
    return (c >= Unit('A') && c <= Unit('Z')) ? static_cast<Unit>(c - Unit('A') + Unit('a')) : c;
}

template <class Unit>
std::basic_string_view<Unit> contentOf(std::basic_string_view<Unit> text, const Line& line) {
    return text.substr(line.begin, line.end - line.begin);
}

// Position of the first ']' that is a character of its own (not the trail byte of a pair).
template <class Unit>
std::size_t findClosingBracket(std::basic_string_view<Unit> s) {
    for (std::size_t pos = 0; pos < s.size(); pos += charLength(s, pos)) {
        if (s[pos] == Unit(']')) return pos;
    }
    return std::basic_string_view<Unit>::npos;
}

template <class Unit>
std::size_t findLineEnd(std::basic_string_view<Unit> text, std::size_t from) {
    for (std::size_t pos = from; pos < text.size(); ++pos) {
        if (text[pos] == Unit('\r') || text[pos] == Unit('\n')) return pos;
    }
    return std::basic_string_view<Unit>::npos;
}

}  // namespace

template <class Unit>
std::vector<Line> splitLines(std::basic_string_view<Unit> text) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = findLineEnd(text, begin);
        if (end == std::basic_string_view<Unit>::npos) {
            lines.push_back({begin, text.size(), text.size()});
            break;
        }
        std::size_t next = end + 1;
        if (text[end] == Unit('\r') && next < text.size() && text[next] == Unit('\n')) ++next;
        lines.push_back({begin, end, next});
        begin = next;
    }
    return lines;
}

template <class Unit>
std::basic_string_view<Unit> trimProfileBlanks(std::basic_string_view<Unit> s) {
    std::size_t first = 0;
    while (first < s.size() && isProfileBlank(s[first])) ++first;
    std::size_t last = s.size();
    while (last > first && isProfileBlank(s[last - 1])) --last;
    return s.substr(first, last - first);
}

template <class Unit>
LineMeaning<Unit> interpretLine(std::basic_string_view<Unit> content) {
    const std::basic_string_view<Unit> line = trimProfileBlanks(content);
    if (!line.empty() && line.front() == Unit('[')) {
        const std::basic_string_view<Unit> inside = line.substr(1);
        return {LineKind::Section, trimProfileBlanks(inside.substr(0, findClosingBracket(inside))), {}};
    }
    // '=' (0x3D) is never the trail byte of a double-byte character.
    const std::size_t equals = line.find(Unit('='));
    if (equals == std::basic_string_view<Unit>::npos) return {};
    return {LineKind::Key, trimProfileBlanks(line.substr(0, equals)), trimProfileBlanks(line.substr(equals + 1))};
}

template <class Unit>
bool sameName(std::basic_string_view<Unit> a, std::basic_string_view<Unit> b) {
    if (a.size() != b.size()) return false;
    for (std::size_t pos = 0; pos < a.size();) {
        const std::size_t length = charLength(a, pos);
        if (length == 2) {
            if (a.substr(pos, 2) != b.substr(pos, 2)) return false;
        } else if (foldAscii(a[pos]) != foldAscii(b[pos])) {
            return false;
        }
        pos += length;
    }
    return true;
}

template <class Unit>
KeyLocation locateKey(std::basic_string_view<Unit> text, const std::vector<Line>& lines,
                      std::basic_string_view<Unit> section, std::basic_string_view<Unit> key) {
    KeyLocation location;
    location.sectionEnd = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineMeaning<Unit> meaning = interpretLine(contentOf(text, lines[i]));
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

// The two kinds of settings file: GBK bytes and UTF-16 code units.
template std::vector<Line> splitLines(std::string_view);
template std::vector<Line> splitLines(std::u16string_view);
template std::string_view trimProfileBlanks(std::string_view);
template std::u16string_view trimProfileBlanks(std::u16string_view);
template LineMeaning<char> interpretLine(std::string_view);
template LineMeaning<char16_t> interpretLine(std::u16string_view);
template bool sameName(std::string_view, std::string_view);
template bool sameName(std::u16string_view, std::u16string_view);
template KeyLocation locateKey(std::string_view, const std::vector<Line>&, std::string_view, std::string_view);
template KeyLocation locateKey(std::u16string_view, const std::vector<Line>&, std::u16string_view,
                               std::u16string_view);

}  // namespace qvl::profile::detail
