#pragma once

#include "headless/transcript.h"
#include "sim/model/drawing/drawing.h"

namespace qvl::sim {

// A drawing in the world file format (docs/world-files.md), as CATIA saves it.
platform::Json drawingJson(const Drawing& drawing);

}  // namespace qvl::sim
