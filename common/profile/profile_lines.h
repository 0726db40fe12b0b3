#pragma once
// The line structure of a profile (INI) file, on the file's own code units: the raw bytes of a
// GBK file (char) or the UTF-16 code units of a Unicode file (char16_t).

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace qvl::profile::detail {

// Blanks around names and values do not count: space, tab and vertical tab (VT).
template <class Unit>
constexpr bool isProfileBlank(Unit c) {
    return c == Unit(' ') || c == Unit('\t') || c == Unit('\v');
}

// A value enclosed in a matching pair of double or single quotes loses them on reading.
template <class Unit>
constexpr bool isEnclosedInQuotes(std::basic_string_view<Unit> value) {
    return value.size() >= 2 && (value.front() == Unit('"') || value.front() == Unit('\'')) &&
           value.back() == value.front();
}

// One line: content is [begin, end), the terminator (CR LF, LF, CR or none) is [end, next).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

template <class Unit>
std::vector<Line> splitLines(std::basic_string_view<Unit> text);

enum class LineKind { Other, Section, Key };

// What a line says. `name` is the section or key name and `value` the raw value, both
// without surrounding blanks; views into the line.
template <class Unit>
struct LineMeaning {
    LineKind kind = LineKind::Other;
    std::basic_string_view<Unit> name;
    std::basic_string_view<Unit> value;
};

template <class Unit>
LineMeaning<Unit> interpretLine(std::basic_string_view<Unit> content);

// Section and key names compare with ASCII letters folded; double-byte GBK characters and all
// other UTF-16 code units compare exactly (GBK trail bytes may look like ASCII letters).
template <class Unit>
bool sameName(std::basic_string_view<Unit> a, std::basic_string_view<Unit> b);

template <class Unit>
std::basic_string_view<Unit> trimProfileBlanks(std::basic_string_view<Unit> s);

// Where a key stands in a file. Indices are into the lines of splitLines.
struct KeyLocation {
    std::optional<std::size_t> sectionHeader;  // the first section of that name
    std::size_t sectionEnd = 0;                // the line after the section's last line
    std::optional<std::size_t> keyLine;        // the first line of the key in that section
};

// `section` and `key` are in the file's code units, without surrounding blanks.
template <class Unit>
KeyLocation locateKey(std::basic_string_view<Unit> text, const std::vector<Line>& lines,
                      std::basic_string_view<Unit> section, std::basic_string_view<Unit> key);

}  // namespace qvl::profile::detail
