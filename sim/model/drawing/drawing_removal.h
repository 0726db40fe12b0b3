#pragma once

#include "sim/model/drawing/drawing.h"
#include "sim/model/element.h"

namespace qvl::sim {

// Whether deleting the element is something a drawing allows: a view other than a background
// view, a text, or a component of the drawing.
void checkDeletable(const Drawing& drawing, const Element& element);

// Deletes a view, a text (of a view or inside a component) or a component from the drawing.
// Refuses what checkDeletable refuses; an element deleted already with its view is left be.
void deleteElement(Drawing& drawing, const Element& element);

}  // namespace qvl::sim
