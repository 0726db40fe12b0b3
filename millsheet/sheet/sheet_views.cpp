// The three views of the machined part on the sheet: the front view (from the chosen axis
// system when there is one), the view below it and an isometric view, measured at 1:1, scaled
// to the view field and placed.

#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/error_mode.h"
#include "common/automation/error_trap.h"
#include "common/catia/axis_direction.h"
#include "common/text/vb_number.h"
#include "millsheet/main_frm3.h"
#include "millsheet/sheet/sheet_layout.h"
#include "common/drawing/view_extent.h"

namespace qvl::millsheet {

using automation::Error;
using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

// The view below the front view in first-angle projection.
constexpr int lowerViewProjection = 2;

const std::vector<Variant> defaultFrontDirection{1.0, 0.0, 0.0, 0.0, 0.0, 1.0};

struct Extent {
    double width = 0;
    double height = 0;
};

// A view's box on the sheet, each side rounded to one decimal.
Extent extentOf(const Object& view) {
    const drawing::ViewExtent extent = drawing::ReadViewExtent(view);
    return {text::roundHalfEven(extent.width, 1), text::roundHalfEven(extent.height, 1)};
}

}  // namespace

void MainFrm3::FitSheetScale(double width, double height, double gap) {
    ViewScale = SheetScaleFor(width, height, gap, StandardScales);
}

void MainFrm3::CreateSheetViews(const Object& model, const Object& sheet, double centreX, double centreY,
                                double gap) {
    automation::ErrorMode step;
    Object views, v1, beh1;
    step([&] { views = sheet.get("Views").object(); });
    auto addView = [&] { return views.call("Add", {Variant("AutomaticNaming")}).object(); };
    auto place = [&](const Object& view, SheetPoint at, const Variant& scale) {
        step([&] { view.put("x", at.x); });
        step([&] { view.put("y", at.y); });
        step([&] { view.put("Scale2", scale); });
    };

    step([&] { v1 = addView(); });
    step([&] { beh1 = v1.get("GenerativeBehavior").object(); });
    step([&] { beh1.putRef("Document", model); });
    step([&] { beh1.call("DefineFrontView", defaultFrontDirection); });

    // From the chosen axis system: its X axis horizontal, its Z axis vertical. An entry that
    // names no axis system (the part's absolute axes) keeps the default.
    if (!cmbAxis.text().empty() && model.typeName() == "Product") {
        step.ignoreErrors();
        ErrorTrap axisTrap;
        TargetProduct = Object();
        TargetAxisSystem = Object();
        if (axisTrap([&] { TargProd(model, cmbAxis.text()); }) && !TargetAxisSystem.isNothing()) {
            // The chosen axis system is there: a front view not taken from it is not the one
            // asked for. An entry that names no axis system of the part stays silent.
            axisTrap.clear();
            // CATIA takes the part's reference product, which an instance of the structure is not.
            axisTrap([&] {
                beh1.call("SetAxisSysteme", {TargetProduct.get("ReferenceProduct"), Variant(TargetAxisSystem)});
            });
            std::optional<std::array<double, 3>> x, z;
            axisTrap([&] { x = catia::ReadAxisDirection(TargetAxisSystem, "GetXAxis"); });
            axisTrap([&] { z = catia::ReadAxisDirection(TargetAxisSystem, "GetZAxis"); });
            if (x && z) {
                axisTrap([&] {
                    beh1.call("DefineFrontView", {(*x)[0], (*x)[1], (*x)[2], (*z)[0], (*z)[1], (*z)[2]});
                });
            }
            if (axisTrap.failed()) Missing.add("视图方向");
        }
    }

    MeasuredViews measured;
    place(v1, {200, 100}, Variant(1.0));
    step([&] { beh1.call("Update"); });
    step([&] { v1.call("Activate"); });
    step([&] {
        const Extent front = extentOf(v1);
        measured.frontWidth = front.width;
        measured.frontHeight = front.height;
    });

    Object v2, beh2;
    step([&] { v2 = addView(); });
    step([&] { beh2 = v2.get("GenerativeBehavior").object(); });
    step([&] { beh2.call("DefineProjectionView", {Variant(beh1), Variant(lowerViewProjection)}); });
    step([&] { v1.get("GenerativeLinks").object().call("CopyLinksTo", {v2.get("GenerativeLinks")}); });
    place(v2, {200, 50}, Variant(1.0));
    step([&] { v2.putRef("ReferenceView", v1); });
    step([&] { v2.call("AlignedWithReferenceView"); });
    step([&] { beh2.call("Update"); });
    step([&] { measured.depth = extentOf(v2).height; });

    Object v3, beh3;
    step([&] { v3 = addView(); });
    step([&] { beh3 = v3.get("GenerativeBehavior").object(); });
    step([&] { beh3.putRef("Document", model); });
    step([&] { beh3.call("DefineIsometricView", drawing::IsometricViewDirection()); });
    step([&] { v3.put("x", 250.0); });
    step([&] { v3.put("y", 50.0); });
    step([&] { v3.put("Scale2", v1.get("Scale2")); });
    step([&] { beh3.call("Update"); });
    step([&] {
        const Extent isometric = extentOf(v3);
        measured.isometricWidth = isometric.width;
        measured.isometricHeight = isometric.height;
    });

    FitSheetScale(measured.frontWidth, measured.frontHeight + measured.depth, gap);
    const SheetViewPlaces places = PlaceSheetViews(measured, ViewScale, {centreX, centreY}, gap);
    place(v1, places.front, places.scale);
    step([&] { MapAxis(v1, "X", "Z", places.scale); });
    place(v2, places.lower, places.scale);
    step([&] { MapAxis(v2, "X", "Y", places.scale); });
    place(v3, places.isometric, places.isometricScale);
    for (const Object* behavior : {&beh1, &beh2, &beh3}) step([&] { behavior->call("Update"); });
    // The places are meant for the centres of the views' boxes.
    step([&] { drawing::CentreViewBoxOn(v1, places.front.x, places.front.y); });
    step([&] { drawing::CentreViewBoxOn(v2, places.lower.x, places.lower.y); });
    step([&] { drawing::CentreViewBoxOn(v3, places.isometric.x, places.isometric.y); });
    // Once errors are skipped, a failed step no longer reaches the caller.
    if (step.failed()) Missing.add("视图");
}

}  // namespace qvl::millsheet
