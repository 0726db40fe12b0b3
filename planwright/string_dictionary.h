#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qvl::planwright {

// A dictionary of texts keyed by texts, with the rules of a "Scripting.Dictionary" in its
// default binary compare mode: keys compare exactly (letter case included), entries keep the
// order in which they were added, a key can be renamed in place, and adding a key that is
// already there fails. Failures raise automation errors, as the scripting runtime does.
class StringDictionary {
public:
    // Error numbers of the scripting runtime.
    static constexpr int keyAlreadyExists = 457;
    static constexpr int elementNotFound = 32811;

    std::size_t Count() const noexcept { return entries_.size(); }
    bool Exists(std::string_view key) const noexcept { return find(key) != entries_.end(); }

    // Adds an entry at the end; error 457 when the key exists.
    void Add(std::string key, std::string item);
    // The item under `key`; error 32811 when there is none (unlike the scripting runtime,
    // reading a missing key does not add an empty entry).
    const std::string& Item(std::string_view key) const;
    // Renames a key in place (the dictionary's Key property); the entry keeps its item and
    // its position. Error 32811 when `key` is missing, 457 when `newKey` names another entry.
    void Key(std::string_view key, std::string newKey);
    // Removes an entry; error 32811 when the key is missing.
    void Remove(std::string_view key);
    void RemoveAll() noexcept { entries_.clear(); }

    // The keys in the dictionary's order (the order of insertion).
    std::vector<std::string> Keys() const;

private:
    using Entry = std::pair<std::string, std::string>;
    std::vector<Entry>::const_iterator find(std::string_view key) const noexcept;
    std::vector<Entry>::iterator find(std::string_view key) noexcept;

    std::vector<Entry> entries_;
};

}  // namespace qvl::planwright
