#include "sim/model/world_writer.h"

#include "sim/model/drawing/drawing_writer.h"
#include "sim/model/process/process_writer.h"
#include "sim/model/world_number.h"

namespace qvl::sim {
namespace {

using platform::Json;

Json number(double value) { return worldNumber(value); }

Json vec3(const Vec3& v) { return Json::array({number(v.x), number(v.y), number(v.z)}); }

Json box(const Box& b) {
    return Json::array({number(b.min.x), number(b.min.y), number(b.min.z), number(b.max.x), number(b.max.y),
                        number(b.max.z)});
}

void writeProperties(const ProductProperties& p, Json& out) {
    out["partNumber"] = p.partNumber;
    out["nomenclature"] = p.nomenclature;
    out["definition"] = p.definition;
    if (p.analysis.mass) out["mass"] = number(*p.analysis.mass);
    if (p.analysis.volume) out["volume"] = number(*p.analysis.volume);
    if (p.analysis.wetArea) out["wetArea"] = number(*p.analysis.wetArea);
}

void writePart(const Part& part, Json& out) {
    Json bodies = Json::array();
    for (const auto& body : part.bodies) {
        Json boxes = Json::array();
        for (const Box& b : body->boxes) boxes.push_back(box(b));
        bodies.push_back({{"name", body->name}, {"boxes", boxes}});
    }
    out["bodies"] = bodies;
    Json axes = Json::array();
    for (const auto& axis : part.axisSystems) {
        axes.push_back({{"name", axis->name},
                        {"origin", vec3(axis->origin)},
                        {"x", vec3(axis->x)},
                        {"y", vec3(axis->y)},
                        {"z", vec3(axis->z)}});
    }
    out["axisSystems"] = axes;
}

void writeChildren(const Product& product, Json& out) {
    Json children = Json::array();
    for (const auto& child : product.properties().children) {
        children.push_back({{"name", child->name()}, {"file", child->file()}, {"offset", vec3(child->offset())}});
    }
    out["children"] = children;
}

}  // namespace

Json worldContent(const Document& document) {
    if (document.kind() == DocumentKind::Drawing) return drawingJson(document.drawing());
    if (document.kind() == DocumentKind::Process) return processJson(document.process());
    Json out = Json::object();
    out["kind"] = kindName(document.kind());
    writeProperties(document.product().properties(), out);
    if (document.hasPart()) {
        writePart(document.part(), out);
    } else {
        writeChildren(document.product(), out);
    }
    return out;
}

}  // namespace qvl::sim
