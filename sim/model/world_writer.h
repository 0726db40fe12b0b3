#pragma once

#include "headless/transcript.h"
#include "sim/model/document.h"

namespace qvl::sim {

// A document as it stands in CATIA now, in the world file format.
platform::Json worldContent(const Document& document);

}  // namespace qvl::sim
