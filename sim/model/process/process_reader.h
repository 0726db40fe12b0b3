#pragma once

#include <functional>
#include <memory>
#include <string>

#include "headless/transcript.h"
#include "sim/model/process/process.h"

namespace qvl::sim {

// Loads a product document of the process by the file name the process gives. Returns null and
// sets `whyNot` when it cannot be loaded.
using ProcessProductLoader = std::function<std::shared_ptr<Document>(const std::string& file, std::string& whyNot)>;

// The process that a world file holds (docs/world-files.md). A wrong shape is refused with the
// place; a product whose file cannot be loaded stays in the list, unresolved.
std::unique_ptr<Process> readProcess(const platform::Json& root, const ProcessProductLoader& loadProduct);

}  // namespace qvl::sim
