#include "sim/render/drawing_svg.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <filesystem>

#include "common/platform/windows_path.h"
#include "sim/model/drawing/drawing_reader.h"
#include "sim/model/refusal.h"
#include "sim/render/sheet_picture.h"
#include "sim/render/svg_text.h"

namespace qvl::sim {
namespace {

constexpr double margin = 20;
constexpr double captionHeight = 14;
constexpr double gap = 30;

const char* style =
    "<style>"
    ".paper{fill:#fff;stroke:#888;stroke-width:0.5;stroke-dasharray:6 3}"
    ".artwork{stroke:#000;stroke-width:0.35;stroke-linecap:round;fill:none}"
    ".edge{stroke:#000;stroke-width:0.6;stroke-linecap:round}"
    ".table{stroke:#222;stroke-width:0.25}"
    "text{font-family:SimSun,'Noto Sans CJK SC','WenQuanYi Micro Hei',sans-serif;fill:#000;white-space:pre}"
    ".view-name{fill:#1a5fb4}"
    ".caption{fill:#444}"
    "</style>";

const char* lineClass(SheetPicture::LineKind kind) {
    switch (kind) {
        case SheetPicture::LineKind::ViewEdge: return "edge";
        case SheetPicture::LineKind::Table: return "table";
        case SheetPicture::LineKind::Artwork: break;
    }
    return "artwork";
}

std::string textAttributes(long long anchor) {
    if (anchor < 1 || anchor > 9) anchor = 3;
    static const char* horizontal[] = {"start", "middle", "end"};
    static const char* vertical[] = {"hanging", "central", "alphabetic"};
    return std::string(" text-anchor=\"") + horizontal[(anchor - 1) / 3] + "\" dominant-baseline=\"" +
           vertical[(anchor - 1) % 3] + "\"";
}

std::string caption(const SheetPicture& picture) {
    std::string text = "Sheet " + picture.name;
    if (picture.detail) return text + " (detail sheet)";
    static const char* papers[] = {"A0", "A1", "A2", "A3", "A4"};
    if (picture.paperSize >= 2 && picture.paperSize <= 6) text += std::string(" · ") + papers[picture.paperSize - 2];
    return text + (picture.projectionMethod == 1 ? " · third angle" : " · first angle");
}

// One sheet, drawn so that the sheet point (x, y) lands at (x - left, top - y).
void drawSheet(std::string& out, const SheetPicture& picture, double left, double top) {
    auto sx = [&](double x) { return formatCoordinate(x - left); };
    auto sy = [&](double y) { return formatCoordinate(top - y); };
    std::array<double, 4> b = picture.bounds();
    out += "<g class=\"sheet\" data-name=\"" + escapeXml(picture.name) + "\">\n";
    out += "<text class=\"caption\" x=\"" + sx(b[0]) + "\" y=\"" + sy(b[3] + captionHeight / 2) +
           "\" font-size=\"6\" dominant-baseline=\"central\">" + escapeXml(caption(picture)) + "</text>\n";
    if (picture.paper) {
        out += "<rect class=\"paper\" x=\"" + sx(0) + "\" y=\"" + sy(picture.paper->second) + "\" width=\"" +
               formatCoordinate(picture.paper->first) + "\" height=\"" + formatCoordinate(picture.paper->second) +
               "\"/>\n";
    }
    for (const auto& l : picture.lines) {
        out += "<line class=\"" + std::string(lineClass(l.kind)) + "\" x1=\"" + sx(l.x1) + "\" y1=\"" + sy(l.y1) +
               "\" x2=\"" + sx(l.x2) + "\" y2=\"" + sy(l.y2) + "\"/>\n";
    }
    for (const auto& a : picture.arcs) {
        if (a.closed()) {
            out += "<circle class=\"artwork\" cx=\"" + sx(a.x) + "\" cy=\"" + sy(a.y) + "\" r=\"" +
                   formatCoordinate(a.radius) + "\"/>\n";
            continue;
        }
        // Counter-clockwise on the sheet is counter-clockwise on the screen too, whose y runs down:
        // SVG's sweep flag 0.
        const std::string large = a.end - a.start > std::numbers::pi ? "1" : "0";
        out += "<path class=\"artwork\" d=\"M " + sx(a.x + a.radius * std::cos(a.start)) + " " +
               sy(a.y + a.radius * std::sin(a.start)) + " A " + formatCoordinate(a.radius) + " " +
               formatCoordinate(a.radius) + " 0 " + large + " 0 " + sx(a.x + a.radius * std::cos(a.end)) + " " +
               sy(a.y + a.radius * std::sin(a.end)) + "\"/>\n";
    }
    for (const auto& t : picture.texts) {
        if (t.text.empty()) continue;
        std::string cls = t.kind == SheetPicture::TextKind::ViewName ? " class=\"view-name\"" : "";
        out += "<text" + cls + " x=\"" + sx(t.x) + "\" y=\"" + sy(t.y) + "\" font-size=\"" + formatCoordinate(t.size) +
               "\"" + textAttributes(t.anchorPoint) + ">" + escapeXml(t.text) + "</text>\n";
    }
    out += "</g>\n";
}

}  // namespace

std::string renderDrawingSvg(const nlohmann::ordered_json& drawing) {
    if (!drawing.is_object() || !drawing.contains("kind") || drawing["kind"] != "Drawing") {
        throw Refusal("no drawing: its kind is not \"Drawing\"");
    }
    std::unique_ptr<Drawing> model;
    try {
        model = readDrawing(drawing, [](const std::string&, std::string&) { return std::shared_ptr<Document>(); });
    } catch (const nlohmann::ordered_json::exception& e) {
        throw Refusal(std::string("no drawing: ") + e.what());
    }
    std::vector<SheetPicture> pictures;
    for (const auto& sheet : model->sheets) pictures.push_back(pictureOf(*sheet));

    double width = 0, height = margin;
    std::vector<double> tops;
    for (const SheetPicture& picture : pictures) {
        std::array<double, 4> b = picture.bounds();
        width = std::max(width, b[1] - b[0]);
        height += captionHeight;
        tops.push_back(height);
        height += (b[3] - b[2]) + gap;
    }
    width += 2 * margin;
    height += margin - gap;

    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + formatCoordinate(width) + "mm\" height=\"" +
           formatCoordinate(height) + "mm\" viewBox=\"0 0 " + formatCoordinate(width) + " " + formatCoordinate(height) +
           "\">\n" + style + "\n<rect width=\"100%\" height=\"100%\" fill=\"#eceff1\"/>\n";
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        std::array<double, 4> b = pictures[i].bounds();
        // The sheet's left edge at the margin, its top edge at its row.
        drawSheet(out, pictures[i], b[0] - margin, tops[i] + b[3]);
    }
    out += "</svg>\n";
    return out;
}

std::vector<std::string> renderSavedDrawings(platform::VirtualDisk& disk) {
    std::vector<std::string> problems;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(disk.root(), ec)) {
        std::string drive = platform::utf8FromPath(entry.path().filename());
        if (!entry.is_directory() || drive.size() != 1) continue;
        std::string root = drive + ":\\";
        for (const std::string& relative : disk.filesBelow(root)) {
            if (!platform::samePath(platform::extensionOf(relative), "CATDrawing")) continue;
            std::string path = root + relative;
            try {
                std::optional<std::string> text = disk.readFile(path);
                if (!text) throw Refusal("cannot be read");
                std::string svg = renderDrawingSvg(nlohmann::ordered_json::parse(*text));
                if (!disk.writeFile(path + ".svg", svg)) throw Refusal("its picture cannot be written");
            } catch (const std::exception& e) {
                problems.push_back(path + ": " + e.what());
            }
        }
    }
    return problems;
}

}  // namespace qvl::sim
