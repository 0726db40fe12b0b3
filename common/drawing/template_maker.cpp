#include "common/drawing/template_maker.h"

#include "common/automation/error.h"
#include "common/automation/variant.h"

namespace qvl::drawing {

using automation::Object;
using automation::Variant;

namespace {

constexpr int isoStandard = 1;

// CATIA's justification of a text's lines, from the column of its anchor position.
int justificationOf(int anchorPoint) { return (anchorPoint - 1) / 3 + 1; }

void drawText(const Object& texts, const ArtworkText& artwork) {
    const Object text =
        texts.call("Add", {Variant(artwork.text), Variant(artwork.x), Variant(artwork.y)}).object();
    text.put("Name", Variant(artwork.name));
    const Object properties = text.get("TextProperties").object();
    properties.put("AnchorPoint", artwork.anchorPoint);
    properties.put("Justification", justificationOf(artwork.anchorPoint));
    properties.put("FontSize", artwork.fontSize);
    // CATIA applies changed text properties at their Update.
    properties.call("Update");
    if (artwork.modifiable) text.call("SetModifiableIn2DComponentInstances");
}

void drawTable(const Object& tables, const ArtworkTable& artwork) {
    const long long rows = static_cast<long long>(artwork.rowHeights.size());
    const long long columns = static_cast<long long>(artwork.columnWidths.size());
    const Object table = tables
                             .call("Add", {Variant(artwork.x), Variant(artwork.y), Variant(rows), Variant(columns),
                                           Variant(artwork.rowHeights.front()), Variant(artwork.columnWidths.front())})
                             .object();
    table.put("Name", Variant(artwork.name));
    for (long long c = 1; c <= columns; ++c) {
        table.call("SetColumnSize", {Variant(c), Variant(artwork.columnWidths[static_cast<std::size_t>(c - 1)])});
    }
    for (long long r = 1; r <= rows; ++r) {
        table.call("SetRowSize", {Variant(r), Variant(artwork.rowHeights[static_cast<std::size_t>(r - 1)])});
    }
    for (std::size_t r = 0; r < artwork.cells.size(); ++r) {
        for (std::size_t c = 0; c < artwork.cells[r].size(); ++c) {
            if (artwork.cells[r][c].empty()) continue;
            table.call("SetCellString", {Variant(static_cast<long long>(r + 1)), Variant(static_cast<long long>(c + 1)),
                                         Variant(artwork.cells[r][c])});
        }
    }
}

void drawDetail(const Object& sheets, const Detail& detail, int projectionMethod) {
    const Object sheet = sheets.call("AddDetail", {Variant(detail.name)}).object();
    sheet.put("ProjectionMethod", projectionMethod);
    const Object view = sheet.get("Views").object().call("Add", {Variant(detail.name)}).object();
    const Object factory = view.get("Factory2D").object();
    for (const ArtworkLine& l : detail.lines) {
        factory.call("CreateLine", {Variant(l.x1), Variant(l.y1), Variant(l.x2), Variant(l.y2)});
    }
    for (const ArtworkCircle& c : detail.circles) {
        factory.call("CreateClosedCircle", {Variant(c.x), Variant(c.y), Variant(c.radius)});
    }
    if (!detail.texts.empty()) {
        const Object texts = view.get("Texts").object();
        for (const ArtworkText& text : detail.texts) drawText(texts, text);
    }
    if (!detail.tables.empty()) {
        const Object tables = view.get("Tables").object();
        for (const ArtworkTable& table : detail.tables) drawTable(tables, table);
    }
}

}  // namespace

void MakeTemplateDrawing(const Object& catia, const TemplateArtwork& artwork, const std::string& path) {
    const Object drawing = catia.get("Documents").object().call("Add", {Variant("Drawing")}).object();
    try {
        drawing.put("Standard", isoStandard);
        const Object sheets = drawing.get("Sheets").object();
        sheets.call("Item", {Variant(1)}).object().put("ProjectionMethod", artwork.projectionMethod);
        for (const Detail& detail : artwork.details) drawDetail(sheets, detail, artwork.projectionMethod);
        drawing.call("SaveAs", {Variant(path)});
    } catch (const automation::Error&) {
        try {
            drawing.call("Close");
        } catch (const automation::Error&) {
            // CATIA keeps the unsaved drawing open; the user may close it.
        }
        throw;
    }
    drawing.call("Close");
}

}  // namespace qvl::drawing
