#include "common/drawing/paper.h"

#include <algorithm>

namespace qvl::drawing {
namespace {

// The smallest sheet whose side (picked by `side`) holds `length`, as a code.
template <class Side>
std::string_view smallestHolding(double length, Side side) {
    if (length < 0) return oversizePaperCode;
    for (const Paper& paper : isoPapers) {
        if (length <= side(paper)) return paper.code;
    }
    return oversizePaperCode;
}

}  // namespace

bool isPaperCode(std::string_view code) {
    return std::find(paperCodes.begin(), paperCodes.end(), code) != paperCodes.end();
}

std::string PaperSizeFor(double width, double height) {
    const std::string_view byWidth = smallestHolding(width, [](const Paper& p) { return p.width; });
    const std::string_view byHeight = smallestHolding(height, [](const Paper& p) { return p.height; });
    if (byWidth == oversizePaperCode || byHeight == oversizePaperCode) return std::string(oversizePaperCode);
    // The larger paper has the smaller digit; on equal digits the height's code stands.
    return std::string(byWidth[1] < byHeight[1] ? byWidth : byHeight);
}

std::optional<Paper> isoPaper(std::string_view code) {
    for (const Paper& paper : isoPapers) {
        if (paper.code == code) return paper;
    }
    return std::nullopt;
}

int catiaPaperSize(std::string_view code) {
    if (code == "A1") return 3;
    if (code == "A2") return 4;
    if (code == "A3") return 5;
    if (code == "A4") return 6;
    return 2;
}

}  // namespace qvl::drawing
