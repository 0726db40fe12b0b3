#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "planwright/drawing/shared_drawing.h"

namespace qvl::planwright {

// Where frames, notes and the size text go on a sheet. Each paper code has a frame origin: the
// lower-left corner of that paper's frame, where the next model of that paper is placed.

// The frame origins, one per paper, in the order A4, A3, A2, A1, A0, Ax.
using FrameOrigins = std::array<SheetPoint, 6>;

// The slot of a paper code in FrameOrigins; nullopt for text that is no code.
std::optional<std::size_t> frameOriginSlot(std::string_view paperCode);

// The origins of a sheet that holds every model: the six frames side by side along x, 40 mm
// apart (Ax taken 1783.5 mm wide), their top edges on one line at y = 841.
FrameOrigins sideBySideFrameOrigins();

// The reference point of a notes block: near the upper-right corner of the frame at `origin`.
// "Ax" uses the A3 offsets. nullopt for text that is no code.
std::optional<SheetPoint> notesPosition(std::string_view paperCode, SheetPoint origin);

// The lower-left point of the line with the model's size, volume and area.
std::optional<SheetPoint> sizeTextPosition(std::string_view paperCode, SheetPoint origin);

// The origin for the next model of the same paper on a shared sheet: one frame height and
// 40 mm lower; oversize blocks stack upward by their height, without a gap.
std::optional<SheetPoint> nextFrameOrigin(std::string_view paperCode, SheetPoint origin, double blockHeight);

}  // namespace qvl::planwright
