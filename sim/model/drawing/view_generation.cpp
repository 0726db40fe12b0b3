#include "sim/model/drawing/view_generation.h"

#include <algorithm>
#include <limits>

#include "sim/model/document.h"
#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

long long viewTypeOfProjection(long long type) {
    switch (type) {
        case 0: return view_type::right;
        case 1: return view_type::left;
        case 2: return view_type::top;
        case 3: return view_type::bottom;
        default: throw Refusal("no projection view of type " + std::to_string(type));
    }
}

void define(DrawingSheet& sheet, DrawingView& view, ViewDefinition definition, long long viewType) {
    view.generative.definition = definition;
    view.viewType = viewType;
    if (view.automaticName) sheet.nameAfterKind(view);
}

std::vector<Box> boxesOf(const Element& element) {
    if (auto product = std::get_if<Product*>(&element.target)) return (*product)->boxes();
    if (auto part = std::get_if<Part*>(&element.target)) return (*part)->boxes();
    if (auto body = std::get_if<Body*>(&element.target)) return (*body)->boxes;
    throw Refusal("a view projects only 3D geometry");
}

// The view that a projection view derives from; null when it is gone.
std::shared_ptr<DrawingView> projectedFrom(const DrawingView& view) {
    auto from = view.generative.projectedFrom.lock();
    return from && !from->removed ? from : nullptr;
}

}  // namespace

void defineFrontView(DrawingSheet& sheet, DrawingView& view, const Vec3& horizontal, const Vec3& vertical) {
    orthonormal(horizontal, vertical);
    view.generative.horizontal = horizontal;
    view.generative.vertical = vertical;
    define(sheet, view, ViewDefinition::Front, view_type::front);
}

void defineIsometricView(DrawingSheet& sheet, DrawingView& view, const Vec3& horizontal, const Vec3& vertical) {
    orthonormal(horizontal, vertical);
    view.generative.horizontal = horizontal;
    view.generative.vertical = vertical;
    define(sheet, view, ViewDefinition::Isometric, view_type::isometric);
}

void defineProjectionView(DrawingSheet& sheet, DrawingView& view, const std::shared_ptr<DrawingView>& from,
                          long long type) {
    long long viewType = viewTypeOfProjection(type);
    for (auto at = from; at; at = projectedFrom(*at)) {
        if (at.get() == &view) throw Refusal("a view cannot be projected from itself");
        if (at->generative.definition != ViewDefinition::Projection) break;
    }
    if (!from || from->removed || from->generative.definition == ViewDefinition::None) {
        throw Refusal("a projection view needs a defined view to project from");
    }
    view.generative.projectionType = type;
    view.generative.projectedFrom = from;
    view.generative.projectedFromName = from->name;
    define(sheet, view, ViewDefinition::Projection, viewType);
}

void projectInAxisSystem(DrawingSheet& sheet, DrawingView& view, const Product& product, const Document& partDocument,
                         const AxisSystem& axis) {
    if (!product.isRoot()) throw Refusal("SetAxisSysteme takes the reference product of a part, not an instance");
    const Product& reference = product.reference();
    bool ofThePart = &reference.document() == &partDocument && partDocument.hasPart() &&
                     std::any_of(partDocument.part().axisSystems.begin(), partDocument.part().axisSystems.end(),
                                 [&](const auto& a) { return a.get() == &axis; });
    if (!ofThePart) throw Refusal("the axis system " + axis.name + " is not of the part of " + product.name());
    if (view.generative.definition == ViewDefinition::None || view.generative.definition == ViewDefinition::Front) {
        defineFrontView(sheet, view, axis.x, axis.z);
    }
    view.generative.axisSystem = ReferenceAxisSystem{product.name(), partDocument.fullName(), axis.name};
}

GenerativeLink linkTo(const Element& element) {
    GenerativeLink link;
    link.documentPath = element.document->fullName();
    if (auto body = std::get_if<Body*>(&element.target)) {
        link.bodyName = (*body)->name;
    } else if (std::holds_alternative<Part*>(element.target)) {
        link.part = true;
    } else if (auto product = std::get_if<Product*>(&element.target); !product || !(*product)->isRoot()) {
        throw Refusal("a view projects a document's product, its part or one of its bodies");
    }
    link.element = element;
    return link;
}

const std::vector<GenerativeLink>& effectiveLinks(const DrawingView& view) {
    if (view.generative.links.empty() && view.generative.definition == ViewDefinition::Projection) {
        if (auto from = projectedFrom(view)) return effectiveLinks(*from);
    }
    return view.generative.links;
}

std::optional<ViewDirections> currentDirections(const DrawingView& view) {
    const GenerativeBehaviour& g = view.generative;
    switch (g.definition) {
        case ViewDefinition::None: return std::nullopt;
        case ViewDefinition::Front:
        case ViewDefinition::Isometric: return orthonormal(g.horizontal, g.vertical);
        case ViewDefinition::Projection:
            if (auto from = projectedFrom(view)) {
                if (auto fromDirections = currentDirections(*from)) return projectedDirections(*fromDirections, g.projectionType);
            }
            return orthonormal(g.horizontal, g.vertical);
    }
    return std::nullopt;
}

void updateView(DrawingView& view) {
    std::optional<ViewDirections> directions = currentDirections(view);
    if (!directions) return;
    GenerativeBehaviour& g = view.generative;
    // Front and isometric views keep the directions as the program gave them; a projection
    // view keeps the ones it derived, for when its reference is gone.
    if (g.definition == ViewDefinition::Projection) {
        g.horizontal = directions->horizontal;
        g.vertical = directions->vertical;
    }
    const std::vector<GenerativeLink>& links = effectiveLinks(view);
    if (links.empty()) throw Refusal("the view " + view.name + " projects nothing");
    std::vector<Box> boxes;
    for (const GenerativeLink& link : links) {
        if (!link.element || link.element->document->isClosed()) return;  // keeps what it showed
        std::vector<Box> more = boxesOf(*link.element);
        boxes.insert(boxes.end(), more.begin(), more.end());
    }
    g.projection = project(boxes, *directions);
}

std::array<double, 4> viewSize(const DrawingView& view) {
    if (view.generative.projection) {
        return placedExtent(*view.generative.projection, view.x, view.y, view.scale, view.angle);
    }
    // Artwork: the box of its lines and of the points its texts stand on, in the view's frame.
    double inf = std::numeric_limits<double>::infinity();
    ViewProjection box{inf, -inf, inf, -inf, {}};
    auto take = [&](double px, double py) {
        box.xmin = std::min(box.xmin, px);
        box.xmax = std::max(box.xmax, px);
        box.ymin = std::min(box.ymin, py);
        box.ymax = std::max(box.ymax, py);
    };
    for (const DrawingLine& line : view.content.lines) {
        take(line.x1, line.y1);
        take(line.x2, line.y2);
    }
    auto takeCircle = [&](const DrawingCircle& circle, double dx, double dy) {
        std::array<double, 4> b = circle.box();
        take(dx + b[0], dy + b[2]);
        take(dx + b[1], dy + b[3]);
    };
    for (const DrawingCircle& circle : view.content.circles) takeCircle(circle, 0, 0);
    for (const auto& text : view.content.texts) take(text->x, text->y);
    for (const auto& component : view.components) {
        for (const DrawingLine& line : component->content.lines) {
            take(component->x + line.x1, component->y + line.y1);
            take(component->x + line.x2, component->y + line.y2);
        }
        for (const DrawingCircle& circle : component->content.circles) takeCircle(circle, component->x, component->y);
    }
    if (box.xmin > box.xmax) return {view.x, view.x, view.y, view.y};
    std::array<double, 4> placed = placedExtent(box, 0, 0, view.scale, view.angle);
    return {view.x + placed[0], view.x + placed[1], view.y + placed[2], view.y + placed[3]};
}

}  // namespace qvl::sim
