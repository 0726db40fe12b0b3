#pragma once

#include <string>

#include "common/automation/object.h"
#include "common/drawing/template_artwork.h"

namespace qvl::drawing {

// Draws `artwork` in a new drawing of CATIA (`catia`: its application object) and saves it as
// `path`: an ISO drawing whose first sheet and detail sheets have the artwork's projection
// method, a detail sheet per detail holding a view of the detail's name. The new drawing is
// closed afterwards, saved or not. The first call that fails ends the making with its error.
void MakeTemplateDrawing(const automation::Object& catia, const TemplateArtwork& artwork, const std::string& path);

}  // namespace qvl::drawing
