#include "sim/model/drawing/drawing_sheet.h"

#include <algorithm>

#include "common/text/utf8.h"
#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

constexpr const char* automaticNaming = "AutomaticNaming";

const char* kindName(long long viewType) {
    switch (viewType) {
        case view_type::front: return "Front view";
        case view_type::left: return "Left view";
        case view_type::right: return "Right view";
        case view_type::top: return "Top view";
        case view_type::bottom: return "Bottom view";
        case view_type::isometric: return "Isometric view";
        default: return "View";
    }
}

}  // namespace

std::shared_ptr<DrawingView> DrawingSheet::findView(std::string_view viewName) const {
    for (const auto& view : views) {
        if (view->name == viewName) return view;
    }
    return nullptr;
}

std::shared_ptr<DrawingView> DrawingSheet::addView(const std::string& viewName) {
    auto view = std::make_shared<DrawingView>();
    view->automaticName = text::compareTextIgnoreCase(viewName, automaticNaming) == 0;
    view->name = viewName;
    if (view->automaticName) nameAfterKind(*view);
    views.push_back(view);
    return view;
}

void DrawingSheet::nameAfterKind(DrawingView& view) const {
    std::string base = kindName(view.viewType);
    auto takenByOther = [&](const std::string& candidate) {
        return std::any_of(views.begin(), views.end(),
                           [&](const auto& other) { return other.get() != &view && other->name == candidate; });
    };
    std::string candidate = base;
    for (int n = 2; takenByOther(candidate); ++n) candidate = base + "." + std::to_string(n);
    view.name = candidate;
}

void DrawingSheet::removeView(const DrawingView& view) {
    if (isSheetOwnView(view)) throw Refusal("the main and background views of a sheet cannot be deleted");
    auto found = std::find_if(views.begin(), views.end(), [&](const auto& v) { return v.get() == &view; });
    if (found == views.end()) throw Refusal("the view " + view.name + " is not on the sheet " + name);
    (*found)->markRemoved();
    views.erase(found);
}

void DrawingSheet::markRemoved() {
    removed = true;
    for (const auto& view : views) view->markRemoved();
}

std::shared_ptr<DrawingSheet> makeSheet(const std::string& name) {
    auto sheet = std::make_shared<DrawingSheet>();
    sheet->name = name;
    auto main = std::make_shared<DrawingView>();
    main->name = "Main View";
    main->viewType = view_type::main;
    auto background = std::make_shared<DrawingView>();
    background->name = "Background View";
    background->viewType = view_type::background;
    sheet->views = {main, background};
    sheet->activeView = main;
    return sheet;
}

}  // namespace qvl::sim
