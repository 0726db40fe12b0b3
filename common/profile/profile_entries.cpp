#include "common/profile/profile_entries.h"

#include <vector>

#include "common/profile/profile_lines.h"

namespace qvl::profile::detail {

namespace {

template <class Unit>
std::basic_string_view<Unit> contentOf(std::basic_string_view<Unit> text, const Line& line) {
    return text.substr(line.begin, line.end - line.begin);
}

template <class Unit>
bool isBlankLine(std::basic_string_view<Unit> content) {
    return trimProfileBlanks(content).empty();
}

template <class Unit>
bool isLineEnd(Unit c) {
    return c == Unit('\r') || c == Unit('\n');
}

}  // namespace

template <class Unit>
std::optional<std::basic_string_view<Unit>> findValue(std::basic_string_view<Unit> text,
                                                      std::basic_string_view<Unit> section,
                                                      std::basic_string_view<Unit> key) {
    const std::vector<Line> lines = splitLines(text);
    const KeyLocation where = locateKey(text, lines, section, key);
    if (!where.keyLine) return std::nullopt;
    std::basic_string_view<Unit> value = interpretLine(contentOf(text, lines[*where.keyLine])).value;
    if (isEnclosedInQuotes(value)) value = value.substr(1, value.size() - 2);
    return value.substr(0, value.find(Unit('\0')));
}

template <class Unit>
std::basic_string<Unit> setValue(std::basic_string_view<Unit> text, std::basic_string_view<Unit> section,
                                 std::basic_string_view<Unit> key, std::basic_string_view<Unit> value) {
    const std::basic_string<Unit> newLine{Unit('\r'), Unit('\n')};
    const std::vector<Line> lines = splitLines(text);
    const KeyLocation where = locateKey(text, lines, section, key);
    std::basic_string<Unit> out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);

    if (where.keyLine) {
        const Line& line = lines[*where.keyLine];
        out.append(text.substr(0, line.begin));
        out.append(interpretLine(contentOf(text, line)).name).append(1, Unit('=')).append(value);
        out.append(text.substr(line.end));
        return out;
    }

    std::basic_string<Unit> keyLine(key);
    keyLine.append(1, Unit('=')).append(value);
    if (where.sectionHeader) {
        std::size_t last = *where.sectionHeader;
        for (std::size_t i = last + 1; i < where.sectionEnd; ++i) {
            if (!isBlankLine(contentOf(text, lines[i]))) last = i;
        }
        const Line& after = lines[last];
        if (after.next == after.end) {  // the file's last line, without a line end
            out.append(text).append(newLine).append(keyLine).append(newLine);
        } else {
            out.append(text.substr(0, after.next)).append(keyLine).append(newLine);
            out.append(text.substr(after.next));
        }
        return out;
    }

    out.append(text);
    if (!out.empty() && !isLineEnd(out.back())) out.append(newLine);
    out.append(1, Unit('[')).append(section).append(1, Unit(']')).append(newLine);
    out.append(keyLine).append(newLine);
    return out;
}

// The two kinds of settings file: GBK bytes and UTF-16 code units.
template std::optional<std::string_view> findValue(std::string_view, std::string_view, std::string_view);
template std::optional<std::u16string_view> findValue(std::u16string_view, std::u16string_view,
                                                      std::u16string_view);
template std::string setValue(std::string_view, std::string_view, std::string_view, std::string_view);
template std::u16string setValue(std::u16string_view, std::u16string_view, std::u16string_view,
                                 std::u16string_view);

}  // namespace qvl::profile::detail
