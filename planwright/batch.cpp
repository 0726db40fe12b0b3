// The batch projection driver: the work list's models projected into drawings in one of three
// output modes — all models on one sheet, one sheet per model, one drawing per model.

#include <optional>
#include <string>

#include "common/automation/variant.h"
#include "common/ui/form.h"
#include "planwright/batch_run.h"
#include "planwright/drawing/sheet_layout.h"

namespace qvl::planwright {

using automation::Object;
using automation::Variant;

namespace {

constexpr const char* runSheetName = "QVL-Planwright";
constexpr const char* reportCaption = "自动投图";
constexpr const char* nameCaption = "Quorvel工具箱CATIA版 | 自动投图";

std::string defaultDrawingName(int outputMode, double random) {
    const char* stem = outputMode == 1 ? "QVL-Planwright-AllViewsInOne_" : "QVL-Planwright-AllSheetsInOne_";
    return stem + std::to_string(static_cast<int>(random * 100));
}

// The window's caption and progress tell the model in hand for as long as the run lasts.
class ProgressShown {
public:
    explicit ProgressShown(ui::Form& window) : window_(window), caption_(window.caption()) {}
    ~ProgressShown() {
        window_.setCaption(caption_);
        window_.setProgress(std::nullopt);
    }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    ui::Form& window_;
    std::string caption_;
};

}  // namespace

void MainFrm::RunBatch(int OutputMode) { lastBatch = BatchRun(*this, OutputMode).run(); }

BatchOutcome BatchRun::run() {
    if (f_.lstParts.listCount() == 0) {
        f_.connection().message("请先选择要投影的数模文件”");
        return {};
    }
    f_.OfferDefaultTemplates();
    f_.TemplateFaults.clear();
    bool drawingMade = true;
    if (outputMode_ == 1 || outputMode_ == 2) {
        const std::optional<std::string> name =
            f_.services().inputBox("请输入要生成的CATDrawing文件名:", nameCaption,
                                   defaultDrawingName(outputMode_, f_.services().random()));
        if (!name || name->empty()) {
            f_.connection().message("必须定义文件名，你也可以使用默认文件名");
            return {};
        }
        drawingMade = f_.CreateDrawingFromTemplate(*name, runSheetName);
        drawingStarted();
    }
    if (outputMode_ == 1) f_.FrameOrigin = sideBySideFrameOrigins();

    {
        ProgressShown progress(f_);
        switch (outputMode_) {
            case 1: allModelsOnOneSheet(drawingMade); break;
            case 2: sheetPerModel(drawingMade); break;
            case 3: drawingPerModel(); break;
            default: break;
        }
    }
    report();
    return {.started = true, .failures = failures_, .unprojected = unprojected_, .catiaGone = catiaGone_};
}

void BatchRun::forEachListedModel(const std::function<bool(int line)>& steps) {
    const int lines = f_.lstParts.listCount();
    for (int line = 0; line < lines; ++line) {
        f_.WorkIndex = static_cast<std::int16_t>(line + 1);
        if (!steps(line) || f_.stopRequested()) {
            unprojected_ = lines - line - 1;
            return;
        }
    }
}

void BatchRun::allModelsOnOneSheet(bool drawingMade) {
    std::optional<std::string> sheetName;
    trap_([&] { sheetName = f_.CurrentSheet.get("Name").toString(); });
    if (sheetName) removeSheets(sheetName);

    forEachListedModel([&](int line) {
        beginModel(line);
        project(f_.CurrentModel);
        explodeFrame();
        forEachBody([&](const Object& body, long long) {
            project(body);
            explodeFrame();
        });
        closeModel();
        if (catiaWentAway()) return stopAt(line);
        checkAndMark(line);
        endModel(line);
        return true;
    });
    if (catiaGone_) return;

    clearMainView();
    trap_([&] { f_.CurrentSheet.call("Update"); });
    saveRunDrawing(drawingMade);
    trap_([&] { f_.CurrentSheet.call("Activate"); });
    reframe();
}

void BatchRun::sheetPerModel(bool drawingMade) {
    removeSheets(std::nullopt);

    // A sheet of the model's own; when it cannot be added, no earlier model's sheet is touched.
    auto addSheet = [&](const std::optional<std::string>& name) {
        f_.CurrentSheet = Object();
        if (name) {
            trap_([&] {
                f_.CurrentSheet = f_.CurrentDrawing.get("Sheets").object().call("Add", {Variant(*name)}).object();
            });
        }
        setProjectionMethod();
        resetOrigins();
    };
    forEachListedModel([&](int line) {
        beginModel(line);
        const std::optional<std::string> number = partNumber();
        addSheet(number);
        project(f_.CurrentModel);
        setPaper();
        explodeFrame();
        forEachBody([&](const Object& body, long long b) {
            addSheet(number ? std::optional(*number + "-" + std::to_string(b)) : std::nullopt);
            project(body);
            setPaper();
            explodeFrame();
        });
        trap_([&] { f_.CurrentSheet.call("Update"); });
        closeModel();
        if (catiaWentAway()) return stopAt(line);
        checkAndMark(line);
        trap_([&] { f_.CurrentSheet.call("Activate"); });
        reframe();
        endModel(line);
        return true;
    });
    if (catiaGone_) return;

    Object sheets;
    long long count = 0;
    trap_([&] {
        sheets = f_.CurrentDrawing.get("Sheets").object();
        count = sheets.get("Count").toLong();
    });
    for (long long i = 1; i <= count; ++i) {
        f_.CurrentSheet = Object();
        if (trap_([&] { f_.CurrentSheet = sheets.call("Item", {Variant(i)}).object(); })) clearMainView();
    }
    f_.CurrentSheet = Object();
    saveRunDrawing(drawingMade);
}

void BatchRun::drawingPerModel() {
    // One drawing: projected, cleaned, saved, exported and closed.
    auto drawing = [&](const std::optional<std::string>& name, const Object& subject) {
        newDrawing(name);
        resetOrigins();
        project(subject);
        setPaper();
        explodeFrame();
        trap_([&] { f_.CurrentSheet.call("Activate"); });
        if (name) removeSheets(name);
        clearMainView();
        trap_([&] { f_.CurrentSheet.call("Update"); });
        trap_([&] { f_.CurrentSheet.call("Activate"); });
        reframe();
        if (trap_([&] { f_.CurrentDrawing.call("Save"); })) {
            drawingFinished();
            tellFileWritten(f_.CurrentDrawingFile);
        }
        letWindowAnswer();
        exportDrawing();
        trap_([&] { f_.CurrentDrawing.call("Close"); });
    };
    forEachListedModel([&](int line) {
        beginModel(line);
        const std::optional<std::string> number = partNumber();
        drawing(number, f_.CurrentModel);
        forEachBody([&](const Object& body, long long b) {
            drawing(number ? std::optional(*number + "-" + std::to_string(b)) : std::nullopt, body);
        });
        closeModel();
        if (catiaWentAway()) return stopAt(line);
        // Checked after everything of the model, its body drawings, exports and closing
        // included: a drawing that did not reach the disk is a failure.
        checkAndMark(line);
        endModel(line);
        return true;
    });
}

void BatchRun::report() {
    if (catiaGone_) {
        f_.connection().message(catiaUnreachableMessage);
        return;
    }
    std::string report = failures_ > 0
                             ? "操作完成，有 " + std::to_string(failures_) + " 个文件出现了一点问题，请检查！"
                             : std::string("操作完成！ ");
    if (unprojected_ > 0) report += "\r\n已停止：还有 " + std::to_string(unprojected_) + " 个数模没有投图";
    if (!f_.TemplateFaults.empty()) {
        report += "\r\n\r\n模板缺少以下内容:";
        for (const std::string& fault : f_.TemplateFaults.pieces()) report += "\r\n" + fault;
    }
    f_.connection().message(report, reportCaption);
}

}  // namespace qvl::planwright
