#pragma once
// Finding and setting one key's value in a profile (INI) file, on the file's own code units:
// GBK bytes (char) or UTF-16 code units (char16_t). Names and values are in the same units.

#include <optional>
#include <string>
#include <string_view>

namespace qvl::profile::detail {

// The value of `key` in the first section of that name, without surrounding blanks and a
// matching pair of enclosing quotes, up to its first NUL; nullopt when there is no such key.
template <class Unit>
std::optional<std::basic_string_view<Unit>> findValue(std::basic_string_view<Unit> text,
                                                      std::basic_string_view<Unit> section,
                                                      std::basic_string_view<Unit> key);

// The file with "key=value" set: the key's first line in the first section of that name is
// replaced (the key spelled as in the file), else the key is appended after the section's last
// non-blank line, else "[section]" and the key are appended at the end. New lines end in CR LF;
// every other code unit stays as it was.
template <class Unit>
std::basic_string<Unit> setValue(std::basic_string_view<Unit> text, std::basic_string_view<Unit> section,
                                 std::basic_string_view<Unit> key, std::basic_string_view<Unit> value);

}  // namespace qvl::profile::detail
