// The drawing document of a run: started from the template of the projection method, with the
// template's sheets replaced by one fresh sheet, and saved at once in the output folder; and the
// default templates, made in CATIA when the template is missing.

#include <optional>
#include <string>

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"
#include "common/drawing/default_templates.h"
#include "common/drawing/template_detail.h"
#include "planwright/drawing/default_templates.h"
#include "planwright/drawing/shared_drawing.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

constexpr const char* firstAngleTemplate = "\\Template\\DrwFrame_All.CATDrawing";
constexpr const char* thirdAngleTemplate = "\\Template\\DrwFrame_All_3rd.CATDrawing";

}  // namespace

std::string MainFrm::templatePath() const {
    return programFolder_ + (op1st.value() == 1 ? firstAngleTemplate : thirdAngleTemplate);
}

void MainFrm::OfferDefaultTemplates() {
    drawing::OfferDefaultTemplates(
        connection_, templatePath(),
        {{programFolder_ + firstAngleTemplate, [] { return FrameTemplateArtwork(false); }},
         {programFolder_ + thirdAngleTemplate, [] { return FrameTemplateArtwork(true); }}});
}

bool MainFrm::CreateDrawingFromTemplate(const std::string& fileName, const std::string& sheetName) {
    ErrorTrap trap;
    // Nothing of an earlier drawing may be acted on when this one cannot be made.
    CurrentDrawing = Object();
    CurrentSheet = Object();
    CurrentDrawingFile.clear();
    const bool firstAngle = op1st.value() == 1;
    if (!trap([&] {
            CurrentDrawing =
                connection_.CatiaApp.get("Documents").object().call("NewFrom", {Variant(templatePath())}).object();
        })) {
        // A template that is not there was offered to be made; one that is there is faulty.
        if (services_.fileExists(templatePath())) templateFault(drawing::unreadableTemplate);
        return false;
    }

    Object sheets;
    trap([&] { sheets = CurrentDrawing.get("Sheets").object(); });
    long long templateSheets = 0;
    trap([&] { templateSheets = sheets.get("Count").toLong(); });
    // CATIA refuses to remove the last sheet; that one stays beside the new sheet.
    for (long long i = 0; i < templateSheets; ++i) trap([&] { sheets.call("Remove", {Variant(1)}); });
    trap([&] { CurrentSheet = sheets.call("Add", {Variant(sheetName)}).object(); });
    trap([&] { CurrentSheet.put("PaperSize", catiaPaperSize("A0")); });
    trap([&] { CurrentSheet.put("ProjectionMethod", firstAngle ? firstAngleProjection : thirdAngleProjection); });
    trap([&] { CurrentSheet.put("Scale2", 1); });

    std::string path = pathInFolder(lblOutFolder2.caption(), fileName);
    if (opOut3.value() == 1) path += txtSuf.text();
    // CATIA's file alerts are off during a run, so SaveAs would replace an existing drawing
    // without a word: the name is chosen among those that no file has yet.
    std::optional<std::string> unused;
    trap([&] {
        unused = UnusedFileName(
            path, drawingFileExtension, [this](const std::string& file) { return services_.fileExists(file); },
            [this] { return services_.random(); });
    });
    if (!unused) return false;
    const bool saved = trap([&] { CurrentDrawing.call("SaveAs", {Variant(*unused)}); });
    if (saved) CurrentDrawingFile = *unused + drawingFileExtension;
    return saved && !CurrentSheet.isNothing();
}

}  // namespace qvl::planwright
