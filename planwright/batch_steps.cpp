// The steps that the output modes of a batch run are made of.

#include <string>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/variant.h"
#include "common/platform/windows_path.h"
#include "common/ui/form.h"
#include "planwright/batch_run.h"
#include "planwright/drawing/shared_drawing.h"
#include "planwright/drawing/sheet_layout.h"

namespace qvl::planwright {

using automation::Object;
using automation::Variant;

namespace {

constexpr const char* failureMark = "-出现错误!";

}  // namespace

BatchRun::BatchRun(MainFrm& window, int outputMode) : f_(window), outputMode_(outputMode) {}

void BatchRun::beginModel(int line) {
    f_.lstParts.setSelected(line, true);
    const std::string& key = f_.lstParts.list(line);
    const std::string modelPath = f_.dicParts.Exists(key) ? f_.dicParts.Item(key) : key;
    const int lines = f_.lstParts.listCount();
    f_.setCaption("自动投图 " + std::to_string(line + 1) + "/" + std::to_string(lines) + " · " +
                  platform::baseNameOf(modelPath));
    f_.setProgress(ui::Progress{line, lines});
    if (f_.batchObserver) f_.batchObserver->modelBegun(line, lines, modelPath);
    letWindowAnswer();

    modelFailed_ = false;
    trap_.clear();
    f_.Missing.clear();
    // A model that cannot be opened leaves CurrentModel Nothing, never the previous model.
    f_.CurrentModel = Object();
    trap_([&] {
        const std::string& path = f_.dicParts.Item(f_.lstParts.list(line));
        const Object documents = f_.connection().CatiaApp.get("Documents").object();
        f_.CurrentModel = documents.call("Open", {Variant(path)}).object().get("Product").object();
    });
    letWindowAnswer();
}

void BatchRun::project(const Object& subject) {
    trap_([&] { f_.CreateViews(subject, f_.CurrentSheet, 0.0, 0.0, f_.cbxlstSize.text(), outputMode_); });
    trap_([&] { f_.FinishSheet(f_.chkAddFrm.value(), f_.chkAddDes.value(), f_.chkNotes.value(), subject); });
    trap_([&] { f_.CurrentDrawing.call("Activate"); });
    letWindowAnswer();
}

void BatchRun::letWindowAnswer() { f_.services().processPendingMessages(); }

void BatchRun::tellFileWritten(const std::string& path) {
    if (f_.batchObserver && !path.empty()) f_.batchObserver->fileWritten(path);
}

void BatchRun::setPaper() { trap_([&] { f_.CurrentSheet.put("PaperSize", catiaPaperSize(f_.PaperCode)); }); }

// The frame becomes ordinary sheet elements. The reference is dropped afterwards, so that a
// later model without a frame never meets this one again.
void BatchRun::explodeFrame() {
    if (f_.FrameComponent.isNothing()) return;
    trap_([&] { f_.FrameComponent.call("Explode"); });
    f_.FrameComponent = Object();
}

// Each body of a multi-body part, projected again as a part of its own, when the window asks
// for it. Assemblies are projected as a whole only.
void BatchRun::forEachBody(const std::function<void(const Object& body, long long number)>& bodySteps) {
    if (f_.chkMutiBodies.value() != 1) return;
    long long children = -1;
    trap_([&] { children = f_.CurrentModel.get("Products").object().get("Count").toLong(); });
    if (children != 0) return;
    Object bodies;
    long long count = 0;
    trap_([&] {
        bodies = f_.CurrentModel.get("Parent").object().get("Part").object().get("Bodies").object();
        count = bodies.get("Count").toLong();
    });
    if (count <= 1) return;
    for (long long number = 1; number <= count; ++number) {
        Object body;
        if (trap_([&] { body = bodies.call("Item", {Variant(number)}).object(); })) bodySteps(body, number);
    }
}

void BatchRun::resetOrigins() { f_.FrameOrigin = {}; }

void BatchRun::setProjectionMethod() {
    if (f_.op1st.value() == 1) {
        trap_([&] { f_.CurrentSheet.put("ProjectionMethod", firstAngleProjection); });
    } else if (f_.op3rd.value() == 1) {
        trap_([&] { f_.CurrentSheet.put("ProjectionMethod", thirdAngleProjection); });
    }
}

// Deletes every component left on the sheet's main view: the frames and notes whose artwork
// was exploded into the view, and any that could not be exploded.
void BatchRun::clearMainView() {
    Object components;
    trap_([&] { components = FindViewOfType13(f_.CurrentSheet).get("Components").object(); });
    Object selection;
    trap_([&] { selection = f_.CurrentDrawing.get("Selection").object(); });
    trap_([&] { selection.call("Clear"); });
    long long count = 0;
    trap_([&] { count = components.get("Count").toLong(); });
    for (long long i = 1; i <= count; ++i) {
        trap_([&] { selection.call("Add", {components.call("Item", {Variant(i)})}); });
    }
    // An empty selection has nothing to delete.
    if (count > 0) trap_([&] { selection.call("Delete"); });
}

void BatchRun::removeSheets(const std::optional<std::string>& keep) {
    RemoveSheetsExcept(f_.CurrentDrawing, keep, trap_);
}

void BatchRun::reframe() {
    trap_([&] {
        f_.connection().CatiaApp.get("ActiveWindow").object().get("ActiveViewer").object().call("Reframe");
    });
}

bool BatchRun::exportDrawing() {
    bool exported = true;
    if (f_.chkDwg.value() == 1) exported = exportAs("dwg");
    if (f_.ExportPdf) exported = exportAs("pdf") && exported;
    return exported;
}

// The export beside the drawing in the output folder, named by the rule of the DWG export; CATIA
// gives the file the format's extension.
bool BatchRun::exportAs(const char* format) {
    std::string name;
    const bool exported = trap_([&] {
        name = DwgExportName(f_.lblOutFolder2.caption(), f_.CurrentDrawing.get("Name").toString());
        f_.CurrentDrawing.call("ExportData", {Variant(name), Variant(format)});
    });
    if (exported) tellFileWritten(name + "." + format);
    letWindowAnswer();
    return exported;
}

void BatchRun::checkAndMark(int line) {
    // A model whose drawing lacks content that the options asked for failed as well, though
    // the routines that skipped the failing calls let no error through.
    modelFailed_ = trap_.failed() || !f_.Missing.empty();
    if (!modelFailed_) return;
    ++failures_;
    trap_.clear();
    f_.Missing.clear();
    const std::string key = f_.lstParts.list(line);
    if (f_.dicParts.Exists(key)) {
        const std::string marked = key + failureMark;
        // The list line changes only with its key, so that both stores stay equal.
        if (trap_([&] { f_.dicParts.Key(key, marked); })) f_.lstParts.setList(line, marked);
    }
    trap_.clear();
}

void BatchRun::endModel(int line) {
    f_.lstParts.setSelected(line, false);
    f_.setProgress(ui::Progress{line + 1, f_.lstParts.listCount()});
    if (f_.batchObserver) f_.batchObserver->modelEnded(line, modelFailed_);
}

void BatchRun::closeModel() {
    trap_([&] { f_.CurrentModel.get("Parent").object().call("Close"); });
    letWindowAnswer();
}

std::optional<std::string> BatchRun::partNumber() {
    std::optional<std::string> number;
    trap_([&] { number = f_.CurrentModel.get("PartNumber").toString(); });
    return number;
}

void BatchRun::newDrawing(const std::optional<std::string>& name) {
    // Without a new drawing the steps that follow must not reach the one closed before.
    f_.CurrentDrawing = Object();
    f_.CurrentSheet = Object();
    if (!name) return;
    const bool made = f_.CreateDrawingFromTemplate(*name, *name);
    drawingStarted();
    if (!made) {
        trap_([] {
            throw automation::Error(automation::errc::serverFailure,
                                    "The drawing could not be made from its template and saved");
        });
    }
}

void BatchRun::saveRunDrawing(bool drawingMade) {
    const bool saved = trap_([&] { f_.CurrentDrawing.call("Save"); });
    if (saved) {
        drawingFinished();
        tellFileWritten(f_.CurrentDrawingFile);
    }
    letWindowAnswer();
    const bool exported = exportDrawing();
    if (catiaWentAway()) return;
    if (!drawingMade || !saved || !exported) ++failures_;
}

void BatchRun::drawingStarted() {
    if (!f_.CurrentDrawingFile.empty()) unfinishedFile_ = f_.CurrentDrawingFile;
}

bool BatchRun::catiaWentAway() {
    if (catiaGone_ || !trap_.serverWentAway()) return catiaGone_;
    catiaGone_ = true;
    // Its content was lost with CATIA: the file holds the drawing as it was first saved.
    if (!unfinishedFile_.empty() && f_.services().fileExists(unfinishedFile_)) f_.services().removeFile(unfinishedFile_);
    unfinishedFile_.clear();
    return true;
}

bool BatchRun::stopAt(int line) {
    // The model in hand could not be done.
    modelFailed_ = true;
    endModel(line);
    return false;
}

}  // namespace qvl::planwright
