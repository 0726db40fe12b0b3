#include "orderloom/main_form.h"

#include "common/automation/error_trap.h"
#include "common/catia/window_placement.h"

namespace qvl::orderloom {

MainForm::MainForm(catia::Connection& connection, platform::Services& services, winmsg::WindowMessages& windows)
    : ui::Form("图形树重新排序|Orderloom", 2190, 3855),
      connection_(connection),
      services_(services),
      windows_(windows) {
    cmdAZ.onClick = [this] { cmdAZ_Click(); };
    cmdZA.onClick = [this] { cmdZA_Click(); };
    uiCN.onClick = [this] { uiCN_Click(); };
    uiEN.onClick = [this] { uiEN_Click(); };
    cmdNumbering.onClick = [this] { cmdNumbering_Click(); };
}

void MainForm::Form_Load() {
    connection_.GetCatia();
    // The detection selects the option of the language found; whatever it cannot read counts
    // as Chinese.
    if (connection_.CatiaLanguage() == catia::englishLanguage) {
        uiEN.setValue(1);
    } else {
        uiCN.setValue(1);
    }
    SetDialogLabels();
    SetTopMost(hWnd(), true);
}

void MainForm::uiCN_Click() { SetDialogLabels(); }

void MainForm::uiEN_Click() { SetDialogLabels(); }

void MainForm::SetDialogLabels() { labels_ = uiEN.value() == 1 ? DialogLabels::english() : DialogLabels::chinese(); }

void MainForm::SetTopMost(platform::WindowHandle hWndCaller, bool bOnOff) {
    catia::SetTopMostWithoutActivating(services_, hWndCaller, bOnOff);
}

void MainForm::cmdNumbering_Click() {
    // The command works with the CATIA found at start-up. When that CATIA cannot take it, the
    // user learns so instead of the program ending on the error.
    automation::ErrorTrap trap;
    trap([&] { connection_.CatiaApp.call("StartCommand", {automation::Variant(labels_.numberingCommand)}); });
    if (trap.failed()) connection_.message("无法启动CATIA的生成编号命令, 检查下CATIA是否在运行!");
}

}  // namespace qvl::orderloom
