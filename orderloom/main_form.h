#pragma once

#include <cstdint>

#include "common/automation/object.h"
#include "common/catia/connection.h"
#include "common/platform/services.h"
#include "common/ui/form.h"
#include "common/winmsg/window_messages.h"
#include "orderloom/dialog_handles.h"
#include "orderloom/dialog_labels.h"

namespace qvl::orderloom {

// The sort commands' direction: ascending moves every item to the end of CATIA's list,
// descending to its top.
enum class SortDirection : std::int16_t { Descending = 0, Ascending = 1 };

// How a sort works CATIA's dialog.
//   Standard: every pass waits one second before it looks for the dialog, and with all lower
//             levels every sub-product is worked twice.
//   Quick:    a pass looks for the dialog until it appears (giving up no sooner than after one
//             second), and every product is worked once. The final order is the same.
enum class SortPace { Standard, Quick };

// Orderloom's window: a narrow palette on top of CATIA with the two sort commands, the option
// to sort all lower levels, the choice of CATIA's interface language and the numbering
// command. It sorts a product's children by working CATIA's graph-tree-reordering dialog.
class MainForm : public ui::Form {
public:
    MainForm(catia::Connection& connection, platform::Services& services, winmsg::WindowMessages& windows);

    ui::Control& cmdAZ = add({"cmdAZ", ui::ControlKind::Button, "", {0, 0, 2175, 615}, "图形树升序排列"});
    ui::Control& cmdZA = add({"cmdZA", ui::ControlKind::Button, "", {0, 600, 2175, 615}, "图形树降序排列"});
    ui::Control& chkLevel = add({"chkLevel", ui::ControlKind::CheckBox, "", {120, 1320, 1815, 375}, "应用于所有下级", 0});
    ui::Control& uiCN = add({"uiCN", ui::ControlKind::Option, "", {120, 1800, 1935, 255}, "中文版CATIA", 1});
    ui::Control& uiEN = add({"uiEN", ui::ControlKind::Option, "", {120, 2040, 1935, 255}, "英文版CATIA", 0});
    ui::Control& cmdNumbering = add({"cmdNumbering", ui::ControlKind::Button, "", {0, 2400, 2175, 615}, "生成编号"});
    ui::Control& txtQVL = add({"txtQVL", ui::ControlKind::TextBox, "", {0, 3240, 2175, 615}, "Quorvel工具箱CATIA版"});
    // The sorting buffer of a pass: a sorted list box below the visible client area.
    ui::Control& lstProd = add({"lstProd", ui::ControlKind::ListBox, "", {0, 3960, 1935, 2580}, "", 0, {.sorted = true}});

    // The product picked for the running sort.
    automation::Object selProd;
    // 0 while a sort runs normally; -1 once CATIA's dialog was not found.
    std::int16_t WrongCmd = 0;

    void Form_Load() override;
    void uiCN_Click();
    void uiEN_Click();
    void cmdAZ_Click();
    void cmdZA_Click();
    void cmdNumbering_Click();

    // Fills the dialog label table from the language chosen in the window.
    void SetDialogLabels();
    // Keeps a window above all others (or not) without activating it.
    void SetTopMost(platform::WindowHandle hWndCaller, bool bOnOff);

    // Sorts the product's children (and, with chkLevel, every lower level) through CATIA's
    // dialog. A failing CATIA call ends it and reaches the caller.
    void SortProductChildren(const automation::Object& product, SortDirection direction);
    // One pass of CATIA's dialog over the product in CATIA's selection.
    void DriveReorderDialog(SortDirection direction);

    const DialogLabels& dialogLabels() const noexcept { return labels_; }
    // The dialog's windows as the last pass found them.
    const DialogHandles& dialogHandles() const noexcept { return handles_; }
    void setSortPace(SortPace pace) { pace_ = pace; }

private:
    void runSortCommand(SortDirection direction);
    winmsg::WindowHandle waitForDialog();
    void moveEveryItemInOrder(SortDirection direction);

    catia::Connection& connection_;
    platform::Services& services_;
    winmsg::WindowMessages& windows_;
    DialogLabels labels_ = DialogLabels::chinese();
    DialogHandles handles_;
    // CATIA's selection, taken from the active document when a sort command starts.
    automation::Object selection_;
    SortPace pace_ = SortPace::Standard;
};

}  // namespace qvl::orderloom
