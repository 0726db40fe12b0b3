#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "sim/model/drawing/drawing.h"

namespace qvl::sim {

// What a sheet shows, flattened to lines and texts in sheet coordinates (mm, y up): the
// artwork and tables of its views and of the details placed in them, and the visible edges
// of the generated views. Renderers draw from it.
struct SheetPicture {
    enum class LineKind { Artwork, ViewEdge, Table };
    struct Line {
        double x1 = 0;
        double y1 = 0;
        double x2 = 0;
        double y2 = 0;
        LineKind kind = LineKind::Artwork;
    };
    // A circle or an arc of one: centre, radius, and the angles (radians, counter-clockwise)
    // where it starts and ends on the sheet.
    struct Arc {
        double x = 0;
        double y = 0;
        double radius = 0;
        double start = 0;
        double end = 0;
        bool closed() const noexcept;
        // The arc as line segments, for a renderer that draws no arcs.
        std::vector<Line> segments() const;
    };
    enum class TextKind { Artwork, Table, ViewName };
    struct Text {
        std::string text;
        double x = 0;
        double y = 0;
        double size = 3.5;
        long long anchorPoint = 1;  // CATIA's anchor position, 1 top left ... 9 bottom right
        TextKind kind = TextKind::Artwork;
    };

    std::string name;
    bool detail = false;
    long long paperSize = 0;
    long long projectionMethod = 0;
    // Landscape paper of the sheet's size; nullopt for a size other than A0 to A4.
    std::optional<std::pair<double, double>> paper;
    std::vector<Line> lines;
    std::vector<Arc> arcs;
    std::vector<Text> texts;

    // {xmin, xmax, ymin, ymax} of the paper and everything drawn; the paper alone (or a
    // point at the origin) for an empty sheet.
    std::array<double, 4> bounds() const;
};

SheetPicture pictureOf(const DrawingSheet& sheet);

// The landscape paper (width, height) of CATIA's paper size 2 (A0) to 6 (A4).
std::optional<std::pair<double, double>> paperOf(long long paperSize);

}  // namespace qvl::sim
