#include "sim/render/sheet_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "common/text/utf8.h"

namespace qvl::sim {
namespace {

// A view's placement: from the view's own coordinates to the sheet's.
struct Placement {
    double x = 0;
    double y = 0;
    double scale = 1;
    double angle = 0;

    std::pair<double, double> operator()(double px, double py) const {
        double c = std::cos(angle), s = std::sin(angle);
        return {x + scale * (c * px - s * py), y + scale * (s * px + c * py)};
    }
};

constexpr double tableFontSize = 2.5;
// The distance between the lines of a text, in font sizes.
constexpr double lineSpacing = 1.4;

// The lines of a text: a CR LF, a lone CR or a lone LF ends a line.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}
constexpr double defaultRowHeight = 7;

double columnWidth(const DrawingTable& table, std::size_t column) {
    if (column < table.columnWidths.size()) return table.columnWidths[column];
    double widest = 0;
    for (const auto& row : table.cells()) {
        for (const std::string& line : linesOf(row[column])) {
            widest = std::max(widest, static_cast<double>(text::charCount(line)));
        }
    }
    return std::max(12.0, widest * tableFontSize * 0.9 + 4);
}

// A row without a height of its own is tall enough for its texts of most lines.
double rowHeight(const DrawingTable& table, std::size_t row) {
    if (row < table.rowHeights.size()) return table.rowHeights[row];
    std::size_t lines = 1;
    for (const std::string& cell : table.cells()[row]) lines = std::max(lines, linesOf(cell).size());
    return std::max(defaultRowHeight, static_cast<double>(lines) * tableFontSize * lineSpacing + 2);
}

class Painter {
public:
    explicit Painter(SheetPicture& picture) : picture_(picture) {}

    void line(const Placement& at, double x1, double y1, double x2, double y2, SheetPicture::LineKind kind) {
        auto [ax, ay] = at(x1, y1);
        auto [bx, by] = at(x2, y2);
        picture_.lines.push_back({ax, ay, bx, by, kind});
    }

    void circle(const Placement& at, const DrawingCircle& c, double dx, double dy) {
        auto [cx, cy] = at(dx + c.x, dy + c.y);
        picture_.arcs.push_back({cx, cy, at.scale * c.radius, c.start + at.angle, c.end + at.angle});
    }

    // A text of several lines becomes one picture text per line, the lines stacked so that the
    // block stands at (x, y) as its anchor position says.
    void text(const Placement& at, const std::string& s, double x, double y, double size, long long anchor,
              SheetPicture::TextKind kind) {
        std::vector<std::string> lines = linesOf(s);
        double step = lineSpacing * size / std::max(at.scale, 1e-9);
        long long row = (anchor >= 1 && anchor <= 9) ? (anchor - 1) % 3 : 0;  // 0 top, 1 middle, 2 bottom
        double first = row == 0 ? 0 : row == 1 ? step * static_cast<double>(lines.size() - 1) / 2
                                               : step * static_cast<double>(lines.size() - 1);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            auto [px, py] = at(x, y + first - step * static_cast<double>(i));
            picture_.texts.push_back({lines[i], px, py, size, anchor, kind});
        }
    }

    void artwork(const Placement& at, const ViewContent& content, double dx, double dy) {
        for (const DrawingLine& l : content.lines) {
            line(at, dx + l.x1, dy + l.y1, dx + l.x2, dy + l.y2, SheetPicture::LineKind::Artwork);
        }
        for (const DrawingCircle& c : content.circles) circle(at, c, dx, dy);
        for (const auto& t : content.texts) {
            text(at, t->text, dx + t->x, dy + t->y, t->fontSize, t->anchorPoint, SheetPicture::TextKind::Artwork);
        }
        for (const auto& table : content.tables) this->table(at, *table, dx, dy);
    }

    // The cells of a table, a merged block as one cell showing the text of its first cell.
    void table(const Placement& at, const DrawingTable& table, double dx, double dy) {
        const auto& cells = table.cells();
        std::size_t rows = cells.size();
        std::size_t columns = static_cast<std::size_t>(table.columnCount());
        std::vector<double> left{dx + table.x}, top{dy + table.y};
        for (std::size_t c = 0; c < columns; ++c) left.push_back(left.back() + columnWidth(table, c));
        for (std::size_t r = 0; r < rows; ++r) top.push_back(top.back() - rowHeight(table, r));

        std::vector<std::vector<bool>> covered(rows, std::vector<bool>(columns, false));
        auto cell = [&](std::size_t r, std::size_t c, std::size_t spanRows, std::size_t spanColumns) {
            double x1 = left[c], x2 = left[c + spanColumns], y1 = top[r], y2 = top[r + spanRows];
            line(at, x1, y1, x2, y1, SheetPicture::LineKind::Table);
            line(at, x1, y2, x2, y2, SheetPicture::LineKind::Table);
            line(at, x1, y1, x1, y2, SheetPicture::LineKind::Table);
            line(at, x2, y1, x2, y2, SheetPicture::LineKind::Table);
            const std::string& s = cells[r][c];
            if (!s.empty()) {
                text(at, s, (x1 + x2) / 2, (y1 + y2) / 2, tableFontSize, 5, SheetPicture::TextKind::Table);
            }
            for (std::size_t i = r; i < r + spanRows; ++i) {
                for (std::size_t j = c; j < c + spanColumns; ++j) covered[i][j] = true;
            }
        };
        for (const TableMerge& m : table.merges()) {
            cell(static_cast<std::size_t>(m.row - 1), static_cast<std::size_t>(m.column - 1),
                 static_cast<std::size_t>(m.rows), static_cast<std::size_t>(m.columns));
        }
        for (std::size_t r = 0; r < rows; ++r) {
            for (std::size_t c = 0; c < columns; ++c) {
                if (!covered[r][c]) cell(r, c, 1, 1);
            }
        }
    }

    void view(const DrawingView& view) {
        Placement at{view.x, view.y, view.scale, view.angle};
        // The view's coordinates of what stands at its x, y: the projected centre of gravity
        // of a generated view, the origin of any other.
        double ox = 0, oy = 0;
        if (const auto& projection = view.generative.projection) {
            for (const ViewEdge& e : projection->edges) line(at, e.x1, e.y1, e.x2, e.y2, SheetPicture::LineKind::ViewEdge);
            text(at, view.name, (projection->xmin + projection->xmax) / 2,
                 projection->ymin - 4 / std::max(view.scale, 1e-9), 2.5, 4, SheetPicture::TextKind::ViewName);
            ox = projection->gravityX;
            oy = projection->gravityY;
        }
        artwork(at, view.content, -ox, -oy);
        for (const auto& component : view.components) {
            artwork(at, component->content, component->x - ox, component->y - oy);
        }
    }

private:
    SheetPicture& picture_;
};

}  // namespace

std::optional<std::pair<double, double>> paperOf(long long paperSize) {
    switch (paperSize) {
        case 2: return std::pair{1189.0, 841.0};
        case 3: return std::pair{841.0, 594.0};
        case 4: return std::pair{594.0, 420.0};
        case 5: return std::pair{420.0, 297.0};
        case 6: return std::pair{297.0, 210.0};
        default: return std::nullopt;
    }
}

bool SheetPicture::Arc::closed() const noexcept { return DrawingCircle{x, y, radius, start, end}.closed(); }

std::vector<SheetPicture::Line> SheetPicture::Arc::segments() const {
    const double sweep = end - start;
    const int count = std::max(8, static_cast<int>(std::ceil(48 * sweep / (2 * std::numbers::pi))));
    std::vector<Line> out;
    for (int i = 0; i < count; ++i) {
        const double a = start + sweep * i / count, b = start + sweep * (i + 1) / count;
        out.push_back({x + radius * std::cos(a), y + radius * std::sin(a), x + radius * std::cos(b),
                       y + radius * std::sin(b), LineKind::Artwork});
    }
    return out;
}

std::array<double, 4> SheetPicture::bounds() const {
    double inf = std::numeric_limits<double>::infinity();
    std::array<double, 4> b{inf, -inf, inf, -inf};
    auto take = [&](double x, double y) {
        b[0] = std::min(b[0], x);
        b[1] = std::max(b[1], x);
        b[2] = std::min(b[2], y);
        b[3] = std::max(b[3], y);
    };
    take(0, 0);
    if (paper) take(paper->first, paper->second);
    for (const Line& l : lines) {
        take(l.x1, l.y1);
        take(l.x2, l.y2);
    }
    for (const Arc& a : arcs) {
        const std::array<double, 4> box = DrawingCircle{a.x, a.y, a.radius, a.start, a.end}.box();
        take(box[0], box[2]);
        take(box[1], box[3]);
    }
    for (const Text& t : texts) take(t.x, t.y);
    return b;
}

SheetPicture pictureOf(const DrawingSheet& sheet) {
    SheetPicture picture;
    picture.name = sheet.name;
    picture.detail = sheet.detail;
    picture.paperSize = sheet.paperSize;
    picture.projectionMethod = sheet.projectionMethod;
    if (!sheet.detail) picture.paper = paperOf(sheet.paperSize);
    Painter painter(picture);
    for (const auto& view : sheet.views) painter.view(*view);
    return picture;
}

}  // namespace qvl::sim
