#include "millsheet/sheet/sheet_layout.h"

namespace qvl::millsheet {
namespace {

constexpr SheetPoint isometricCorner{292, 25};

}  // namespace

double SheetScaleFor(double width, double height, double gap, const StandardScaleList& scales) {
    std::size_t i = drawing::oneToOneScaleIndex;
    for (; i + 1 < scales.size(); ++i) {
        if (scales[i] * width <= viewFieldWidth && scales[i] * (height + gap) <= viewFieldHeight) break;
    }
    return scales[i];
}

SheetViewPlaces PlaceSheetViews(const MeasuredViews& m, double scale, SheetPoint corner, double gap) {
    const double S = scale;
    SheetViewPlaces places;
    places.scale = S;
    places.isometricScale = S / 2;
    places.front = {corner.x - S * m.frontWidth / 2, corner.y - S * m.frontHeight / 2};
    places.lower = {places.front.x, places.front.y - S * m.frontHeight / 2 - gap - S * m.depth / 2};
    places.isometric = {isometricCorner.x - S * m.isometricWidth / 4, isometricCorner.y + S * m.isometricHeight / 4};
    return places;
}

}  // namespace qvl::millsheet
