#include "sim/model/drawing/view_content.h"

namespace qvl::sim {

ViewContent ViewContent::copy() const {
    ViewContent out;
    out.lines = lines;
    for (const auto& text : texts) out.texts.push_back(std::make_shared<DrawingText>(*text));
    for (const auto& table : tables) out.tables.push_back(std::make_shared<DrawingTable>(*table));
    return out;
}

void ViewContent::translate(double dx, double dy) {
    for (DrawingLine& line : lines) {
        line.x1 += dx;
        line.y1 += dy;
        line.x2 += dx;
        line.y2 += dy;
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
