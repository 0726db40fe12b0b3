#pragma once

#include <functional>
#include <memory>
#include <string>

#include "headless/transcript.h"
#include "sim/model/drawing/drawing.h"

namespace qvl::sim {

// Loads the document that a view projects, by its full path. Returns null and sets `whyNot`
// when it cannot be loaded.
using LinkedDocumentLoader = std::function<std::shared_ptr<Document>(const std::string& path, std::string& whyNot)>;

// The drawing that a world file holds (docs/world-files.md). A wrong shape, a component whose
// detail is not in the file, and a view that names a view the sheet lacks are refused with the
// place. A view whose projected document cannot be loaded keeps what it showed.
std::unique_ptr<Drawing> readDrawing(const platform::Json& root, const LinkedDocumentLoader& loadLinked);

}  // namespace qvl::sim
