#include "orderloom/dialog_handles.h"

namespace qvl::orderloom {

using winmsg::WindowHandle;

namespace {

WindowHandle findChild(winmsg::WindowMessages& windows, WindowHandle parent, const std::string& text) {
    return windows.findWindowEx(parent, 0, std::nullopt, text);
}

}  // namespace

bool DialogHandles::complete() const noexcept {
    return dialog && frameWindow && okButton && applyButton && listFrame && itemList && actionFrame &&
           moveUpButton && moveDownButton;
}

WindowHandle FindReorderDialog(winmsg::WindowMessages& windows, const DialogLabels& labels) {
    return windows.findWindow(std::nullopt, labels.dialogCaption);
}

DialogHandles FindDialogChildren(winmsg::WindowMessages& windows, WindowHandle dialog, const DialogLabels& labels) {
    DialogHandles h;
    h.dialog = dialog;
    h.frameWindow = findChild(windows, dialog, "FrameWindow");
    h.okButton = findChild(windows, dialog, labels.okButton);
    h.applyButton = findChild(windows, dialog, labels.applyButton);
    h.listFrame = findChild(windows, h.frameWindow, "FrameList");
    h.itemList = findChild(windows, h.listFrame, "ListProd");
    h.actionFrame = findChild(windows, h.frameWindow, "FrameAction");
    h.moveUpButton = findChild(windows, h.actionFrame, labels.moveUpButton);
    h.moveDownButton = findChild(windows, h.actionFrame, labels.moveDownButton);
    return h;
}

}  // namespace qvl::orderloom
