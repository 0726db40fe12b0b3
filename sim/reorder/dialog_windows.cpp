#include "sim/reorder/dialog_windows.h"

namespace qvl::sim::reorder {

using winmsg::LParam;
using winmsg::LResult;
using winmsg::MessageId;
using winmsg::WindowHandle;
using winmsg::WParam;

DialogWindows::DialogWindows(Clock clock, DialogTexts texts) : clock_(std::move(clock)), texts_(std::move(texts)) {}

bool DialogWindows::startCommand(std::string_view commandName, std::shared_ptr<ReorderTarget> target) {
    if (commandName != texts_.command || !target) return false;
    dialog_ = std::make_unique<ReorderDialog>(std::move(target), texts_, nextHandle_);
    // Handles of a closed dialog are never given out again.
    nextHandle_ = dialog_->endHandle() + 0x10;
    appearsAt_ = clock_() + delay_;
    ++dialogsOpened_;
    return true;
}

std::optional<std::vector<std::string>> DialogWindows::listedNames() const {
    if (!dialog_) return std::nullopt;
    return dialog_->list().names();
}

std::optional<double> DialogWindows::appearanceTime() const {
    if (!dialog_) return std::nullopt;
    return appearsAt_;
}

std::vector<WindowLayout> DialogWindows::visibleLayout() const {
    const ReorderDialog* dialog = visibleDialog();
    return dialog ? dialog->layout() : std::vector<WindowLayout>{};
}

ReorderDialog* DialogWindows::visibleDialog() const {
    if (!dialog_ || clock_() < appearsAt_) return nullptr;
    return dialog_.get();
}

void DialogWindows::closeIfDone() {
    if (dialog_ && dialog_->closed()) dialog_.reset();
}

WindowHandle DialogWindows::findWindow(const std::optional<std::string>& className,
                                       const std::optional<std::string>& windowText) {
    ReorderDialog* dialog = visibleDialog();
    return dialog && dialog->matches(className, windowText) ? dialog->handle() : 0;
}

WindowHandle DialogWindows::findWindowEx(WindowHandle parent, WindowHandle childAfter,
                                         const std::optional<std::string>& className,
                                         const std::optional<std::string>& windowText) {
    ReorderDialog* dialog = visibleDialog();
    return dialog ? dialog->findChild(parent, childAfter, className, windowText) : 0;
}

LResult DialogWindows::sendMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
    if (!dialog_ || !dialog_->owns(window)) return 0;
    LResult result = dialog_->onMessage(window, message, wParam, lParam);
    closeIfDone();
    return result;
}

LResult DialogWindows::sendTextMessage(WindowHandle window, MessageId message, WParam wParam, std::string& buffer) {
    if (!dialog_ || !dialog_->owns(window)) return 0;
    return dialog_->onTextMessage(window, message, wParam, buffer);
}

LResult DialogWindows::sendRectMessage(WindowHandle window, MessageId message, WParam wParam, winmsg::Rect& rect) {
    if (!dialog_ || !dialog_->owns(window)) return 0;
    return dialog_->onRectMessage(window, message, wParam, rect);
}

}  // namespace qvl::sim::reorder
