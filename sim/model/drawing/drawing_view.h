#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/model/drawing/drawing_component.h"
#include "sim/model/drawing/generative_behaviour.h"
#include "sim/model/drawing/view_content.h"

namespace qvl::sim {

// CATIA's view types as the simulated CATIA numbers them. 13 is the sheet's background view.
// CATIA's CatDrawingViewType: what kind a view is.
namespace view_type {
inline constexpr long long background = 0;  // the sheet's background view
inline constexpr long long front = 1;
inline constexpr long long left = 2;
inline constexpr long long right = 3;
inline constexpr long long top = 4;
inline constexpr long long bottom = 5;
inline constexpr long long rear = 6;
inline constexpr long long auxiliary = 7;
inline constexpr long long isometric = 8;
inline constexpr long long untyped = 12;    // a view added to a sheet, until it is defined
inline constexpr long long main = 13;       // the sheet's main view
}  // namespace view_type

// A view of a sheet: its placement on the sheet (x, y of its origin, scale, angle in
// radians), its 2D artwork, the detail instances placed in it, and, for a generated view, how
// it is generated.
class DrawingView {
public:
    std::string name;
    // Added with "AutomaticNaming": CATIA names it after its kind once it is defined.
    bool automaticName = false;
    long long viewType = view_type::untyped;
    double x = 0;
    double y = 0;
    double scale = 1;
    double angle = 0;
    ViewContent content;
    std::vector<std::shared_ptr<DrawingComponent>> components;
    GenerativeBehaviour generative;
    std::weak_ptr<DrawingView> referenceView;
    std::string referenceViewName;  // as a file names it, until resolved
    bool aligned = false;
    bool removed = false;

    // Marks the view and everything in it removed.
    void markRemoved();
};

// The views that every sheet has for good: its main view and its background view.
inline bool isSheetOwnView(const DrawingView& view) {
    return view.viewType == view_type::main || view.viewType == view_type::background;
}

}  // namespace qvl::sim
