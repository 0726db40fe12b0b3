#pragma once

// A template drawing as plain data: detail sheets, each holding one view of the same name (a 2D
// detail that the programs place as a component), and the lines, circles, texts and tables of
// that view, in millimetres of the view's own coordinates. Each program describes its own
// templates; the template maker draws them in CATIA.

#include <string>
#include <vector>

namespace qvl::drawing {

struct ArtworkLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

struct ArtworkCircle {
    double x = 0;
    double y = 0;
    double radius = 0;
};

// CATIA's anchor positions of a text: 1 top left ... 9 bottom right, column by column.
namespace anchor {
inline constexpr int topLeft = 1;
inline constexpr int middleLeft = 2;
inline constexpr int middleCentre = 5;
inline constexpr int middleRight = 8;
}  // namespace anchor

struct ArtworkText {
    std::string name;
    std::string text;
    double x = 0;
    double y = 0;
    double fontSize = 3.5;
    int anchorPoint = anchor::middleCentre;
    // A text that placed instances hand out for filling in (a title-block value).
    bool modifiable = false;
};

// A table whose upper-left corner stands at (x, y); one height per row, one width per column,
// and the texts row by row.
struct ArtworkTable {
    std::string name;
    double x = 0;
    double y = 0;
    std::vector<double> rowHeights;
    std::vector<double> columnWidths;
    std::vector<std::vector<std::string>> cells;
};

struct Detail {
    std::string name;
    std::vector<ArtworkLine> lines{};
    std::vector<ArtworkCircle> circles{};
    std::vector<ArtworkText> texts{};
    std::vector<ArtworkTable> tables{};

    void line(double x1, double y1, double x2, double y2) { lines.push_back({x1, y1, x2, y2}); }
    // The four sides of the rectangle between two corners.
    void rectangle(double x1, double y1, double x2, double y2) {
        line(x1, y1, x2, y1);
        line(x2, y1, x2, y2);
        line(x2, y2, x1, y2);
        line(x1, y2, x1, y1);
    }
};

struct TemplateArtwork {
    // The projection method of the drawing's sheets (firstAngleProjection, thirdAngleProjection).
    int projectionMethod = 0;
    std::vector<Detail> details;
};

}  // namespace qvl::drawing
