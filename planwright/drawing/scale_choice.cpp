#include "planwright/drawing/scale_choice.h"

#include "planwright/drawing/shared_drawing.h"

namespace qvl::planwright {

ScaleChoice chooseScaleAndPaper(double width, double height, std::string_view maxPaperCode, double spacing,
                                const StandardScaleList& scales) {
    ScaleChoice choice{PaperSizeFor(width, height), 1, true};
    if (maxPaperCode == oversizePaperCode) return choice;

    std::size_t i = oneToOneScaleIndex;
    const double gaps = 3 * spacing;
    // One step to the next smaller scale; false at the end of the list.
    auto step = [&] {
        if (i + 1 >= scales.size()) return false;
        ++i;
        width = (width - gaps) * scales[i] / scales[i - 1] + gaps;
        height = (height - gaps) * scales[i] / scales[i - 1] + gaps;
        choice.paperCode = PaperSizeFor(width, height);
        return true;
    };
    // The digit of the largest paper allowed; a text that is no code allows A0.
    const char limit = maxPaperCode.size() == 2 ? maxPaperCode[1] : '0';
    auto largerThanAllowed = [&] {
        return choice.paperCode == oversizePaperCode || choice.paperCode[1] < limit;
    };
    while (largerThanAllowed()) {
        if (!step()) {
            choice.withinLimit = false;
            break;
        }
    }
    choice.scale = scales[i];
    return choice;
}

}  // namespace qvl::planwright
