#pragma once
// Scale and places of the three part views on the A4 machining sheet: the front view and the
// view below it share a field of 145 x 155 mm, the isometric view sits in the lower-right corner.

#include "common/drawing/sheet_point.h"
#include "common/drawing/standard_scales.h"

namespace qvl::millsheet {

using drawing::SheetPoint;
using drawing::StandardScaleList;

inline constexpr double viewFieldWidth = 145;
inline constexpr double viewFieldHeight = 155;

// The largest standard scale, from 1:1 down, at which a block `width` wide and `height` high
// (front and lower view at 1:1) with the gap between them, all scaled, fits the view field.
// The last standard scale when none fits.
double SheetScaleFor(double width, double height, double gap, const StandardScaleList& scales);

// What the views measured at 1:1: the front view (W by H), the lower view's height (D, the
// part's depth) and the isometric view (Wi by Hi).
struct MeasuredViews {
    double frontWidth = 0;
    double frontHeight = 0;
    double depth = 0;
    double isometricWidth = 0;
    double isometricHeight = 0;
};

struct SheetViewPlaces {
    SheetPoint front;
    SheetPoint lower;
    SheetPoint isometric;
    double scale = 1;           // front and lower view
    double isometricScale = 1;  // half of it
};

// Places the views at `scale`: the front view's upper-right corner at `corner`, the lower view
// `gap` mm below it, the isometric view's lower-right corner at (292, 25).
SheetViewPlaces PlaceSheetViews(const MeasuredViews& measured, double scale, SheetPoint corner, double gap);

}  // namespace qvl::millsheet
