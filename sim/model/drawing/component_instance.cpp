#include "sim/model/drawing/component_instance.h"

#include <algorithm>

#include "sim/model/refusal.h"

namespace qvl::sim {

ViewContent flattenedArtwork(const DrawingView& detail) {
    ViewContent artwork = detail.content.copy();
    for (const auto& inner : detail.components) {
        ViewContent placed = inner->content.copy();
        placed.translate(inner->x, inner->y);
        artwork.append(std::move(placed));
    }
    return artwork;
}

std::shared_ptr<DrawingComponent> instantiate(DrawingView& target, const DrawingSheet& sourceSheet,
                                              const DrawingView& sourceView, const std::string& sourceDocument,
                                              double x, double y) {
    if (!sourceSheet.detail) {
        throw Refusal("the view " + sourceView.name + " of sheet " + sourceSheet.name + " is no 2D detail");
    }
    if (&target == &sourceView) throw Refusal("a detail cannot be placed in itself");
    auto component = std::make_shared<DrawingComponent>();
    component->name = sourceView.name;
    component->source = sourceSheet.name + "/" + sourceView.name;
    component->sourceDocument = sourceDocument;
    component->x = x;
    component->y = y;
    component->content = flattenedArtwork(sourceView);
    target.components.push_back(component);
    return component;
}

void explode(DrawingView& holder, const DrawingComponent& component) {
    auto found = std::find_if(holder.components.begin(), holder.components.end(),
                              [&](const auto& c) { return c.get() == &component; });
    if (component.removed || found == holder.components.end()) throw Refusal("the component is no longer placed");
    ViewContent artwork = component.content.copy();
    artwork.translate(component.x, component.y);
    for (const auto& text : artwork.texts) text->modifiableInInstances = false;
    holder.content.append(std::move(artwork));
}

std::vector<std::shared_ptr<DrawingText>> modifiableTexts(const DrawingComponent& component) {
    std::vector<std::shared_ptr<DrawingText>> texts;
    std::copy_if(component.content.texts.begin(), component.content.texts.end(), std::back_inserter(texts),
                 [](const auto& text) { return text->modifiableInInstances; });
    return texts;
}

std::string newTextName(const DrawingView& view) {
    auto taken = [&](const std::string& name) {
        return std::any_of(view.content.texts.begin(), view.content.texts.end(),
                           [&](const auto& text) { return text->name == name; });
    };
    for (std::size_t n = view.content.texts.size() + 1;; ++n) {
        std::string name = "Text." + std::to_string(n);
        if (!taken(name)) return name;
    }
}

}  // namespace qvl::sim
