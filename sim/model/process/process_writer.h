#pragma once

#include "headless/transcript.h"
#include "sim/model/process/process.h"

namespace qvl::sim {

// A process in the world file format (docs/world-files.md), with every key filled in.
platform::Json processJson(const Process& process);

}  // namespace qvl::sim
