#include "sim/model/drawing/drawing_writer.h"

#include "sim/model/world_number.h"

namespace qvl::sim {
namespace {

using platform::Json;

Json vec3(const Vec3& v) { return Json::array({worldNumber(v.x), worldNumber(v.y), worldNumber(v.z)}); }

Json segment(double x1, double y1, double x2, double y2) {
    return Json::array({worldNumber(x1), worldNumber(y1), worldNumber(x2), worldNumber(y2)});
}

Json numbers(const std::vector<double>& values) {
    Json out = Json::array();
    for (double v : values) out.push_back(worldNumber(v));
    return out;
}

Json textJson(const DrawingText& text) {
    Json out = Json::object();
    out["name"] = text.name;
    out["text"] = text.text;
    out["x"] = worldNumber(text.x);
    out["y"] = worldNumber(text.y);
    out["anchorPoint"] = text.anchorPoint;
    out["justification"] = text.justification;
    out["fontSize"] = worldNumber(text.fontSize);
    if (!text.fontRuns.empty()) {
        Json runs = Json::array();
        for (const FontRun& run : text.fontRuns) runs.push_back(Json::array({run.first, run.count, worldNumber(run.size)}));
        out["fontRuns"] = runs;
    }
    if (text.modifiableInInstances) out["modifiable"] = true;
    return out;
}

Json tableJson(const DrawingTable& table) {
    Json out = Json::object();
    out["name"] = table.name;
    out["x"] = worldNumber(table.x);
    out["y"] = worldNumber(table.y);
    if (table.computeMode != 1) out["computeMode"] = table.computeMode;
    out["cells"] = table.cells();
    if (table.cells().empty() && table.columnCount() > 0) out["columns"] = table.columnCount();
    Json merges = Json::array();
    for (const TableMerge& m : table.merges()) merges.push_back(Json::array({m.row, m.column, m.rows, m.columns}));
    out["merges"] = merges;
    if (!table.columnWidths.empty()) out["columnWidths"] = numbers(table.columnWidths);
    if (!table.rowHeights.empty()) out["rowHeights"] = numbers(table.rowHeights);
    return out;
}

void writeArtwork(const ViewContent& content, Json& out) {
    Json lines = Json::array();
    for (const DrawingLine& l : content.lines) lines.push_back(segment(l.x1, l.y1, l.x2, l.y2));
    out["lines"] = lines;
    // Written only when there are any, as files before circles could be drawn had none.
    if (!content.circles.empty()) {
        Json circles = Json::array();
        for (const DrawingCircle& c : content.circles) {
            Json circle = Json::array({worldNumber(c.x), worldNumber(c.y), worldNumber(c.radius)});
            if (!c.closed()) {
                circle.push_back(worldNumber(c.start));
                circle.push_back(worldNumber(c.end));
            }
            circles.push_back(circle);
        }
        out["circles"] = circles;
    }
    Json texts = Json::array();
    for (const auto& text : content.texts) texts.push_back(textJson(*text));
    out["texts"] = texts;
    Json tables = Json::array();
    for (const auto& table : content.tables) tables.push_back(tableJson(*table));
    out["tables"] = tables;
}

Json componentJson(const DrawingComponent& component) {
    Json out = Json::object();
    out["name"] = component.name;
    out["source"] = component.source;
    if (!component.sourceDocument.empty()) out["document"] = component.sourceDocument;
    out["x"] = worldNumber(component.x);
    out["y"] = worldNumber(component.y);
    writeArtwork(component.content, out);
    return out;
}

const char* definitionName(ViewDefinition definition) {
    switch (definition) {
        case ViewDefinition::Front: return "front";
        case ViewDefinition::Projection: return "projection";
        case ViewDefinition::Isometric: return "isometric";
        case ViewDefinition::None: break;
    }
    return "";
}

Json generativeJson(const GenerativeBehaviour& g) {
    Json out = Json::object();
    out["definition"] = definitionName(g.definition);
    Json links = Json::array();
    for (const GenerativeLink& link : g.links) {
        Json l = Json::object();
        l["document"] = link.documentPath;
        if (!link.bodyName.empty()) l["body"] = link.bodyName;
        if (link.part) l["part"] = true;
        links.push_back(l);
    }
    out["links"] = links;
    out["horizontal"] = vec3(g.horizontal);
    out["vertical"] = vec3(g.vertical);
    if (g.definition == ViewDefinition::Projection) {
        auto from = g.projectedFrom.lock();
        out["projectedFrom"] = from ? from->name : g.projectedFromName;
        out["projectionType"] = g.projectionType;
    }
    if (g.axisSystem) {
        out["axisSystem"] = {{"product", g.axisSystem->product},
                             {"document", g.axisSystem->document},
                             {"name", g.axisSystem->name}};
    }
    if (g.projection) {
        const ViewProjection& p = *g.projection;
        out["extent"] = Json::array({worldNumber(p.xmin), worldNumber(p.xmax), worldNumber(p.ymin), worldNumber(p.ymax)});
        Json edges = Json::array();
        for (const ViewEdge& e : p.edges) edges.push_back(segment(e.x1, e.y1, e.x2, e.y2));
        out["edges"] = edges;
        out["gravity"] = Json::array({worldNumber(p.gravityX), worldNumber(p.gravityY)});
    }
    return out;
}

Json viewJson(const DrawingView& view) {
    Json out = Json::object();
    out["name"] = view.name;
    out["viewType"] = view.viewType;
    out["x"] = worldNumber(view.x);
    out["y"] = worldNumber(view.y);
    out["scale"] = worldNumber(view.scale);
    out["angle"] = worldNumber(view.angle);
    auto reference = view.referenceView.lock();
    if (reference || !view.referenceViewName.empty()) {
        out["referenceView"] = reference ? reference->name : view.referenceViewName;
    }
    if (view.aligned) out["aligned"] = true;
    if (view.generative.definition != ViewDefinition::None) out["generative"] = generativeJson(view.generative);
    writeArtwork(view.content, out);
    Json components = Json::array();
    for (const auto& component : view.components) components.push_back(componentJson(*component));
    out["components"] = components;
    return out;
}

Json sheetJson(const DrawingSheet& sheet) {
    Json out = Json::object();
    out["name"] = sheet.name;
    out["detail"] = sheet.detail;
    out["paperSize"] = sheet.paperSize;
    out["projectionMethod"] = sheet.projectionMethod;
    out["scale"] = worldNumber(sheet.scale);
    Json views = Json::array();
    for (const auto& view : sheet.views) views.push_back(viewJson(*view));
    out["views"] = views;
    return out;
}

}  // namespace

Json drawingJson(const Drawing& drawing) {
    Json out = Json::object();
    out["kind"] = "Drawing";
    if (drawing.standard) out["standard"] = *drawing.standard;
    Json sheets = Json::array();
    for (const auto& sheet : drawing.sheets) sheets.push_back(sheetJson(*sheet));
    out["sheets"] = sheets;
    return out;
}

}  // namespace qvl::sim
