#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "sim/model/document.h"

namespace qvl::sim {

// The kind of document that a file holds, by its extension; nullopt for other files.
std::optional<DocumentKind> kindOfFile(std::string_view path);

// Loads the document that a product's child names by its file (as written in the product).
// Returns null and sets `whyNot` when it cannot be loaded.
using ChildLoader = std::function<std::shared_ptr<Document>(const std::string& file, std::string& whyNot)>;

// Builds the document that the world file `text` at `fullPath` describes. A text that is no
// JSON, or JSON of the wrong shape, is refused with the reason and the place. A child that
// cannot be loaded stays in the product as an unresolved instance.
std::shared_ptr<Document> readWorldDocument(std::string_view text, const std::string& fullPath,
                                            const ChildLoader& loadChild);

}  // namespace qvl::sim
