#include "orderloom/main_form.h"

#include "common/automation/variant.h"
#include "common/text/utf8.h"
#include "orderloom/dialog_controls.h"
#include "orderloom/sorted_list_box.h"
#include "orderloom/wait_seconds.h"

namespace qvl::orderloom {

using automation::Variant;
namespace msg = winmsg::msg;

namespace {
// How long CATIA is given to show its dialog after the command started.
constexpr float dialogWaitSeconds = 1.0f;
}  // namespace

void MainForm::DriveReorderDialog(SortDirection direction) {
    if (WrongCmd == -1) return;
    // A pass that ended early on an error left its names behind; they belong to no list now.
    lstProd.clear();

    connection_.CatiaApp.call("StartCommand", {Variant(labels_.reorderCommand)});
    winmsg::WindowHandle dialog = waitForDialog();
    if (!dialog) {
        WrongCmd = -1;
        return;
    }
    handles_ = FindDialogChildren(windows_, dialog, labels_);
    moveEveryItemInOrder(direction);
    ClickButton(windows_, handles_.okButton, 1);
    lstProd.clear();
}

winmsg::WindowHandle MainForm::waitForDialog() {
    if (pace_ == SortPace::Standard) {
        WaitSeconds(services_, dialogWaitSeconds);
        return FindReorderDialog(windows_, labels_);
    }
    // Look until the dialog stands complete, and give up no sooner than the standard wait.
    double start = services_.secondsSinceMidnight();
    for (;;) {
        winmsg::WindowHandle dialog = FindReorderDialog(windows_, labels_);
        bool waitedEnough = secondsSince(start, services_.secondsSinceMidnight()) >= dialogWaitSeconds;
        if (dialog && (waitedEnough || FindDialogChildren(windows_, dialog, labels_).complete())) return dialog;
        if (waitedEnough) return 0;
        services_.processPendingMessages();
    }
}

void MainForm::moveEveryItemInOrder(SortDirection direction) {
    winmsg::WindowHandle list = handles_.itemList;
    int n = static_cast<int>(windows_.sendMessage(list, msg::lbGetCount, 0, 0));
    int m = n - 1;
    for (int i = 0; i <= m; ++i) addSortedItem(lstProd, GetListItemText(windows_, list, i));

    // Taken in ascending order, every item goes to the end (ascending) or to the top
    // (descending) in turn, so the last one moved ends last or first.
    winmsg::WindowHandle moveButton =
        direction == SortDirection::Ascending ? handles_.moveDownButton : handles_.moveUpButton;
    for (int k = 0; k <= m; ++k) {
        std::string name = lstProd.list(k);
        for (int j = 0; j <= m; ++j) {
            if (text::compareTextIgnoreCase(GetListItemText(windows_, list, j), name) != 0) continue;
            windows_.sendMessage(list, msg::lbSetTopIndex, static_cast<winmsg::WParam>(j), 0);
            ClickListItem(windows_, list, j);
            ClickListItem(windows_, list, j);
            ClickButton(windows_, moveButton, m);
            ClickButton(windows_, handles_.applyButton, 1);
            connection_.CatiaApp.put("refreshdisplay", Variant(true));
            break;
        }
    }
}

}  // namespace qvl::orderloom
