// The work list: the model files that a run projects, shown in lstParts and kept in dicParts
// under their display text, and the four commands that fill and empty it.

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"
#include "common/catia/file_alerts_off.h"
#include "common/platform/windows_path.h"
#include "planwright/main_frm.h"
#include "planwright/shorten_text.h"

namespace qvl::planwright {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

constexpr std::int16_t displayLength = 45;
constexpr const char* pickingCaption = "选择中,Esc退出";
// CATIA's work mode of a product: design mode loads every component fully.
constexpr int designMode = 2;
constexpr int multiSelectionMode = 1;

}  // namespace

// The display text of a file is its path shortened to its last 45 characters. Two different
// files whose paths end in the same 45 characters would share it; the later one is listed as
// that text followed by " (2)", " (3)", ..., so that it is not lost and every line still names
// exactly one dictionary entry. The same file (as Windows compares paths) is listed once.
MainFrm::Listing MainFrm::addToWorkList(const std::string& fullPath) {
    const std::string shortened = ShortenText(fullPath, displayLength, "R");
    std::string key = shortened;
    for (int copy = 2; dicParts.Exists(key); ++copy) {
        if (platform::samePath(dicParts.Item(key), fullPath)) return Listing::AlreadyListed;
        key = shortened + " (" + std::to_string(copy) + ")";
    }
    dicParts.Add(key, fullPath);
    lstParts.addItem(key);
    return Listing::Added;
}

void MainFrm::cmdWinSel_Click() {
    connection_.GetCatia();
    const std::string kind = connection_.ActiveDoc.typeName();
    if (kind != "ProductDocument" && kind != "PartDocument") {
        connection_.message("当前文件不是CATIA零件或产品 !\r\n此命令只能在零件或产品文件中运行!");
        return;
    }

    ErrorTrap trap;
    // CATIA's file alerts stay off while the command runs and come back as they were.
    std::optional<catia::FileAlertsOff> alertsOff;
    trap([&] { alertsOff.emplace(connection_.CatiaApp); });
    trap([&] {
        connection_.CatiaApp.get("SettingControllers")
            .object()
            .call("Item", {Variant("CATSysCacheSettingCtrl")})
            .object()
            .put("ActivationMode", 1);
    });
    trap([&] { connection_.ActiveDoc.get("Product").object().call("ApplyWorkMode", {Variant(designMode)}); });

    if (kind == "ProductDocument") {
        Object selection;
        trap([&] { selection = connection_.CatiaApp.get("ActiveDocument").object().get("Selection").object(); });
        trap([&] { selection.call("Clear"); });
        pickProductComponents(selection);
        return;
    }

    // A part document: the active part itself is the pick.
    connection_.GetCatia();
    std::optional<std::string> fullName;
    trap([&] { fullName = connection_.ActiveDoc.get("FullName").toString(); });
    if (!fullName) return;  // the document is gone; nothing to list
    if (addToWorkList(*fullName) == Listing::AlreadyListed) {
        connection_.message("这个零件已经在自动投图待操作清单中！");
    } else {
        connection_.message("当前零件已经加入到自动投图待操作清单！");
    }
}

// Passes of CATIA's multi-selection until the user presses Esc; every picked component's file
// joins the work list.
void MainFrm::pickProductComponents(const Object& selection) {
    ErrorTrap trap;
    const Variant::Array filter{Variant("Product")};
    const std::string prompt = "Select the " + filter[0].toString() + ". Press Esc to finish the selection.";
    int finish = 0;
    while (finish != 1) {
        const std::string caption = cmdWinSel.caption();
        cmdWinSel.setCaption(pickingCaption);
        lstParts.setEnabled(false);

        std::vector<Variant> args{Variant(filter), Variant(prompt), Variant(false), Variant(multiSelectionMode),
                                  Variant(false)};
        std::string status;
        // A selection that CATIA cannot run at all ends the pick, as Esc does; asking again
        // would fail the same way for ever.
        if (!trap([&] { status = selection.callByRef("SelectElement3", args).toString(); })) finish = 1;
        if (status == "Cancel") finish = 1;

        long long count = 0;
        trap([&] { count = selection.get("Count2").toLong(); });
        count = std::min<long long>(count, std::numeric_limits<std::int16_t>::max());
        for (long long i = 1; i <= count; ++i) {
            WorkIndex = static_cast<std::int16_t>(i);
            std::optional<std::string> fullName;
            trap([&] {
                fullName = selection.call("Item2", {Variant(static_cast<int>(WorkIndex))})
                               .object()
                               .get("Value")
                               .object()
                               .get("ReferenceProduct")
                               .object()
                               .get("Parent")
                               .object()
                               .get("FullName")
                               .toString();
            });
            // An element whose file cannot be read is skipped; duplicates are skipped silently.
            if (fullName) trap([&] { addToWorkList(*fullName); });
        }

        trap([&] { selection.call("Clear"); });
        cmdWinSel.setCaption(caption);
        lstParts.setEnabled(true);
    }
}

void MainFrm::cmdFolderSel_Click() {
    ErrorTrap trap;
    std::optional<std::vector<std::string>> chosen;
    // No dialog that can be shown leaves the list as it is.
    trap([&] { chosen = services_.openFiles("CATIA数模文件", "*.CATPart;*.CATProduct"); });
    if (chosen) {
        for (const std::string& path : *chosen) trap([&] { addToWorkList(path); });
    }
    cmdRun.setEnabled(true);
}

void MainFrm::cmdDelSel_Click() {
    ErrorTrap trap;
    for (int line = 0; line < lstParts.listCount(); ++line) {
        trap([&] {
            if (lstParts.selected(line) && dicParts.Exists(lstParts.list(line))) dicParts.Remove(lstParts.list(line));
        });
    }
    lstParts.clear();
    for (std::string& key : dicParts.Keys()) lstParts.addItem(std::move(key));
}

void MainFrm::cmdDelAll_Click() {
    dicParts.RemoveAll();
    lstParts.clear();
}

}  // namespace qvl::planwright
