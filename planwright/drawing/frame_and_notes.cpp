// Frames and technical notes: views of the template drawing placed as components of a sheet's
// main view. A frame is exploded once its title block is filled; a notes block at once, into
// texts that the user can edit. Exploding copies a component's artwork into the view and
// leaves the component, which the run deletes at its end.

#include <optional>
#include <string>

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"
#include "common/catia/file_alerts_off.h"
#include "common/drawing/template_detail.h"
#include "planwright/drawing/notes_codes.h"
#include "planwright/drawing/shared_drawing.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

// The template holds, for every piece, a sheet with a view of the same name. The template is
// read afresh for every piece, with CATIA's file alerts off meanwhile.
Object MainFrm::insertTemplatePiece(const Object& targetView, const std::string& name, double x, double y,
                                    const std::string& piece) {
    ErrorTrap trap;
    std::optional<catia::FileAlertsOff> alertsOff;
    trap([&] { alertsOff.emplace(connection_.CatiaApp); });
    Object sheets;
    if (!trap([&] { sheets = drawing::TemplateSheets(connection_.CatiaApp, templatePath()); })) {
        Missing.add(piece);
        // A template that is not there was offered to be made; one that is there is faulty.
        if (services_.fileExists(templatePath())) templateFault(drawing::unreadableTemplate);
        return Object();
    }
    // A template without a sheet and view of this name lacks the piece.
    Object source;
    if (!trap([&] { source = drawing::TemplateDetail(sheets, name); })) {
        Missing.add(piece);
        templateFault(drawing::MissingTemplateDetail(piece, name));
        return Object();
    }
    Object component;
    if (!trap([&] {
            component = targetView.get("Components")
                            .object()
                            .call("Add", {Variant(source), Variant(x), Variant(y)})
                            .object();
        })) {
        Missing.add(piece);
    }
    return component;
}

void MainFrm::templateFault(const std::string& what) { TemplateFaults.add(drawing::TemplateFault(templatePath(), what)); }

void MainFrm::InsertFrame(const Object& targetView, const std::string& paperCode, double x, double y) {
    // The title block and the driver's explosion must never reach an earlier model's frame.
    FrameComponent = Object();
    if (!isPaperCode(paperCode)) {
        connection_.message("图框尺寸代号输入错误！");
        return;
    }
    FrameComponent = insertTemplatePiece(targetView, paperCode, x, y, "图框");
}

void MainFrm::InsertNotes(const Object& targetView, const std::string& notesCode, double x, double y) {
    if (!isNotesCode(notesCode)) {
        connection_.message("技术要求代号名称输入错误！");
        return;
    }
    const Object notes = insertTemplatePiece(targetView, notesCode, x, y, "技术要求");
    if (notes.isNothing()) return;
    ErrorTrap trap;
    // The notes component itself is deleted with the main view's components at the end.
    if (!trap([&] { notes.call("Explode"); })) Missing.add("技术要求");
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
