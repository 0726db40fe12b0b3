#include "sim/model/drawing/drawing_reader.h"

#include <set>

#include "sim/model/document.h"
#include "sim/model/drawing/component_instance.h"
#include "sim/model/json_shape.h"
#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

using namespace json_shape;

DrawingLine lineAt(const Json& value, const std::string& where) {
    std::vector<double> v = numberList(value, 4, where);
    return {v[0], v[1], v[2], v[3]};
}

// [x, y, radius] for a closed circle, [x, y, radius, start, end] for an arc.
DrawingCircle circleAt(const Json& value, const std::string& where) {
    const bool arc = value.is_array() && value.size() == 5;
    std::vector<double> v = numberList(value, arc ? 5 : 3, where);
    if (!(v[2] > 0)) throw Refusal(where + ": expected a radius above 0");
    DrawingCircle circle{v[0], v[1], v[2]};
    if (arc) {
        circle.start = v[3];
        circle.end = v[4];
    }
    return circle;
}

std::shared_ptr<DrawingText> readText(const Json& value, const std::string& where, std::size_t index) {
    requireObject(value, where);
    auto text = std::make_shared<DrawingText>();
    text->name = optionalString(value, "name", where, "Text." + std::to_string(index + 1));
    text->text = optionalString(value, "text", where);
    text->x = optionalNumber(value, "x", where).value_or(0);
    text->y = optionalNumber(value, "y", where).value_or(0);
    text->anchorPoint = optionalInteger(value, "anchorPoint", where).value_or(text->anchorPoint);
    text->justification = optionalInteger(value, "justification", where).value_or(text->justification);
    text->fontSize = optionalNumber(value, "fontSize", where).value_or(text->fontSize);
    text->modifiableInInstances = optionalBool(value, "modifiable", where).value_or(false);
    const Json& runs = optionalArray(value, "fontRuns", where);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        std::vector<double> r = numberList(runs[i], 3, at(at(where, "fontRuns"), i));
        text->fontRuns.push_back({static_cast<long long>(r[0]), static_cast<long long>(r[1]), r[2]});
    }
    return text;
}

std::vector<double> readNumbers(const Json& object, const char* key, const std::string& where) {
    const Json& list = optionalArray(object, key, where);
    std::vector<double> values;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].is_number()) throw Refusal(at(at(where, key), i) + ": expected a number");
        values.push_back(list[i].get<double>());
    }
    return values;
}

std::shared_ptr<DrawingTable> readTable(const Json& value, const std::string& where) {
    requireObject(value, where);
    auto table = std::make_shared<DrawingTable>();
    table->name = requiredString(value, "name", where);
    table->x = optionalNumber(value, "x", where).value_or(0);
    table->y = optionalNumber(value, "y", where).value_or(0);
    table->computeMode = optionalInteger(value, "computeMode", where).value_or(1);
    const Json& rows = optionalArray(value, "cells", where);
    std::vector<std::vector<std::string>> cells;
    std::size_t columns = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::string rowWhere = at(at(where, "cells"), r);
        if (!rows[r].is_array()) throw Refusal(rowWhere + ": expected a list of texts");
        std::vector<std::string> row;
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (!rows[r][c].is_string()) throw Refusal(at(rowWhere, c) + ": expected a text");
            row.push_back(rows[r][c].get<std::string>());
        }
        if (r > 0 && row.size() != columns) throw Refusal(rowWhere + ": expected " + std::to_string(columns) + " cells");
        columns = row.size();
        cells.push_back(std::move(row));
    }
    // A table without rows keeps its columns in a key of their own.
    if (auto declared = optionalInteger(value, "columns", where)) {
        if (*declared < 0 || (!cells.empty() && static_cast<std::size_t>(*declared) != columns)) {
            throw Refusal(at(where, "columns") + ": expected the number of cells of every row");
        }
        columns = static_cast<std::size_t>(*declared);
    }
    table->setCells(std::move(cells), columns);
    const Json& merges = optionalArray(value, "merges", where);
    for (std::size_t i = 0; i < merges.size(); ++i) {
        std::string mergeWhere = at(at(where, "merges"), i);
        std::vector<double> m = numberList(merges[i], 4, mergeWhere);
        TableMerge merge{static_cast<long long>(m[0]), static_cast<long long>(m[1]), static_cast<long long>(m[2]),
                         static_cast<long long>(m[3])};
        try {
            table->restoreMerge(merge);
        } catch (const Refusal&) {
            throw Refusal(mergeWhere + ": expected [row, column, rows, columns] inside the table, apart from the other merges");
        }
    }
    table->columnWidths = readNumbers(value, "columnWidths", where);
    table->rowHeights = readNumbers(value, "rowHeights", where);
    return table;
}

void readArtwork(const Json& object, const std::string& where, ViewContent& content) {
    const Json& lines = optionalArray(object, "lines", where);
    for (std::size_t i = 0; i < lines.size(); ++i) content.lines.push_back(lineAt(lines[i], at(at(where, "lines"), i)));
    const Json& circles = optionalArray(object, "circles", where);
    for (std::size_t i = 0; i < circles.size(); ++i) {
        content.circles.push_back(circleAt(circles[i], at(at(where, "circles"), i)));
    }
    const Json& texts = optionalArray(object, "texts", where);
    for (std::size_t i = 0; i < texts.size(); ++i) content.texts.push_back(readText(texts[i], at(at(where, "texts"), i), i));
    const Json& tables = optionalArray(object, "tables", where);
    for (std::size_t i = 0; i < tables.size(); ++i) content.tables.push_back(readTable(tables[i], at(at(where, "tables"), i)));
}

bool hasArtwork(const Json& object) {
    return object.contains("lines") || object.contains("circles") || object.contains("texts") ||
           object.contains("tables");
}

ViewDefinition definitionNamed(const std::string& name, const std::string& where) {
    if (name == "front") return ViewDefinition::Front;
    if (name == "projection") return ViewDefinition::Projection;
    if (name == "isometric") return ViewDefinition::Isometric;
    throw Refusal(where + ": expected \"front\", \"projection\" or \"isometric\"");
}

std::optional<Element> linkedElement(const std::shared_ptr<Document>& document, const GenerativeLink& link) {
    if (!document) return std::nullopt;
    if (!link.bodyName.empty() || link.part) {
        if (!document->hasPart()) return std::nullopt;
        if (link.part) return Element{document, &document->part()};
        for (const auto& body : document->part().bodies) {
            if (body->name == link.bodyName) return Element{document, body.get()};
        }
        return std::nullopt;
    }
    return Element{document, &document->product()};
}

GenerativeBehaviour readGenerative(const Json& value, const std::string& where, const LinkedDocumentLoader& load) {
    requireObject(value, where);
    GenerativeBehaviour g;
    g.definition = definitionNamed(requiredString(value, "definition", where), at(where, "definition"));
    const Json& links = optionalArray(value, "links", where);
    for (std::size_t i = 0; i < links.size(); ++i) {
        std::string linkWhere = at(at(where, "links"), i);
        requireObject(links[i], linkWhere);
        GenerativeLink link;
        link.documentPath = requiredString(links[i], "document", linkWhere);
        link.bodyName = optionalString(links[i], "body", linkWhere);
        link.part = optionalBool(links[i], "part", linkWhere).value_or(false);
        std::string whyNot;
        link.element = linkedElement(load(link.documentPath, whyNot), link);
        g.links.push_back(std::move(link));
    }
    g.horizontal = optionalVec3(value, "horizontal", where, {0, 1, 0});
    g.vertical = optionalVec3(value, "vertical", where, {0, 0, 1});
    if (g.definition == ViewDefinition::Projection) {
        g.projectedFromName = requiredString(value, "projectedFrom", where);
        g.projectionType = optionalInteger(value, "projectionType", where).value_or(0);
        if (g.projectionType < 0 || g.projectionType > 3) throw Refusal(at(where, "projectionType") + ": expected 0 to 3");
    }
    if (value.contains("axisSystem")) {
        std::string axisWhere = at(where, "axisSystem");
        const Json& axis = value["axisSystem"];
        requireObject(axis, axisWhere);
        g.axisSystem = ReferenceAxisSystem{requiredString(axis, "product", axisWhere),
                                           requiredString(axis, "document", axisWhere),
                                           requiredString(axis, "name", axisWhere)};
    }
    if (value.contains("extent")) {
        std::vector<double> e = numberList(value["extent"], 4, at(where, "extent"));
        ViewProjection p{e[0], e[1], e[2], e[3], {}};
        const Json& edges = optionalArray(value, "edges", where);
        for (std::size_t i = 0; i < edges.size(); ++i) {
            std::vector<double> s = numberList(edges[i], 4, at(at(where, "edges"), i));
            p.edges.push_back({s[0], s[1], s[2], s[3]});
        }
        const std::vector<double> gravity = readNumbers(value, "gravity", where);
        if (!gravity.empty() && gravity.size() != 2) throw Refusal(at(where, "gravity") + ": expected 2 numbers");
        if (gravity.size() == 2) {
            p.gravityX = gravity[0];
            p.gravityY = gravity[1];
        }
        g.projection = std::move(p);
    }
    return g;
}

// A component read without its artwork, to be copied from its detail once every sheet is read.
struct PendingComponent {
    std::shared_ptr<DrawingComponent> component;
    std::string where;
};

std::shared_ptr<DrawingView> readView(const Json& value, const std::string& where, const LinkedDocumentLoader& load,
                                      std::vector<PendingComponent>& pending) {
    requireObject(value, where);
    auto view = std::make_shared<DrawingView>();
    view->name = requiredString(value, "name", where);
    view->viewType = optionalInteger(value, "viewType", where).value_or(view_type::untyped);
    view->x = optionalNumber(value, "x", where).value_or(0);
    view->y = optionalNumber(value, "y", where).value_or(0);
    view->scale = optionalNumber(value, "scale", where).value_or(1);
    view->angle = optionalNumber(value, "angle", where).value_or(0);
    view->referenceViewName = optionalString(value, "referenceView", where);
    view->aligned = optionalBool(value, "aligned", where).value_or(false);
    if (value.contains("generative")) view->generative = readGenerative(value["generative"], at(where, "generative"), load);
    readArtwork(value, where, view->content);

    const Json& components = optionalArray(value, "components", where);
    for (std::size_t i = 0; i < components.size(); ++i) {
        std::string componentWhere = at(at(where, "components"), i);
        requireObject(components[i], componentWhere);
        auto component = std::make_shared<DrawingComponent>();
        component->source = requiredString(components[i], "source", componentWhere);
        component->sourceDocument = optionalString(components[i], "document", componentWhere);
        component->name = optionalString(components[i], "name", componentWhere,
                                         component->source.substr(component->source.find('/') + 1));
        component->x = optionalNumber(components[i], "x", componentWhere).value_or(0);
        component->y = optionalNumber(components[i], "y", componentWhere).value_or(0);
        if (hasArtwork(components[i])) {
            readArtwork(components[i], componentWhere, component->content);
        } else {
            pending.push_back({component, componentWhere});
        }
        view->components.push_back(component);
    }
    return view;
}

std::shared_ptr<DrawingSheet> readSheet(const Json& value, const std::string& where, const LinkedDocumentLoader& load,
                                        std::vector<PendingComponent>& pending) {
    requireObject(value, where);
    auto sheet = std::make_shared<DrawingSheet>();
    sheet->name = requiredString(value, "name", where);
    sheet->detail = optionalBool(value, "detail", where).value_or(false);
    sheet->paperSize = optionalInteger(value, "paperSize", where).value_or(sheet->paperSize);
    sheet->projectionMethod = optionalInteger(value, "projectionMethod", where).value_or(0);
    sheet->scale = optionalNumber(value, "scale", where).value_or(1);
    const Json& views = optionalArray(value, "views", where);
    for (std::size_t i = 0; i < views.size(); ++i) {
        sheet->views.push_back(readView(views[i], at(at(where, "views"), i), load, pending));
    }
    if (!sheet->views.empty()) sheet->activeView = sheet->views.front();
    return sheet;
}

// References between views of one sheet, by name.
void resolveReferences(DrawingSheet& sheet, const std::string& where) {
    for (std::size_t i = 0; i < sheet.views.size(); ++i) {
        DrawingView& view = *sheet.views[i];
        std::string viewWhere = at(at(where, "views"), i);
        if (!view.referenceViewName.empty()) {
            view.referenceView = sheet.findView(view.referenceViewName);
            if (view.referenceView.expired()) {
                throw Refusal(at(viewWhere, "referenceView") + ": no view " + view.referenceViewName + " on the sheet");
            }
        }
        if (view.generative.definition == ViewDefinition::Projection) {
            view.generative.projectedFrom = sheet.findView(view.generative.projectedFromName);
            if (view.generative.projectedFrom.expired()) {
                throw Refusal(at(viewWhere, "generative.projectedFrom") + ": no view " + view.generative.projectedFromName +
                              " on the sheet");
            }
        }
    }
}

// Copies the artwork of a detail of this drawing into a component that names it.
class DetailResolver {
public:
    explicit DetailResolver(const Drawing& drawing) : drawing_(drawing) {}

    void resolve(const PendingComponent& pending, const std::vector<PendingComponent>& all) {
        DrawingComponent& component = *pending.component;
        if (done_.count(&component)) return;
        if (!active_.insert(&component).second) throw Refusal(pending.where + ": the detail instantiates itself");
        std::size_t slash = component.source.find('/');
        std::optional<std::size_t> sheetAt =
            slash == std::string::npos ? std::nullopt : drawing_.findSheet(component.source.substr(0, slash));
        std::shared_ptr<DrawingView> detail =
            sheetAt ? drawing_.sheets[*sheetAt]->findView(component.source.substr(slash + 1)) : nullptr;
        if (!detail || !drawing_.sheets[*sheetAt]->detail) {
            throw Refusal(pending.where + ".source: no detail " + component.source + " in the drawing");
        }
        // Details inside the detail come first.
        for (const auto& inner : detail->components) {
            for (const PendingComponent& other : all) {
                if (other.component == inner) resolve(other, all);
            }
        }
        component.content = flattenedArtwork(*detail);
        active_.erase(&component);
        done_.insert(&component);
    }

private:
    const Drawing& drawing_;
    std::set<const DrawingComponent*> active_;
    std::set<const DrawingComponent*> done_;
};

}  // namespace

std::unique_ptr<Drawing> readDrawing(const Json& root, const LinkedDocumentLoader& loadLinked) {
    auto drawing = std::make_unique<Drawing>();
    drawing->standard = optionalInteger(root, "standard", "");
    std::vector<PendingComponent> pending;
    const Json& sheets = optionalArray(root, "sheets", "");
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        drawing->sheets.push_back(readSheet(sheets[i], at("sheets", i), loadLinked, pending));
    }
    if (drawing->sheets.empty()) throw Refusal("sheets: a drawing has at least one sheet");
    for (std::size_t i = 0; i < drawing->sheets.size(); ++i) resolveReferences(*drawing->sheets[i], at("sheets", i));
    DetailResolver resolver(*drawing);
    for (const PendingComponent& p : pending) resolver.resolve(p, pending);
    drawing->activate(drawing->sheets.front());
    return drawing;
}

}  // namespace qvl::sim
