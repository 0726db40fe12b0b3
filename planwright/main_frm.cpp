#include "planwright/main_frm.h"

#include <optional>

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"
#include "common/catia/file_alerts_off.h"
#include "common/catia/window_placement.h"
#include "common/ui/busy_form.h"
#include "common/ui/output_folder.h"
#include "planwright/drawing/notes_codes.h"
#include "planwright/drawing/shared_drawing.h"

namespace qvl::planwright {

using automation::ErrorTrap;

namespace {

constexpr const char* windowCaption = "Quorvel工具箱CATIA版 | 自动投图";
constexpr const char* stopCaption = "停止投图";
constexpr const char* stopQuestion = "是否在当前数模完成后停止投图？";

}  // namespace

MainFrm::MainFrm(catia::Connection& connection, platform::Services& services, std::string programFolder)
    : ui::Form(windowCaption, 6555, 9000),
      connection_(connection),
      services_(services),
      programFolder_(std::move(programFolder)) {
    frmProjA.setFontName("宋体");

    cmdRun.onClick = [this] { cmdRun_Click(); };
    cmdChangeDir.onClick = [this] { cmdChangeDir_Click(); };
    lblOutFolder2.onClick = [this] { lblOutFolder2_Click(); };
    SaveConf.onClick = [this] { SaveConf_Click(); };
    cmdWinSel.onClick = [this] { cmdWinSel_Click(); };
    cmdFolderSel.onClick = [this] { cmdFolderSel_Click(); };
    cmdDelSel.onClick = [this] { cmdDelSel_Click(); };
    cmdDelAll.onClick = [this] { cmdDelAll_Click(); };
    chkAddFrm.onClick = [this] { chkAddFrm_Click(); };
    cmdProjPl.onClick = [this] { cmdProjPl_Click(); };
    cmddwg.onClick = [this] { cmddwg_Click(); };
}

void MainFrm::Form_Load() {
    StandardScales = BuildStandardScales();
    for (std::size_t i = 0; i < PaperSizes.size(); ++i) PaperSizes[i] = std::string(paperCodes[i]);
    TitleValues = {};
    FrameOrigin = {};

    for (WorkIndex = 0; WorkIndex < static_cast<std::int16_t>(PaperSizes.size()); ++WorkIndex) {
        cbxlstSize.addItem(PaperSizes[static_cast<std::size_t>(WorkIndex)]);
    }
    for (std::string_view notes : notesCodes) cbxNotes.addItem(std::string(notes));
    txtDate.setText(services_.todayShortDate());

    connection_.GetCatia();

    ErrorTrap trap;
    trap([&] { lblOutFolder2.setCaption(connection_.ActiveDoc.get("Path").toString()); });
    if (trap.failed()) {
        lblOutFolder2.setCaption(programFolder_ + "\\Temp");
        trap.clear();
    }
    dicParts.RemoveAll();
    trap([&] { catia::SetTopMost(services_, hWnd(), true); });
    trap([&] { LoadSettings(); });
}

void MainFrm::cmdRun_Click() {
    if (batchRequests_.running) {
        askToStopBatch();
        return;
    }
    if (lblOutFolder2.caption().empty()) {
        connection_.message("请先定义输出路径");
        return;
    }

    // The run uses CATIA as the last attach left it. When that CATIA cannot be reached (none
    // could be had at start-up, or it has gone since), attach once more before giving up.
    std::optional<catia::FileAlertsOff> alertsOff;
    ErrorTrap trap;
    if (!trap([&] { alertsOff.emplace(connection_.CatiaApp); })) {
        connection_.GetCatia();
        trap.clear();
        if (!trap([&] { alertsOff.emplace(connection_.CatiaApp); })) {
            connection_.message(catiaUnreachableMessage);
            return;
        }
    }

    // While the batch runs, the window keeps answering: the run button stops it, the other
    // controls wait.
    batchRequests_ = {.running = true};
    bool closeAfterwards = false;
    {
        ui::BusyForm busy(*this, cmdRun, stopCaption);
        struct EndOfRun {
            MainFrm& f;
            bool& closeAfterwards;
            ~EndOfRun() {
                closeAfterwards = f.batchRequests_.closeAfterwards;
                f.batchRequests_ = {};
            }
        } endOfRun{*this, closeAfterwards};
        if (opOut1.value() == 1) RunBatch(1);
        if (opOut2.value() == 1) RunBatch(2);
        if (opOut3.value() == 1) RunBatch(3);
    }
    if (closeAfterwards) unload();
}

void MainFrm::askToStopBatch() {
    if (batchRequests_.stop) return;
    const int answer = services_.messageBox(stopQuestion, connection_.policy().title, platform::mb::yesNo);
    if (answer == platform::mb::answerYes) batchRequests_.stop = true;
}

bool MainFrm::Form_QueryUnload() {
    if (!batchRequests_.running) return true;
    askToStopBatch();
    // The window closes once the model in hand is done and the run has ended.
    if (batchRequests_.stop) batchRequests_.closeAfterwards = true;
    return false;
}

void MainFrm::cmdChangeDir_Click() { ui::ChooseOutputFolder(services_, lblOutFolder2); }

void MainFrm::lblOutFolder2_Click() { ui::OpenOutputFolder(services_, lblOutFolder2); }

}  // namespace qvl::planwright
