#pragma once

#include <string>

#include "headless/transcript.h"

namespace qvl::sim {

// A drawing in the world file format as a PDF file: one page for every sheet that is not a
// detail sheet, as large as the sheet's paper (or its drawn extent), with its paper outline, its
// lines and view edges as strokes and its texts in the reader's standard Chinese font
// (STSong-Light, which PDF readers supply); characters beyond the Basic Multilingual Plane are
// written as '?'.
std::string drawingPdf(const platform::Json& drawing);

}  // namespace qvl::sim
