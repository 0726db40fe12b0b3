#include "common/profile/profile_text.h"

#include <utility>
#include <vector>

#include "common/profile/profile_lines.h"
#include "common/text/gbk.h"

namespace qvl::profile {

namespace {

using detail::Line;

constexpr std::string_view kNewLine = "\r\n";

std::string_view firstLineOf(std::string_view s) {
    return s.substr(0, s.find_first_of(std::string_view("\r\n\0", 3)));
}

// A section or key name as it is matched and written: one line, GBK, without blanks around.
std::string nameInFile(std::string_view utf8) {
    return text::utf8ToGbk(detail::trimProfileBlanks(firstLineOf(utf8)));
}

std::string_view contentOf(std::string_view bytes, const Line& line) {
    return bytes.substr(line.begin, line.end - line.begin);
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool isBlankLine(std::string_view content) { return detail::trimProfileBlanks(content).empty(); }

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// A default value comes back through the same buffer as a value read from the file.
std::string cutToBuffer(std::string_view utf8, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    const std::string bytes = text::utf8ToGbk(utf8);
    if (bytes.size() <= bufferSize - 1) return std::string(utf8);
    return text::gbkToUtf8(std::string_view(bytes).substr(0, bufferSize - 1));
}

}  // namespace

std::optional<std::string> findProfileString(std::string_view fileBytes, std::string_view section,
                                             std::string_view key, std::size_t bufferSize) {
    const std::vector<Line> lines = detail::splitLines(fileBytes);
    const detail::KeyLocation where =
        detail::locateKey(fileBytes, lines, nameInFile(section), nameInFile(key));
    if (!where.keyLine) return std::nullopt;
    std::string_view value =
        unquoted(detail::interpretLine(contentOf(fileBytes, lines[*where.keyLine])).value);
    value = value.substr(0, value.find('\0'));
    if (bufferSize == 0) return std::string();
    return text::gbkToUtf8(value.substr(0, bufferSize - 1));
}

std::string readProfileString(std::string_view fileBytes, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize) {
    std::optional<std::string> value = findProfileString(fileBytes, section, key, bufferSize);
    if (!value) return cutToBuffer(defaultValue, bufferSize);
    return std::move(*value);
}

std::string writeProfileString(std::string_view fileBytes, std::string_view section, std::string_view key,
                               std::string_view value) {
    const std::string sectionName = nameInFile(section);
    const std::string keyName = nameInFile(key);
    const std::string valueBytes = text::utf8ToGbk(firstLineOf(value));

    const std::vector<Line> lines = detail::splitLines(fileBytes);
    const detail::KeyLocation where = detail::locateKey(fileBytes, lines, sectionName, keyName);
    std::string out;
    out.reserve(fileBytes.size() + sectionName.size() + keyName.size() + valueBytes.size() + 8);

    if (where.keyLine) {
        const Line& line = lines[*where.keyLine];
        const std::string_view originalKey = detail::interpretLine(contentOf(fileBytes, line)).name;
        out.append(fileBytes.substr(0, line.begin));
        out.append(originalKey).append("=").append(valueBytes);
        out.append(fileBytes.substr(line.end));
        return out;
    }

    const std::string keyLine = keyName + "=" + valueBytes;
    if (where.sectionHeader) {
        std::size_t last = *where.sectionHeader;
        for (std::size_t i = last + 1; i < where.sectionEnd; ++i) {
            if (!isBlankLine(contentOf(fileBytes, lines[i]))) last = i;
        }
        const Line& after = lines[last];
        if (after.next == after.end) {  // the file's last line, without a line end
            out.append(fileBytes).append(kNewLine).append(keyLine).append(kNewLine);
        } else {
            out.append(fileBytes.substr(0, after.next)).append(keyLine).append(kNewLine);
            out.append(fileBytes.substr(after.next));
        }
        return out;
    }

    out.append(fileBytes);
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out.append(kNewLine);
    out.append("[").append(sectionName).append("]").append(kNewLine);
    out.append(keyLine).append(kNewLine);
    return out;
}

std::string readProfileText(std::string_view fileBytes, std::string_view section, std::string_view key,
                            std::string_view defaultValue) {
    const std::optional<std::string> stored = findProfileString(fileBytes, section, key, kUnlimitedBuffer);
    if (!stored) return std::string(defaultValue);
    return decodeMultiLineValue(*stored);
}

std::string writeProfileText(std::string_view fileBytes, std::string_view section, std::string_view key,
                             std::string_view value) {
    std::string stored = encodeMultiLineValue(value);
    const bool needsQuotes =
        !stored.empty() && (isBlankOrTab(stored.front()) || isBlankOrTab(stored.back()) ||
                            (stored.size() >= 2 && stored.front() == '"' && stored.back() == '"'));
    if (needsQuotes) stored = "\"" + stored + "\"";
    return writeProfileString(fileBytes, section, key, stored);
}

}  // namespace qvl::profile
