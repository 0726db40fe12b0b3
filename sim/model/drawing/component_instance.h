#pragma once

#include <memory>
#include <string>

#include "sim/model/drawing/drawing_sheet.h"

namespace qvl::sim {

// Places an instance of the detail `sourceView` (a view of the detail sheet `sourceSheet`, in
// the drawing file `sourceDocument`) in `target` at (x, y). The instance copies the detail's
// artwork; details placed inside the detail are copied into it. Refuses a view that is not on
// a detail sheet.
std::shared_ptr<DrawingComponent> instantiate(DrawingView& target, const DrawingSheet& sourceSheet,
                                              const DrawingView& sourceView, const std::string& sourceDocument,
                                              double x, double y);

// The instance's artwork with the details inside it copied in, in the detail's coordinates.
ViewContent flattenedArtwork(const DrawingView& detail);

// Copies the instance's artwork into the view that holds it as ordinary lines, texts and
// tables, at the place where it stands. The instance itself stays, as CATIA documents it.
void explode(DrawingView& holder, const DrawingComponent& component);

// The texts of the instance that the detail made modifiable in instances, in the detail's
// order: the only ones that may be changed in this instance.
std::vector<std::shared_ptr<DrawingText>> modifiableTexts(const DrawingComponent& component);

// A name for a new text of the view: "Text.1", "Text.2", ... the first one that is free.
std::string newTextName(const DrawingView& view);

}  // namespace qvl::sim
