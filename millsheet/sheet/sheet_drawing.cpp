// The drawing of a machining sheet: a new drawing with one A4 sheet, saved at once in the
// output folder, and the template's frame placed on it.

#include <optional>
#include <string>

#include "common/automation/error_trap.h"
#include "millsheet/main_frm3.h"
#include "millsheet/messages.h"
#include "common/drawing/drawing_file.h"
#include "common/drawing/output_path.h"
#include "common/drawing/paper.h"
#include "common/drawing/unused_file_name.h"

namespace qvl::millsheet {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

constexpr int isoStandard = 1;

}  // namespace

bool MainFrm3::CreateSheetDrawing(const std::string& fileName, const std::string& sheetName) {
    ErrorTrap trap;
    // Nothing of an earlier run's drawing may be acted on when this one cannot be made.
    CurrentDrawing = Object();
    CurrentSheet = Object();
    savedPath_.reset();
    if (!trap([&] {
            CurrentDrawing = connection_.CatiaApp.get("Documents").object().call("Add", {Variant("Drawing")}).object();
        })) {
        return false;
    }
    trap([&] { CurrentDrawing.put("Standard", isoStandard); });
    trap([&] { CurrentSheet = CurrentDrawing.get("Sheets").object().call("Add", {Variant(sheetName)}).object(); });
    trap([&] { CurrentSheet.put("PaperSize", drawing::catiaPaperSize("A4")); });
    trap([&] { CurrentSheet.put("ProjectionMethod", drawing::firstAngleProjection); });
    trap([&] { CurrentSheet.put("Scale2", 1); });

    // CATIA's file alerts are off during the run, so SaveAs would replace an existing drawing
    // without a word: the name is chosen among those that no file has yet.
    const std::string path = drawing::pathInFolder(lblOutFolder2.caption(), fileName);
    std::optional<std::string> unused;
    trap([&] {
        unused = drawing::UnusedFileName(
            path, drawing::drawingFileExtension, [this](const std::string& file) { return services_.fileExists(file); },
            [this] { return services_.random(); });
    });
    if (!unused) return false;
    if (!trap([&] { CurrentDrawing.call("SaveAs", {Variant(*unused)}); })) return false;
    savedPath_ = *unused;
    return true;
}

void MainFrm3::PlaceFrame(const Object& targetView, const std::string& paperCode, double x, double y) {
    // The title block and the explosion must never reach the frame of an earlier run.
    FrameComponent = Object();
    if (!drawing::isoPaper(paperCode)) {
        connection_.message(wrongPaperCodeMessage);
        return;
    }
    FrameComponent = targetView.get("Components")
                         .object()
                         .call("Add", {Variant(TemplateFrameView), Variant(x), Variant(y)})
                         .object();
}

}  // namespace qvl::millsheet
