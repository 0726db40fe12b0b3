#pragma once
// The line structure of a profile (INI) file, on its raw GBK bytes.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace qvl::profile::detail {

// One line: content is [begin, end), the terminator (CR LF, LF, CR or none) is [end, next).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

std::vector<Line> splitLines(std::string_view bytes);

enum class LineKind { Other, Section, Key };

// What a line says. `name` is the section or key name and `value` the raw value, both
// without surrounding blanks (spaces and tabs); views into the line.
struct LineMeaning {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

LineMeaning interpretLine(std::string_view content);

// Section and key names compare with ASCII letters folded; double-byte characters compare
// exactly (their trail bytes may look like ASCII letters).
bool sameName(std::string_view a, std::string_view b);

std::string_view trimProfileBlanks(std::string_view s);

// Where a key stands in a file. Indices are into the lines of splitLines.
struct KeyLocation {
    std::optional<std::size_t> sectionHeader;  // the first section of that name
    std::size_t sectionEnd = 0;                // the line after the section's last line
    std::optional<std::size_t> keyLine;        // the first line of the key in that section
};

// `section` and `key` are GBK bytes without surrounding blanks.
KeyLocation locateKey(std::string_view bytes, const std::vector<Line>& lines, std::string_view section,
                      std::string_view key);

}  // namespace qvl::profile::detail
