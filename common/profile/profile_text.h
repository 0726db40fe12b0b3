#pragma once
// Windows profile (INI) file semantics as pure functions on the file's raw bytes.
//
// A file is stored in GBK (code page 936), or in UTF-16LE when it starts with the UTF-16LE
// byte-order mark (Notepad's "Unicode"): such a file is read as Unicode and written back as
// UTF-16LE. A UTF-8 byte-order mark makes no Unicode file: its bytes belong to the first line.
// Section names, key names, values and defaults given to and returned by these functions are
// UTF-8; as for the ANSI functions of kernel32, they pass through GBK on their way to and from
// a Unicode file too. Reading and writing the file itself is the caller's business (through the
// platform services).
//
// Rules shared by reading and writing:
// - Lines end in CR LF, LF or CR.
// - A line whose first non-blank character is '[' starts a section; its name is the text up
//   to the first ']' (or the end of the line). Lines before the first section belong to none.
// - A line with '=' is a key line: the key is the text before the first '=', the value the
//   text after it. Other lines (comments, garbage) are ignored and kept.
// - Blanks (spaces, tabs and vertical tabs) around section names, keys and values do not
//   count; section and key names match without regard to the case of ASCII letters.
// - Only the first section of a name counts, and in it only the first line of a key.

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "common/profile/multi_line_value.h"

namespace qvl::profile {

// The UTF-16LE byte-order mark that starts a Unicode settings file.
inline constexpr std::string_view kUnicodeMark = "\xFF\xFE";

inline bool isUnicodeFile(std::string_view fileBytes) { return fileBytes.starts_with(kUnicodeMark); }

// A buffer size for reading values of any length.
inline constexpr std::size_t kUnlimitedBuffer = std::numeric_limits<std::size_t>::max();

// GetPrivateProfileStringA: the value of `key` in `section`, or `defaultValue` when the file
// has no such key. A value enclosed in a matching pair of double or single quotes loses them;
// the value ends at a NUL and is cut to bufferSize - 1 bytes of GBK before decoding, so a
// double-byte character cut in half reads as one '?' (and bufferSize 0 gives ""). A value of a
// Unicode file is cut before the first character that does not fit whole.
std::string readProfileString(std::string_view fileBytes, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize = 256);

// The same, with nullopt where readProfileString gives the default.
std::optional<std::string> findProfileString(std::string_view fileBytes, std::string_view section,
                                             std::string_view key, std::size_t bufferSize = 256);

// WritePrivateProfileStringA: the new file bytes with "key=value" set in `section`. The first
// line of the key in the first section of that name is replaced (with the key spelled as in
// the file), else the key is appended after the section's last non-blank line, else
// "[section]" and the key are appended at the end of the file. New lines end in CR LF; every
// other byte of the file stays as it was, in a Unicode file too.
// A value is one line: it is written up to its first CR, LF or NUL, which is what reading
// gives back anyway, so a text with line breaks cannot break the file into stray lines (use
// writeProfileText to keep such texts whole). Section and key are cut in the same way.
std::string writeProfileString(std::string_view fileBytes, std::string_view section, std::string_view key,
                               std::string_view value);

// Value-preserving forms: any text (line breaks, more than 255 bytes, characters without a
// GBK form, surrounding blanks or quotes) comes back whole. The value is stored with
// encodeMultiLineValue on one line of any length, in double quotes when its first or last
// character is a blank or it is itself enclosed in double or single quotes. Values written the
// plain way read as readProfileString reads them, without the 255-byte cut.
std::string readProfileText(std::string_view fileBytes, std::string_view section, std::string_view key,
                            std::string_view defaultValue);
std::string writeProfileText(std::string_view fileBytes, std::string_view section, std::string_view key,
                             std::string_view value);

}  // namespace qvl::profile
