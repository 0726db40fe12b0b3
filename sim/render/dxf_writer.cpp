#include "sim/render/dxf_writer.h"

#include <cstdio>
#include <numbers>

#include "common/text/utf8.h"
#include "sim/model/drawing/drawing_reader.h"
#include "sim/render/sheet_picture.h"
#include "sim/render/svg_text.h"

namespace qvl::sim {
namespace {

constexpr double sheetGap = 100;

std::string dxfText(const std::string& utf8) {
    std::string out;
    for (char32_t c : text::toUtf32(utf8)) {
        if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else if (c == '\r' || c == '\n') {
            out += ' ';
        } else {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(c));
            out += buffer;
        }
    }
    return out;
}

class DxfOut {
public:
    void pair(int code, const std::string& value) { text_ += std::to_string(code) + "\n" + value + "\n"; }
    void pair(int code, double value) { pair(code, formatCoordinate(value)); }

    void line(const std::string& layer, double x1, double y1, double x2, double y2) {
        pair(0, "LINE");
        pair(8, layer);
        pair(10, x1);
        pair(20, y1);
        pair(30, 0.0);
        pair(11, x2);
        pair(21, y2);
        pair(31, 0.0);
    }

    // A CIRCLE entity, or an ARC entity with its angles in degrees, counter-clockwise.
    void arc(const std::string& layer, const SheetPicture::Arc& a, double dx) {
        pair(0, a.closed() ? "CIRCLE" : "ARC");
        pair(8, layer);
        pair(10, dx + a.x);
        pair(20, a.y);
        pair(30, 0.0);
        pair(40, a.radius);
        if (a.closed()) return;
        pair(50, a.start * 180 / std::numbers::pi);
        pair(51, a.end * 180 / std::numbers::pi);
    }

    // A TEXT entity aligned at (x, y) as CATIA's anchor position aligns it.
    void textAt(const std::string& layer, const std::string& value, double x, double y, double height, long long anchor) {
        if (anchor < 1 || anchor > 9) anchor = 3;
        int horizontal = static_cast<int>((anchor - 1) / 3);            // 0 left, 1 centre, 2 right
        int vertical = 3 - static_cast<int>((anchor - 1) % 3);          // 3 top, 2 middle, 1 bottom
        pair(0, "TEXT");
        pair(8, layer);
        pair(10, x);
        pair(20, y);
        pair(30, 0.0);
        pair(40, height);
        pair(1, dxfText(value));
        pair(72, std::to_string(horizontal));
        pair(11, x);
        pair(21, y);
        pair(31, 0.0);
        pair(73, std::to_string(vertical));
    }

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace

std::string drawingDxf(const platform::Json& drawing) {
    std::unique_ptr<Drawing> model =
        readDrawing(drawing, [](const std::string&, std::string&) { return std::shared_ptr<Document>(); });
    DxfOut dxf;
    dxf.pair(0, "SECTION");
    dxf.pair(2, "HEADER");
    dxf.pair(9, "$ACADVER");
    dxf.pair(1, "AC1009");
    dxf.pair(9, "$INSUNITS");
    dxf.pair(70, "4");
    dxf.pair(0, "ENDSEC");
    dxf.pair(0, "SECTION");
    dxf.pair(2, "ENTITIES");
    double shift = 0;
    int number = 0;
    for (const auto& sheet : model->sheets) {
        if (sheet->detail) continue;
        SheetPicture picture = pictureOf(*sheet);
        std::array<double, 4> bounds = picture.bounds();
        double dx = shift - bounds[0];
        std::string layer = "SHEET_" + std::to_string(++number);
        if (picture.paper) {
            auto [w, h] = *picture.paper;
            dxf.line(layer, dx, 0, dx + w, 0);
            dxf.line(layer, dx + w, 0, dx + w, h);
            dxf.line(layer, dx + w, h, dx, h);
            dxf.line(layer, dx, h, dx, 0);
        }
        for (const auto& l : picture.lines) dxf.line(layer, dx + l.x1, l.y1, dx + l.x2, l.y2);
        for (const auto& a : picture.arcs) dxf.arc(layer, a, dx);
        for (const auto& t : picture.texts) {
            // View names are the picture's captions, not part of the drawing.
            if (!t.text.empty() && t.kind != SheetPicture::TextKind::ViewName) dxf.textAt(layer, t.text, dx + t.x, t.y, t.size, t.anchorPoint);
        }
        shift = dx + bounds[1] + sheetGap;
    }
    dxf.pair(0, "ENDSEC");
    dxf.pair(0, "EOF");
    return dxf.text();
}

}  // namespace qvl::sim
