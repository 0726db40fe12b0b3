#pragma once

#include "common/drawing/template_artwork.h"

namespace qvl::planwright {

// The artwork of Planwright's default template drawings, first or third angle: a working sheet
// and a detail per frame and notes block.
// - Frames "A0" to "A4" and "Ax": landscape papers drawn to size with the reference point at the
//   paper's lower-left corner: the trimmed border, the drawing border (a 25 mm binding margin on
//   the left, 10 mm elsewhere on A0 to A2 and Ax, 5 mm on A3 and A4), the centring marks, and in
//   the lower-right corner a 180 x 56 mm title block with the named texts that the drawing's
//   title fills (TitleName, TitlePN, TitleMaterial, TitleScale, TitleMass, TitleDesigner,
//   TitleDrawner, TitleDate1, TitleDate2), modifiable in instances, beside their labels, and
//   above it the symbol of the projection method.
// - The eight notes blocks "Notes_General" ... "Notes_Cust": technical notes for each kind of
//   part, hanging to the left of and below the reference point; "Notes_Cust" the user's own.
drawing::TemplateArtwork FrameTemplateArtwork(bool thirdAngle);

}  // namespace qvl::planwright
