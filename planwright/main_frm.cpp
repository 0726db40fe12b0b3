#include "planwright/main_frm.h"

#include <optional>

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"
#include "common/catia/file_alerts_off.h"
#include "common/catia/window_placement.h"
#include "common/ui/output_folder.h"
#include "planwright/drawing/notes_codes.h"
#include "planwright/drawing/shared_drawing.h"

namespace qvl::planwright {

using automation::ErrorTrap;

namespace {

constexpr const char* windowCaption = "Quorvel工具箱CATIA版 | 自动投图";
constexpr const char* runCaption = "执行自动投图";
constexpr const char* runningCaption = "正在进行自动投图, 您休息一会儿吧...";

// Puts a button's caption to a fixed text when the command that changed it ends.
class CaptionAfterwards {
public:
    CaptionAfterwards(ui::Control& control, std::string caption) : control_(control), caption_(std::move(caption)) {}
    ~CaptionAfterwards() { control_.setCaption(caption_); }
    CaptionAfterwards(const CaptionAfterwards&) = delete;
    CaptionAfterwards& operator=(const CaptionAfterwards&) = delete;

private:
    ui::Control& control_;
    std::string caption_;
};

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

    cmdRun.setCaption(runningCaption);
    CaptionAfterwards restoreCaption(cmdRun, runCaption);
    if (opOut1.value() == 1) RunBatch(1);
    if (opOut2.value() == 1) RunBatch(2);
    if (opOut3.value() == 1) RunBatch(3);
}

void MainFrm::cmdChangeDir_Click() { ui::ChooseOutputFolder(services_, lblOutFolder2); }

void MainFrm::lblOutFolder2_Click() { ui::OpenOutputFolder(services_, lblOutFolder2); }

}  // namespace qvl::planwright
