#include "common/drawing/standard_scales.h"

namespace qvl::drawing {

StandardScaleList BuildStandardScales() {
    return {100, 50, 20, 10, 5, 2, 1,
            1.0 / 2, 1.0 / 5, 1.0 / 10, 1.0 / 20, 1.0 / 50, 1.0 / 100,
            1.0 / 200, 1.0 / 500, 1.0 / 1000, 1.0 / 2000, 1.0 / 5000, 1.0 / 10000};
}

}  // namespace qvl::drawing
