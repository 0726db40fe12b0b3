#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "headless/virtual_disk.h"

namespace qvl::sim {

// A drawing in the world file format as an SVG picture, its sheets one below the other: each
// with its name, its paper outline, the artwork and tables of its views and of the details
// placed in them, and the visible edges of its generated views. Throws Refusal for JSON that
// is no drawing.
std::string renderDrawingSvg(const nlohmann::ordered_json& drawing);

// Writes "X.CATDrawing.svg" next to every "X.CATDrawing" file on the disk. Returns the files
// that could not be rendered, each with the reason.
std::vector<std::string> renderSavedDrawings(platform::VirtualDisk& disk);

}  // namespace qvl::sim
