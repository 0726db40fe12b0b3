#include "common/profile/profile_text.h"

#include <utility>

#include "common/profile/profile_entries.h"
#include "common/profile/profile_lines.h"
#include "common/text/gbk.h"
#include "common/text/utf16.h"

namespace qvl::profile {

namespace {

// The ANSI functions pass every name and value through the ANSI code page, in a Unicode file
// too: a character without a GBK form is '?' there as well.
std::u16string unicodeOf(std::string_view gbk) { return text::utf8ToUtf16(text::gbkToUtf8(gbk)); }
std::string ansiOf(std::u16string_view units) { return text::utf8ToGbk(text::utf16ToUtf8(units)); }

std::string_view firstLineOf(std::string_view s) {
    return s.substr(0, s.find_first_of(std::string_view("\r\n\0", 3)));
}

// A section or key name as it is matched and written: one line, GBK, without blanks around.
std::string nameInFile(std::string_view utf8) {
    return text::utf8ToGbk(detail::trimProfileBlanks(firstLineOf(utf8)));
}

// The GBK bytes that a buffer of `bufferSize` bytes takes: bufferSize - 1 of them, so that a
// double-byte character cut in half reads as one '?'.
std::string_view cutToBuffer(std::string_view gbk, std::size_t bufferSize) {
    return bufferSize == 0 ? std::string_view() : gbk.substr(0, bufferSize - 1);
}

// The same for a value converted from Unicode: the conversion stops before a character that
// does not fit whole.
std::string_view cutToBufferWhole(std::string_view gbk, std::size_t bufferSize) {
    const std::string_view fits = cutToBuffer(gbk, bufferSize);
    std::size_t whole = 0;
    while (whole < fits.size() && whole + text::gbkCharLength(gbk, whole) <= fits.size())
        whole += text::gbkCharLength(gbk, whole);
    return fits.substr(0, whole);
}

// A default value comes back through the same buffer as a value read from the file.
std::string defaultInBuffer(std::string_view utf8, std::size_t bufferSize) {
    const std::string bytes = text::utf8ToGbk(utf8);
    if (bufferSize != 0 && bytes.size() <= bufferSize - 1) return std::string(utf8);
    return text::gbkToUtf8(cutToBuffer(bytes, bufferSize));
}

}  // namespace

std::optional<std::string> findProfileString(std::string_view fileBytes, std::string_view section,
                                             std::string_view key, std::size_t bufferSize) {
    const std::string sectionName = nameInFile(section);
    const std::string keyName = nameInFile(key);
    if (isUnicodeFile(fileBytes)) {
        const std::u16string units = text::utf16leToUnits(fileBytes.substr(kUnicodeMark.size()));
        const std::optional<std::u16string_view> value =
            detail::findValue<char16_t>(units, unicodeOf(sectionName), unicodeOf(keyName));
        if (!value) return std::nullopt;
        return text::gbkToUtf8(cutToBufferWhole(ansiOf(*value), bufferSize));
    }
    const std::optional<std::string_view> value = detail::findValue<char>(fileBytes, sectionName, keyName);
    if (!value) return std::nullopt;
    return text::gbkToUtf8(cutToBuffer(*value, bufferSize));
}

std::string readProfileString(std::string_view fileBytes, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize) {
    std::optional<std::string> value = findProfileString(fileBytes, section, key, bufferSize);
    if (!value) return defaultInBuffer(defaultValue, bufferSize);
    return std::move(*value);
}

std::string writeProfileString(std::string_view fileBytes, std::string_view section, std::string_view key,
                               std::string_view value) {
    const std::string sectionName = nameInFile(section);
    const std::string keyName = nameInFile(key);
    const std::string valueBytes = text::utf8ToGbk(firstLineOf(value));
    if (!isUnicodeFile(fileBytes)) return detail::setValue<char>(fileBytes, sectionName, keyName, valueBytes);

    // A Unicode file stays one: its code units are edited and written back as UTF-16LE.
    const std::string_view body = fileBytes.substr(kUnicodeMark.size());
    std::string out(kUnicodeMark);
    out += text::unitsToUtf16le(detail::setValue<char16_t>(text::utf16leToUnits(body), unicodeOf(sectionName),
                                                           unicodeOf(keyName), unicodeOf(valueBytes)));
    if (body.size() % 2 != 0) out += body.back();  // a last odd byte is no code unit: kept as it was
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
    const bool needsQuotes = !stored.empty() && (detail::isProfileBlank(stored.front()) ||
                                                 detail::isProfileBlank(stored.back()) ||
                                                 detail::isEnclosedInQuotes<char>(stored));
    if (needsQuotes) stored = "\"" + stored + "\"";
    return writeProfileString(fileBytes, section, key, stored);
}

}  // namespace qvl::profile
