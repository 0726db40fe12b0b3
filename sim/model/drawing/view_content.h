#pragma once

#include <array>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "sim/model/drawing/drawing_table.h"

namespace qvl::sim {

// A straight line of 2D artwork, in the coordinates of the view that holds it.
struct DrawingLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    friend bool operator==(const DrawingLine&, const DrawingLine&) = default;
};

// A circle, or an arc of one, in the coordinates of the view that holds it: its centre, its
// radius and the angles (radians, counter-clockwise from the x axis) where it starts and ends.
// A closed circle runs from 0 to 2π.
struct DrawingCircle {
    double x = 0;
    double y = 0;
    double radius = 0;
    double start = 0;
    double end = 2 * std::numbers::pi;

    bool closed() const noexcept { return end - start >= 2 * std::numbers::pi - 1e-9; }
    // {xmin, xmax, ymin, ymax} of what is drawn of it.
    std::array<double, 4> box() const;
    friend bool operator==(const DrawingCircle&, const DrawingCircle&) = default;
};

// A part of a text set in its own font size (SetFontSize with a character range).
struct FontRun {
    long long first = 0;
    long long count = 0;
    double size = 0;
};

// A text of a view. `anchorPoint` is CATIA's anchor position: 1 top left, 2 middle left,
// 3 bottom left, 4 top centre, 5 middle centre, 6 bottom centre, 7 top right, 8 middle right,
// 9 bottom right. `justification` is 1 left, 2 centre, 3 right.
struct DrawingText {
    std::string name;
    std::string text;
    double x = 0;
    double y = 0;
    long long anchorPoint = 1;
    long long justification = 1;
    double fontSize = 3.5;
    std::vector<FontRun> fontRuns;
    // In a detail, a text that instances of the detail hand out for editing
    // (SetModifiableIn2DComponentInstances); GetModifiableObject gives no other.
    bool modifiableInInstances = false;
    // Set once the text is deleted (or its view or sheet is): calls on it then fail.
    bool removed = false;
};

// The 2D artwork of a view or of a component.
struct ViewContent {
    std::vector<DrawingLine> lines;
    std::vector<DrawingCircle> circles;
    std::vector<std::shared_ptr<DrawingText>> texts;
    std::vector<std::shared_ptr<DrawingTable>> tables;

    // A deep copy: texts and tables of the copy are objects of their own.
    ViewContent copy() const;
    // Takes in everything of `other`, after what is here.
    void append(ViewContent&& other);
    // Moves everything by (dx, dy).
    void translate(double dx, double dy);
    // Marks every text and table removed.
    void markRemoved();
};

}  // namespace qvl::sim
