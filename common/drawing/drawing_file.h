#pragma once

namespace qvl::drawing {

// CATIA's values for a drawing sheet's projection method.
inline constexpr int firstAngleProjection = 0;
inline constexpr int thirdAngleProjection = 1;

// The extension that CATIA gives a drawing document's file.
inline constexpr const char* drawingFileExtension = ".CATDrawing";

}  // namespace qvl::drawing
