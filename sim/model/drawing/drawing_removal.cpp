#include "sim/model/drawing/drawing_removal.h"

#include <algorithm>

#include "sim/model/drawing/drawing.h"
#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

template <class T>
bool eraseFrom(std::vector<std::shared_ptr<T>>& list, const std::shared_ptr<T>& item) {
    auto found = std::find(list.begin(), list.end(), item);
    if (found == list.end()) return false;
    list.erase(found);
    return true;
}

DrawingSheet* sheetOf(const Drawing& drawing, const std::shared_ptr<DrawingView>& view) {
    for (const auto& sheet : drawing.sheets) {
        if (std::find(sheet->views.begin(), sheet->views.end(), view) != sheet->views.end()) return sheet.get();
    }
    return nullptr;
}

bool holdsText(const Drawing& drawing, const std::shared_ptr<DrawingText>& text) {
    for (const auto& sheet : drawing.sheets) {
        for (const auto& view : sheet->views) {
            auto& texts = view->content.texts;
            if (std::find(texts.begin(), texts.end(), text) != texts.end()) return true;
            for (const auto& component : view->components) {
                auto& inner = component->content.texts;
                if (std::find(inner.begin(), inner.end(), text) != inner.end()) return true;
            }
        }
    }
    return false;
}

bool holdsComponent(const Drawing& drawing, const std::shared_ptr<DrawingComponent>& component) {
    for (const auto& sheet : drawing.sheets) {
        for (const auto& view : sheet->views) {
            if (std::find(view->components.begin(), view->components.end(), component) != view->components.end()) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

void checkDeletable(const Drawing& drawing, const Element& element) {
    if (auto view = std::get_if<std::shared_ptr<DrawingView>>(&element.target)) {
        if (!sheetOf(drawing, *view)) throw Refusal("the view is not in the drawing");
        if (isSheetOwnView(**view)) throw Refusal("the main and background views of a sheet cannot be deleted");
    } else if (auto text = std::get_if<std::shared_ptr<DrawingText>>(&element.target)) {
        if (!holdsText(drawing, *text)) throw Refusal("the text is not in the drawing");
    } else if (auto component = std::get_if<std::shared_ptr<DrawingComponent>>(&element.target)) {
        if (!holdsComponent(drawing, *component)) throw Refusal("the component is not in the drawing");
    } else {
        throw Refusal("a " + element.typeName() + " cannot be deleted from a drawing");
    }
}

void deleteElement(Drawing& drawing, const Element& element) {
    // Deleted already, with a view deleted before it.
    bool gone = std::visit(
        [](const auto& target) {
            if constexpr (requires { target->removed; }) {
                return target->removed;
            } else {
                return false;
            }
        },
        element.target);
    if (gone) return;
    checkDeletable(drawing, element);
    if (auto view = std::get_if<std::shared_ptr<DrawingView>>(&element.target)) {
        sheetOf(drawing, *view)->removeView(**view);
        return;
    }
    for (const auto& sheet : drawing.sheets) {
        for (const auto& view : sheet->views) {
            if (auto text = std::get_if<std::shared_ptr<DrawingText>>(&element.target)) {
                bool erased = eraseFrom(view->content.texts, *text);
                for (const auto& component : view->components) erased = erased || eraseFrom(component->content.texts, *text);
                if (erased) {
                    (*text)->removed = true;
                    return;
                }
            } else if (auto component = std::get_if<std::shared_ptr<DrawingComponent>>(&element.target)) {
                if (eraseFrom(view->components, *component)) {
                    (*component)->removed = true;
                    (*component)->content.markRemoved();
                    return;
                }
            }
        }
    }
}

}  // namespace qvl::sim
