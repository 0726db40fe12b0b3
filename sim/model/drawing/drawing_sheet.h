#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/model/drawing/drawing_view.h"

namespace qvl::sim {

// A sheet of a drawing. `paperSize` and `projectionMethod` are CATIA's enumerations
// (2 A0 ... 6 A4; 0 first angle, 1 third angle). A detail sheet holds artwork that other
// sheets instantiate.
class DrawingSheet {
public:
    std::string name;
    bool detail = false;
    long long paperSize = 2;
    long long projectionMethod = 0;
    double scale = 1;
    std::vector<std::shared_ptr<DrawingView>> views;
    std::weak_ptr<DrawingView> activeView;
    bool removed = false;

    // The view with that name, or null.
    std::shared_ptr<DrawingView> findView(std::string_view viewName) const;
    // A new view after the others. A view added with the name "AutomaticNaming" is named by
    // CATIA: provisionally "View", and after its kind once it is defined.
    std::shared_ptr<DrawingView> addView(const std::string& viewName);
    // Names `view` after its kind ("Front view", "Left view", ...), unique on the sheet
    // ("Front view.2" for the second one), when CATIA names it.
    void nameAfterKind(DrawingView& view) const;
    // Removes the view from the sheet; refuses the background view.
    void removeView(const DrawingView& view);
    void markRemoved();
};

// A new sheet as CATIA creates it: a main view and the background view (ViewType 13).
std::shared_ptr<DrawingSheet> makeSheet(const std::string& name);

}  // namespace qvl::sim
