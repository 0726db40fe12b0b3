#pragma once

#include <string>
#include <string_view>

#include "planwright/drawing/shared_drawing.h"

namespace qvl::planwright {

// The scale of a model's orthographic views and the paper that holds them.
struct ScaleChoice {
    std::string paperCode;
    double scale = 1;
    // False when even the last standard scale leaves the block on a paper larger than allowed
    // (or larger than A0): the choice then holds that last scale and the paper it needs.
    bool withinLimit = true;
};

// Chooses the largest standard scale, from 1:1 down, at which a block of views `width` by
// `height` mm at 1:1 fits a paper no larger than `maxPaperCode` (one of the six paper codes;
// "Ax" allows any size and keeps 1:1). `spacing` is the distance between views: the block holds
// three of them in each direction, which stay unscaled while the model part shrinks.
ScaleChoice chooseScaleAndPaper(double width, double height, std::string_view maxPaperCode, double spacing,
                                const StandardScaleList& scales);

}  // namespace qvl::planwright
