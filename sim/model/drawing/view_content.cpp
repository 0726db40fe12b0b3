#include "sim/model/drawing/view_content.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace qvl::sim {

std::array<double, 4> DrawingCircle::box() const {
    auto at = [&](double angle) { return std::pair{x + radius * std::cos(angle), y + radius * std::sin(angle)}; };
    auto [x1, y1] = at(start);
    std::array<double, 4> b{x1, x1, y1, y1};
    auto take = [&](double angle) {
        auto [px, py] = at(angle);
        b = {std::min(b[0], px), std::max(b[1], px), std::min(b[2], py), std::max(b[3], py)};
    };
    take(end);
    // The points where the arc crosses the axes through its centre, where it has them.
    const double quarter = std::numbers::pi / 2;
    for (double a = std::ceil(start / quarter) * quarter; a < end; a += quarter) take(a);
    return b;
}

ViewContent ViewContent::copy() const {
    ViewContent out;
    out.lines = lines;
    out.circles = circles;
    for (const auto& text : texts) out.texts.push_back(std::make_shared<DrawingText>(*text));
    for (const auto& table : tables) out.tables.push_back(std::make_shared<DrawingTable>(*table));
    return out;
}

void ViewContent::append(ViewContent&& other) {
    lines.insert(lines.end(), other.lines.begin(), other.lines.end());
    circles.insert(circles.end(), other.circles.begin(), other.circles.end());
    std::move(other.texts.begin(), other.texts.end(), std::back_inserter(texts));
    std::move(other.tables.begin(), other.tables.end(), std::back_inserter(tables));
}

void ViewContent::translate(double dx, double dy) {
    for (DrawingLine& line : lines) {
        line.x1 += dx;
        line.y1 += dy;
        line.x2 += dx;
        line.y2 += dy;
    }
    for (DrawingCircle& circle : circles) {
        circle.x += dx;
        circle.y += dy;
    }
    for (const auto& text : texts) {
        text->x += dx;
        text->y += dy;
    }
    for (const auto& table : tables) {
        table->x += dx;
        table->y += dy;
    }
}

void ViewContent::markRemoved() {
    for (const auto& text : texts) text->removed = true;
    for (const auto& table : tables) table->removed = true;
}

}  // namespace qvl::sim
