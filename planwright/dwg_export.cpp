// Exports the drawing that is active in CATIA to DWG, next to the drawing's own file.

#include <string>

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"
#include "planwright/drawing/shared_drawing.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

using automation::ErrorTrap;
using automation::Variant;

void MainFrm::cmddwg_Click() {
    connection_.GetCatia();
    ErrorTrap trap;
    const automation::Object& drawing = connection_.ActiveDoc;
    if (drawing.typeName() != "DrawingDocument") {
        connection_.message("此命令只能在工程制图模块中运行", "Information", informationIcon);
        return;
    }
    std::string folder;
    std::string name;
    trap([&] { folder = drawing.get("Path").toString(); });
    trap([&] { name = drawing.get("Name").toString(); });
    trap([&] { drawing.call("ExportData", {Variant(DwgExportName(folder, name)), Variant("dwg")}); });
}

}  // namespace qvl::planwright
