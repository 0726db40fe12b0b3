// Frames and technical notes: views of the template drawing placed as components of a sheet's
// background view. A frame stays a component until its title block is filled; a notes block
// is exploded at once into texts that the user can edit.

#include <optional>
#include <string>

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"
#include "common/catia/file_alerts_off.h"
#include "planwright/drawing/notes_codes.h"
#include "planwright/drawing/shared_drawing.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

// The template holds, for every piece, a sheet with a view of the same name. The template is
// read afresh for every piece, with CATIA's file alerts off meanwhile.
Object MainFrm::insertTemplatePiece(const Object& targetView, const std::string& name, double x, double y) {
    ErrorTrap trap;
    std::optional<catia::FileAlertsOff> alertsOff;
    trap([&] { alertsOff.emplace(connection_.CatiaApp); });
    Object component;
    trap([&] {
        const Object drawingTemplate =
            connection_.CatiaApp.get("Documents").object().call("Read", {Variant(templatePath())}).object();
        const Object source = drawingTemplate.get("Sheets")
                                  .object()
                                  .call("Item", {Variant(name)})
                                  .object()
                                  .get("Views")
                                  .object()
                                  .call("Item", {Variant(name)})
                                  .object();
        component = targetView.get("Components")
                        .object()
                        .call("Add", {Variant(source), Variant(x), Variant(y)})
                        .object();
    });
    return component;
}

void MainFrm::InsertFrame(const Object& targetView, const std::string& paperCode, double x, double y) {
    // The title block and the driver's explosion must never reach an earlier model's frame.
    FrameComponent = Object();
    if (!isPaperCode(paperCode)) {
        connection_.message("图框尺寸代号输入错误！");
        return;
    }
    FrameComponent = insertTemplatePiece(targetView, paperCode, x, y);
}

void MainFrm::InsertNotes(const Object& targetView, const std::string& notesCode, double x, double y) {
    if (!isNotesCode(notesCode)) {
        connection_.message("技术要求代号名称输入错误！");
        return;
    }
    const Object notes = insertTemplatePiece(targetView, notesCode, x, y);
    if (notes.isNothing()) return;
    ErrorTrap trap;
    trap([&] { notes.call("Explode"); });
}

// The title-block inputs only mean something with a frame.
void MainFrm::chkAddFrm_Click() {
    const int value = chkAddFrm.value();
    if (value != 0 && value != 1) return;
    for (ui::Control* input : {&chkDesigner, &chkDrawner, &chkDate, &txtDesigner, &txtDrawner, &txtDate}) {
        input->setEnabled(value == 1);
    }
}

}  // namespace qvl::planwright
