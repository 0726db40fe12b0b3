#include "measured_run.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "common/automation/error.h"
#include "common/platform/windows_path.h"
#include "planwright_machine.h"

namespace qvl::bench {

using platform::Json;

namespace {

constexpr const char* modelFolder = "D:\\bench\\models";
constexpr const char* outputFolder = "D:\\bench\\out";
constexpr const char* failureMark = "-出现错误!";
constexpr std::size_t slowestMemberCount = 10;

void require(bool condition, const std::string& what) {
    if (!condition) throw std::runtime_error("set-up failed: " + what);
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The failures that the run's final message names: 0 for "操作完成！ ", N for
// "操作完成，有 N 个文件出现了一点问题，请检查！".
std::optional<int> reportedFailures(const std::vector<Json>& events) {
    const std::string success = "操作完成！";
    const std::string withFailures = "操作完成，有 ";
    std::optional<int> failures;
    for (const Json& e : events) {
        if (e.value("event", "") != "message") continue;
        const std::string text = e.value("text", "");
        if (text.starts_with(success)) failures = 0;
        if (text.starts_with(withFailures)) failures = std::atoi(text.c_str() + withFailures.size());
    }
    return failures;
}

// The files of the output folder, and the sheets and generated views of its drawings.
void readOutput(const platform::VirtualDisk& disk, MeasuredRun& run) {
    for (const std::string& name : disk.filesBelow(outputFolder)) {
        std::string bytes = disk.readFile(std::string(outputFolder) + "\\" + name).value_or("");
        if (platform::samePath(platform::extensionOf(name), "CATDrawing")) {
            ++run.drawings;
            const Json drawing = Json::parse(bytes, nullptr, false);
            for (const Json& sheet : drawing.is_discarded() ? Json::array() : drawing.value("sheets", Json::array())) {
                if (sheet.value("detail", false)) continue;
                ++run.sheets;
                for (const Json& view : sheet.value("views", Json::array())) {
                    if (view.contains("generative")) ++run.projectedViews;
                }
            }
        }
        run.outputFiles.emplace(name, std::move(bytes));
    }
}

void prepareRun(PlanwrightMachine& machine, MeasuredRun& run, int models) {
    planwright::MainFrm& w = machine.window();
    run.batch = writeSampleBatch(machine.disk(), modelFolder, models);

    // The work list from the file dialog, the output folder from the folder browser.
    machine.services().queueFiles(run.batch.paths);
    w.cmdFolderSel.click();
    require(w.lstParts.listCount() == models, "the work list holds " + std::to_string(w.lstParts.listCount()) +
                                                  " of " + std::to_string(models) + " models");
    require(machine.disk().createFolder(outputFolder), "the output folder cannot be made");
    machine.services().queueFolder({platform::HeadlessServices::FolderAnswer::Kind::Path, outputFolder});
    w.cmdChangeDir.click();
    require(w.lblOutFolder2.caption() == outputFolder, "the output folder was not taken");

    // The window's default options, set all the same so that a change of defaults shows.
    w.op1st.setValue(1);
    w.chkMutiBodies.setValue(1);
    w.cbxlstSize.setText("A0");
    w.chkAddFrm.setValue(1);
    w.chkAddDes.setValue(1);
    w.chkNotes.setValue(1);
    w.chkDwg.setValue(0);
    (run.mode == 1 ? w.opOut1 : run.mode == 2 ? w.opOut2 : w.opOut3).setValue(1);
    if (run.mode != 3) machine.services().queueInput("QVL-Bench-Mode" + std::to_string(run.mode));
}

}  // namespace

MeasuredRun runBatch(const std::filesystem::path& sampleWorld, int mode, int models, Metering metering) {
    PlanwrightMachine machine(sampleWorld, metering != Metering::None);
    MeasuredRun run;
    run.mode = mode;
    prepareRun(machine, run, models);

    CallMeter& meter = machine.meter();
    meter.keepMemberFigures(metering == Metering::ByMember);
    meter.reset();
    machine.programServices().reset();
    const std::size_t eventsBefore = machine.transcript().events().size();
    const auto start = std::chrono::steady_clock::now();
    try {
        machine.window().cmdRun.click();
    } catch (const automation::Error& e) {
        run.escaped = std::to_string(e.code()) + " " + e.description();
    }
    run.seconds = seconds(std::chrono::steady_clock::now() - start);

    run.calls = meter.calls();
    run.failedCalls = meter.failedCalls();
    run.releases = meter.releases();
    run.secondsInside = seconds(meter.timeInside());
    run.secondsReleasing = seconds(meter.timeReleasing());
    run.secondsInPlatform = seconds(machine.programServices().timeInside());
    for (const auto& [member, figures] : meter.members()) {
        run.slowestMembers.push_back({member, figures.calls, figures.failedCalls,
                                      std::chrono::duration<double, std::milli>(figures.timeInside).count()});
    }
    std::sort(run.slowestMembers.begin(), run.slowestMembers.end(),
              [](const auto& a, const auto& b) { return a.milliseconds > b.milliseconds; });
    if (run.slowestMembers.size() > slowestMemberCount) run.slowestMembers.resize(slowestMemberCount);

    const auto& events = machine.transcript().events();
    run.events.assign(events.begin() + static_cast<std::ptrdiff_t>(eventsBefore), events.end());
    run.reportedFailures = reportedFailures(run.events);
    for (const std::string& line : machine.window().lstParts.items()) {
        if (line.ends_with(failureMark)) ++run.markedLines;
    }
    readOutput(machine.disk(), run);
    return run;
}

}  // namespace qvl::bench
