#include "planwright/drawing/sheet_layout.h"

#include "planwright/drawing/shared_drawing.h"

namespace qvl::planwright {
namespace {

constexpr double frameGap = 40;
// The room that the side-by-side layout leaves for the A0 column before the oversize column:
// one and a half A0 widths.
constexpr double a0ColumnWidth = 1783.5;
// The top edge of every frame in the side-by-side layout: the height of A0.
constexpr double layoutTop = 841;

}  // namespace

std::optional<std::size_t> frameOriginSlot(std::string_view paperCode) {
    for (std::size_t i = 0; i < isoPapers.size(); ++i) {
        if (isoPapers[i].code == paperCode) return i;
    }
    if (paperCode == oversizePaperCode) return isoPapers.size();
    return std::nullopt;
}

FrameOrigins sideBySideFrameOrigins() {
    FrameOrigins origins{};
    double x = 0;
    for (std::size_t i = 0; i < isoPapers.size(); ++i) {
        origins[i] = {x, layoutTop - isoPapers[i].height};
        const bool a0 = i + 1 == isoPapers.size();
        x += (a0 ? a0ColumnWidth : isoPapers[i].width) + frameGap;
    }
    origins[isoPapers.size()] = {x, 0};
    return origins;
}

std::optional<SheetPoint> notesPosition(std::string_view paperCode, SheetPoint origin) {
    if (!isPaperCode(paperCode)) return std::nullopt;
    const Paper paper = isoPaper(paperCode).value_or(*isoPaper("A3"));
    const bool large = paper.code == "A0" || paper.code == "A1";
    const double right = large ? 40 : 20;
    const double top = large ? 55 : 40;
    return SheetPoint{origin.x + paper.width - right, origin.y + paper.height - top};
}

std::optional<SheetPoint> sizeTextPosition(std::string_view paperCode, SheetPoint origin) {
    if (!isPaperCode(paperCode)) return std::nullopt;
    if (paperCode == "A0" || paperCode == "A1") return SheetPoint{origin.x + 20, origin.y + 10};
    return SheetPoint{origin.x + 5, origin.y};
}

std::optional<SheetPoint> nextFrameOrigin(std::string_view paperCode, SheetPoint origin, double blockHeight) {
    if (paperCode == oversizePaperCode) return SheetPoint{origin.x, origin.y + blockHeight};
    const std::optional<Paper> paper = isoPaper(paperCode);
    if (!paper) return std::nullopt;
    return SheetPoint{origin.x, origin.y - paper->height - frameGap};
}

}  // namespace qvl::planwright
