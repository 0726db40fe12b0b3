#include "planwright/string_dictionary.h"

#include <algorithm>

#include "common/automation/error.h"

namespace qvl::planwright {
namespace {

[[noreturn]] void keyExists() {
    throw automation::Error(StringDictionary::keyAlreadyExists,
                            "This key is already associated with an element of this collection");
}

[[noreturn]] void notFound() { throw automation::Error(StringDictionary::elementNotFound, "Element not found"); }

}  // namespace

std::vector<StringDictionary::Entry>::const_iterator StringDictionary::find(std::string_view key) const noexcept {
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.first == key; });
}

std::vector<StringDictionary::Entry>::iterator StringDictionary::find(std::string_view key) noexcept {
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.first == key; });
}

void StringDictionary::Add(std::string key, std::string item) {
    if (Exists(key)) keyExists();
    entries_.emplace_back(std::move(key), std::move(item));
}

const std::string& StringDictionary::Item(std::string_view key) const {
    auto found = find(key);
    if (found == entries_.end()) notFound();
    return found->second;
}

void StringDictionary::Key(std::string_view key, std::string newKey) {
    auto found = find(key);
    if (found == entries_.end()) notFound();
    if (newKey == found->first) return;
    if (Exists(newKey)) keyExists();
    found->first = std::move(newKey);
}

void StringDictionary::Remove(std::string_view key) {
    auto found = find(key);
    if (found == entries_.end()) notFound();
    entries_.erase(found);
}

std::vector<std::string> StringDictionary::Keys() const {
    std::vector<std::string> keys;
    keys.reserve(entries_.size());
    for (const Entry& e : entries_) keys.push_back(e.first);
    return keys;
}

}  // namespace qvl::planwright
