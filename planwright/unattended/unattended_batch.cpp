#include "planwright/unattended/unattended_batch.h"

#include <optional>

#include "common/automation/error_trap.h"
#include "common/automation/run_time_error.h"
#include "common/catia/file_alerts_off.h"
#include "common/platform/windows_path.h"
#include "planwright/connection_policy.h"
#include "planwright/unattended/batch_arguments.h"
#include "planwright/unattended/model_list.h"

namespace qvl::planwright {
namespace {

// The version of the build, for the log's first line.
constexpr const char* programVersion = QVL_PROGRAM_VERSION;

// Nobody is told that CATIA has no document open: a batch needs none.
catia::ConnectionPolicy unattendedPolicy() {
    catia::ConnectionPolicy policy = connectionPolicy();
    policy.reportsMissingDocument = false;
    return policy;
}

// The arguments as a person would type them again.
std::string commandLineText(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty()) text += ' ';
        text += argument.find_first_of(" \t") == std::string::npos && !argument.empty() ? argument : '"' + argument + '"';
    }
    return text;
}

const char* yesNo(int value) { return value == 1 ? "是" : "否"; }

}  // namespace

UnattendedBatch::UnattendedBatch(platform::Services& services, automation::ObjectFactory& automation,
                                 std::string programFolder, std::vector<std::string> arguments,
                                 std::string currentFolder)
    : machine_(services),
      arguments_(std::move(arguments)),
      currentFolder_(std::move(currentFolder)),
      log_(services, ""),
      services_(services, log_, std::nullopt),
      connection_(unattendedPolicy(), automation, services_),
      window_(std::make_unique<MainFrm>(connection_, services_, std::move(programFolder))) {}

int UnattendedBatch::run() {
    log_.line(std::string("Planwright ") + programVersion + " 无人值守投图");
    log_.line("开始: " + machine_.todayShortDate() + " " + log_.timeNow());
    log_.line("命令行: " + commandLineText(arguments_));

    const ParsedBatchArguments parsed = parseBatchArguments(arguments_);
    const BatchArguments& a = parsed.arguments;
    if (!a.list.empty()) listPath_ = platform::resolvePath(currentFolder_, a.list);
    // The log lies beside the list unless the command line names it.
    if (a.log) log_.setPath(platform::resolvePath(currentFolder_, *a.log));
    else if (!listPath_.empty()) log_.setPath(listPath_ + ".log");
    if (!parsed.error.empty()) {
        machine_.writeConsoleLine(batchUsage);
        return cannotRun(parsed.error);
    }
    if (!log_.writable()) return cannotRun("无法写入日志文件: " + log_.path());

    services_.setDrawingName(a.drawingName);
    if (std::string reason = prepare(a); !reason.empty()) return cannotRun(reason);
    MainFrm& f = *window_;
    logOptions();

    automation::ErrorTrap trap;
    std::optional<catia::FileAlertsOff> alertsOff;
    if (!trap([&] { alertsOff.emplace(f.connection().CatiaApp); })) return cannotRun(catiaUnreachableMessage);
    f.batchObserver = &log_;
    const int mode = f.opOut1.value() == 1 ? 1 : f.opOut2.value() == 1 ? 2 : 3;
    try {
        f.RunBatch(mode);
    } catch (const automation::Error& e) {
        log_.message(automation::runTimeErrorText(e));
        return cannotRun("投图中断");
    }
    f.batchObserver = nullptr;
    alertsOff.reset();

    const BatchOutcome& outcome = f.lastBatch;
    const int lines = f.lstParts.listCount();
    for (int line = lines - outcome.unprojected; line < lines; ++line) {
        const std::string& key = f.lstParts.list(line);
        log_.notProjected(f.dicParts.Exists(key) ? f.dicParts.Item(key) : key);
    }
    log_.runFiles();
    const bool everyModel = outcome.failures == 0 && log_.modelsFailed() == 0 && outcome.unprojected == 0 &&
                            !outcome.catiaGone;
    const int status = !outcome.started ? batchCouldNotRun : everyModel ? everyModelProjected : someModelsFailed;
    log_.summary(status);
    return status;
}

std::string UnattendedBatch::prepare(const BatchArguments& a) {
    const std::optional<std::string> bytes = machine_.readFile(listPath_);
    if (!bytes) return "无法读取列表文件: " + listPath_;
    const std::vector<std::string> models = readModelList(*bytes, platform::folderOf(listPath_));
    if (models.empty()) return "列表文件中没有数模: " + listPath_;

    // The start-up of the window, without showing it: CATIA attached (or started), the saved
    // options loaded. Then the command line's options over them.
    MainFrm& f = *window_;
    f.Form_Load();
    if (f.connection().CatiaApp.isNothing()) return catiaUnreachableMessage;
    if (a.outputMode == 1) f.opOut1.setValue(1);
    if (a.outputMode == 2) f.opOut2.setValue(1);
    if (a.outputMode == 3) f.opOut3.setValue(1);
    if (a.drawingName && f.opOut3.value() == 1) return "/name 只用于输出方式 1 和 2（一个图纸文件）";
    const std::string out = a.outputFolder ? platform::resolvePath(currentFolder_, *a.outputFolder)
                                           : platform::folderOf(listPath_);
    f.lblOutFolder2.setCaption(out);
    if (!machine_.folderExists(out)) return "输出目录不存在: " + out;
    if (a.dwg) f.chkDwg.setValue(1);
    f.ExportPdf = a.pdf;
    if (!machine_.fileExists(f.templatePath())) return "找不到模板文件: " + f.templatePath();

    f.dicParts.RemoveAll();
    f.lstParts.clear();
    for (const std::string& model : models) {
        if (!f.listModel(model)) log_.line("列表中重复的数模只投一次: " + model);
    }
    return "";
}

void UnattendedBatch::logOptions() {
    MainFrm& f = *window_;
    const int mode = f.opOut1.value() == 1 ? 1 : f.opOut2.value() == 1 ? 2 : 3;
    log_.line("列表: " + listPath_);
    log_.line("输出目录: " + f.lblOutFolder2.caption());
    log_.line("选项: 输出方式 " + std::to_string(mode) + "，" + (f.op1st.value() == 1 ? "第一视角" : "第三视角") +
              "，图纸幅面不超过 " + f.cbxlstSize.text() + "，每个实体作为零件 " + yesNo(f.chkMutiBodies.value()) +
              "，添加图框 " + yesNo(f.chkAddFrm.value()) + "，添加长宽高 " + yesNo(f.chkAddDes.value()) +
              "，技术要求 " + (f.chkNotes.value() == 1 ? f.cbxNotes.text() : std::string("否")) + "，导出dwg " +
              yesNo(f.chkDwg.value()) + "，导出pdf " + yesNo(f.ExportPdf ? 1 : 0));
    log_.line(std::string("时间\t数模\t结果\t写入的文件\t秒"));
}

int UnattendedBatch::cannotRun(const std::string& reason) {
    log_.line("无法投图: " + reason);
    log_.summary(batchCouldNotRun);
    machine_.writeConsoleLine("Planwright: " + reason);
    if (!log_.path().empty() && log_.writable()) machine_.writeConsoleLine("日志: " + log_.path());
    return batchCouldNotRun;
}

}  // namespace qvl::planwright
