// The four views of a model on a sheet: front view, side view to its right, the view below it
// and an isometric view, measured at 1:1, then scaled to the paper and laid out around an
// origin with fixed spacing factors.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/variant.h"
#include "common/text/vb_number.h"
#include "planwright/drawing/shared_drawing.h"
#include "planwright/drawing/scale_choice.h"
#include "planwright/drawing/sheet_layout.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

using automation::Error;
using automation::Object;
using automation::Variant;

namespace {

// Projection types of DefineProjectionView.
constexpr int sideViewFirstAngle = 1;
constexpr int sideViewThirdAngle = 0;
constexpr int lowerViewFirstAngle = 2;
constexpr int lowerViewThirdAngle = 3;

const std::vector<Variant> defaultFrontDirection{0.0, 1.0, 0.0, 0.0, 0.0, 1.0};

void place(const Object& view, SheetPoint at, double scale) {
    view.put("x", at.x);
    view.put("y", at.y);
    view.put("Scale2", scale);
}

std::vector<Variant> directionArguments(const std::array<double, 6>& direction) {
    return std::vector<Variant>(direction.begin(), direction.end());
}

[[noreturn]] void notProjected(const char* why) { throw Error(automation::errc::invalidProcedureCall, why); }

}  // namespace

double MainFrm::viewSpacing() const { return text::toDouble(txtVdis.text()).value_or(0); }

bool MainFrm::FitScaleToPaper(double width, double height, const std::string& maxPaperCode, double spacing) {
    const ScaleChoice choice = chooseScaleAndPaper(width, height, maxPaperCode, spacing, StandardScales);
    PaperCode = choice.paperCode;
    ViewScale = choice.scale;
    return choice.withinLimit;
}

// Links the front view to the model and turns it: a body and a single part face the way
// FVDirection chooses, an assembly always shows +Y horizontal and +Z vertical.
void MainFrm::orientFrontView(const Object& model, const Object& links, const Object& behavior) {
    if (model.typeName() != "Product") {
        links.call("AddLink", {Variant(model)});
        behavior.call("DefineFrontView", defaultFrontDirection);
        FVDirection(model.get("Parent").object().get("Parent").object());
        behavior.call("DefineFrontView", directionArguments(FrontViewDirection));
        return;
    }
    behavior.putRef("Document", model);
    if (model.get("Products").object().get("Count").toLong() != 0) {
        behavior.call("DefineFrontView", defaultFrontDirection);
        return;
    }
    FVDirection(model.get("Parent").object().get("Part").object());
    behavior.call("DefineFrontView", directionArguments(FrontViewDirection));
}

void MainFrm::CreateViews(const Object& model, const Object& sheet, double originX, double originY,
                          const std::string& maxPaperCode, int outputMode) {
    // A model whose views cannot be made gets no frame of an earlier model's paper.
    PaperCode.clear();
    if (!isPaperCode(maxPaperCode)) {
        connection_.message("图框尺寸代号输入错误！");
        notProjected("No paper of that code");
    }
    if (outputMode < 1 || outputMode > 3) {
        connection_.message("投影选项输入错误！");
        notProjected("No output mode of that number");
    }
    // A model that could not be opened leaves no empty view on the sheet.
    if (model.isNothing()) throw Error(automation::errc::objectNotSet, "Object variable not set");

    const bool firstAngle = op1st.value() == 1;
    const Object views = sheet.get("Views").object();
    auto addView = [&] { return views.call("Add", {Variant("AutomaticNaming")}).object(); };

    // Front view, measured at 1:1 where an oversize frame would stand.
    const Object v1 = addView();
    const Object links1 = v1.get("GenerativeLinks").object();
    const Object beh1 = v1.get("GenerativeBehavior").object();
    orientFrontView(model, links1, beh1);
    const SheetPoint provisional = FrameOrigin[*frameOriginSlot(oversizePaperCode)];
    place(v1, provisional, 1);
    beh1.call("Update");
    v1.call("Activate");
    const ViewExtent front = ReadViewExtent(v1);
    const double L = text::roundHalfEven(front.width, 1);
    const double H = text::roundHalfEven(front.height, 1);

    // Side view to the right; its width is the model's depth.
    const Object v2 = addView();
    const Object beh2 = v2.get("GenerativeBehavior").object();
    beh2.call("DefineProjectionView", {Variant(beh1), Variant(firstAngle ? sideViewFirstAngle : sideViewThirdAngle)});
    links1.call("CopyLinksTo", {v2.get("GenerativeLinks")});
    place(v2, {provisional.x + 2 * L, provisional.y}, 1);
    v2.putRef("ReferenceView", v1);
    v2.call("AlignedWithReferenceView");
    beh2.call("Update");
    const double W = text::roundHalfEven(ReadViewExtent(v2).width, 1);

    TitleValues[1] = "(" + text::cstr(L) + "x" + text::cstr(W) + "x" + text::cstr(H) + ")";

    // View below the front view.
    const Object v3 = addView();
    const Object beh3 = v3.get("GenerativeBehavior").object();
    beh3.call("DefineProjectionView",
              {Variant(beh1), Variant(firstAngle ? lowerViewFirstAngle : lowerViewThirdAngle)});
    links1.call("CopyLinksTo", {v3.get("GenerativeLinks")});
    place(v3, {provisional.x, provisional.y - 2 * H}, 1);
    v3.putRef("ReferenceView", v1);
    v3.call("AlignedWithReferenceView");
    beh3.call("Update");

    // Isometric view in the remaining corner.
    const Object v4 = addView();
    const Object beh4 = v4.get("GenerativeBehavior").object();
    beh4.putRef("Document", model);
    beh4.call("DefineIsometricView", IsometricViewDirection());
    place(v4, {provisional.x + 2 * L, provisional.y - 2 * H}, v1.get("Scale2").toDouble());
    beh4.call("Update");

    // Scale and paper for the block of views with three spacings each way.
    const double d = viewSpacing();
    const bool fits = FitScaleToPaper(3 * d + L + W, 3 * d + W + H, maxPaperCode, d);
    TitleValues[5] = text::cstr(ViewScale) + " : 1";

    SheetPoint origin{originX, originY};
    if (outputMode == 1) {
        if (const auto slot = frameOriginSlot(PaperCode)) origin = FrameOrigin[*slot];
    }
    const double S = ViewScale;
    const SheetPoint p1{origin.x + 1.5 * d + S * L / 2, origin.y + 2 * d + S * W + S * H / 2 + 0.6 * d};
    const SheetPoint p2{p1.x + S * L / 2 + 1.3 * d + S * W / 2, p1.y};
    const SheetPoint p3{p1.x, p1.y - S * H / 2 - d - S * W / 2};
    place(v1, p1, S);
    place(v2, p2, S);
    place(v3, p3, S);
    const SheetPoint p4{p2.x, p3.y};
    place(v4, p4, S / 2);
    for (const Object* behavior : {&beh1, &beh2, &beh3, &beh4}) behavior->call("Update");
    // The layout means the views' boxes to be centred on their places.
    CentreViewBoxOn(v1, p1.x, p1.y);
    CentreViewBoxOn(v2, p2.x, p2.y);
    CentreViewBoxOn(v3, p3.x, p3.y);
    CentreViewBoxOn(v4, p4.x, p4.y);

    const double blockHeight = text::roundHalfEven(3 * d + H + W);
    if (!(std::fabs(blockHeight) <= std::numeric_limits<std::int16_t>::max())) {
        throw Error(automation::errc::overflow, "Overflow");
    }
    BlockHeight = static_cast<std::int16_t>(blockHeight);

    if (!fits) notProjected("The views do not fit the largest paper allowed even at the smallest scale");
}

}  // namespace qvl::planwright
