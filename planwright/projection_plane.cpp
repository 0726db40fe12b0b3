// Which side of a part its front view shows: by default the YZ plane, or the Y and Z axes of
// the part's first axis system when the user prefers it; and the command that lets the user
// change the plane of an existing front view with CATIA's own command.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"
#include "common/catia/axis_direction.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

constexpr int frontViewType = 1;

}  // namespace

void MainFrm::FVDirection(const Object& part) {
    FrontViewDirection = {0, 1, 0, 0, 0, 1};
    if (chkUserAxis.value() != 1) return;
    ErrorTrap trap;
    // A part without an axis system keeps the default silently; one whose first axis system
    // cannot be read gets front views that are not the ones asked for.
    Object axisSystems;
    if (!trap([&] { axisSystems = part.get("AxisSystems").object(); })) {
        Missing.add("视图方向");
        return;
    }
    Object axisSystem;
    if (!trap([&] { axisSystem = axisSystems.call("Item", {Variant(1)}).object(); })) return;
    if (!trap([&] {
            const std::array<double, 3> y = catia::ReadAxisDirection(axisSystem, "GetYAxis");
            const std::array<double, 3> z = catia::ReadAxisDirection(axisSystem, "GetZAxis");
            FrontViewDirection = {y[0], y[1], y[2], z[0], z[1], z[2]};
        })) {
        Missing.add("视图方向");
    }
}

void MainFrm::cmdProjPl_Click() {
    connection_.GetCatia();
    ErrorTrap trap;
    const Object& app = connection_.CatiaApp;
    if (connection_.ActiveDoc.typeName() != "DrawingDocument") {
        connection_.message("只能在工程制图工作台操作这个命令");
        return;
    }
    std::string language;
    trap([&] { language = connection_.CatiaLanguage(); });

    trap.clear();
    Object view;
    trap([&] { view = connection_.PickOneElement("DrawingView", "", "").object(); });
    if (trap.failed()) return;
    long long viewType = 0;
    if (!trap([&] { viewType = view.get("ViewType").toLong(); }) || viewType != frontViewType) {
        connection_.message("只能选择主视图", informationIcon);
        return;
    }

    // The document of the projected model: the part that holds a projected body, or the
    // document of a projected product.
    trap([&] { view.call("Activate"); });
    Object modelDocument;
    trap([&] {
        const Object projected = view.get("GenerativeBehavior").object().get("Document").object();
        const Object parent = projected.get("Parent").object();
        modelDocument = parent.typeName() == "Bodies"
                            ? parent.get("Parent").object().get("Parent").object()
                            : parent;
    });
    std::string modelName;
    trap([&] { modelName = modelDocument.get("Name").toString(); });

    Object drawingWindow;
    trap([&] { drawingWindow = app.get("ActiveWindow").object(); });
    Object modelWindow;
    trap([&] {
        const Object windows = app.get("Windows").object();
        const long long count = windows.get("Count").toLong();
        for (long long i = 1; i <= count && modelWindow.isNothing(); ++i) {
            const Object window = windows.call("Item", {Variant(i)}).object();
            if (window.get("Caption").toString() == modelName) modelWindow = window;
        }
    });
    if (modelWindow.isNothing()) {
        trap([&] {
            app.get("Documents").object().call("Open", {modelDocument.get("FullName")});
            modelWindow = app.get("ActiveWindow").object();
        });
    }

    trap([&] { drawingWindow.call("Activate"); });
    trap([&] { view.call("Activate"); });
    Object selection;
    trap([&] { selection = app.get("ActiveDocument").object().get("Selection").object(); });
    trap([&] { selection.call("Clear"); });
    trap([&] { selection.call("Add", {Variant(view)}); });
    if (language == catia::englishLanguage) {
        trap([&] { app.call("StartCommand", {Variant("Modify Projection Plane")}); });
    } else if (language == catia::chineseLanguage) {
        trap([&] { app.call("StartCommand", {Variant("修改投影平面")}); });
    }
    // The user picks the new plane in the model's window.
    trap([&] { modelWindow.call("Activate"); });
}

}  // namespace qvl::planwright
