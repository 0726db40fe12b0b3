#pragma once

#include <string>

#include "headless/transcript.h"

namespace qvl::sim {

// A drawing in the world file format as an ASCII DXF file: every sheet that is not a detail
// sheet, each on a layer of its own ("SHEET_1", ...) and placed to the right of the one
// before, with its paper outline, its lines and view edges as LINE entities and its texts as
// TEXT entities. Characters outside ASCII are written as DXF's \U+XXXX escapes.
std::string drawingDxf(const platform::Json& drawing);

}  // namespace qvl::sim
