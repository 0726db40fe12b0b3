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

// Turns the instance into ordinary lines, texts and tables of the view that holds it, at the
// place where it stood. The instance is gone afterwards.
void explode(DrawingView& holder, DrawingComponent& component);

// The text named `name` inside the instance, which may be changed in this instance only.
std::shared_ptr<DrawingText> modifiableText(const DrawingComponent& component, const std::string& name);

// A name for a new text of the view: "Text.1", "Text.2", ... the first one that is free.
std::string newTextName(const DrawingView& view);

}  // namespace qvl::sim
