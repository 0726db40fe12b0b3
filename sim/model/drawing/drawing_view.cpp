#include "sim/model/drawing/drawing_view.h"

namespace qvl::sim {

void DrawingView::markRemoved() {
    removed = true;
    content.markRemoved();
    for (const auto& component : components) {
        component->removed = true;
        component->content.markRemoved();
    }
}

}  // namespace qvl::sim
