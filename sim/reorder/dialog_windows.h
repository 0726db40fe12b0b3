#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/winmsg/window_messages.h"
#include "sim/reorder/dialog_texts.h"
#include "sim/reorder/reorder_dialog.h"
#include "sim/reorder/reorder_target.h"

namespace qvl::sim::reorder {

// CATIA's graph-tree-reordering dialog as other programs reach it through window messages.
// CATIA opens it when its reorder command starts for a product; it becomes visible (FindWindowA
// finds it) once its appearance delay has passed on the machine's clock. Starting the command
// again while a dialog is open closes the open one without committing it, as a new command
// cancels the running one.
class DialogWindows : public winmsg::WindowMessages {
public:
    using Clock = std::function<double()>;   // seconds on a machine clock that never goes back

    explicit DialogWindows(Clock clock, DialogTexts texts = DialogTexts::chinese());

    // The texts of CATIA's interface language.
    void setTexts(DialogTexts texts) { texts_ = std::move(texts); }
    const DialogTexts& texts() const noexcept { return texts_; }
    // How long after the command starts the dialog appears (0: at once).
    void setAppearanceDelay(double seconds) { delay_ = seconds; }

    // CATIA's StartCommand for a product: opens the dialog for `target` when `commandName` is
    // the reorder command of the interface language. Returns whether it did.
    bool startCommand(std::string_view commandName, std::shared_ptr<ReorderTarget> target);

    bool isOpen() const noexcept { return dialog_ != nullptr; }
    // The dialog's list as it stands; nullopt when no dialog is open.
    std::optional<std::vector<std::string>> listedNames() const;
    int dialogsOpened() const noexcept { return dialogsOpened_; }
    // When the open dialog appears (or appeared) on the clock; nullopt when none is open.
    std::optional<double> appearanceTime() const;
    // The windows of the dialog once it has appeared, the dialog first; empty otherwise.
    std::vector<WindowLayout> visibleLayout() const;

    winmsg::WindowHandle findWindow(const std::optional<std::string>& className,
                                    const std::optional<std::string>& windowText) override;
    winmsg::WindowHandle findWindowEx(winmsg::WindowHandle parent, winmsg::WindowHandle childAfter,
                                      const std::optional<std::string>& className,
                                      const std::optional<std::string>& windowText) override;
    winmsg::LResult sendMessage(winmsg::WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                                winmsg::LParam lParam) override;
    winmsg::LResult sendTextMessage(winmsg::WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                                    std::string& buffer) override;
    winmsg::LResult sendRectMessage(winmsg::WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                                    winmsg::Rect& rect) override;

private:
    ReorderDialog* visibleDialog() const;
    void closeIfDone();

    Clock clock_;
    DialogTexts texts_;
    double delay_ = 0;
    std::unique_ptr<ReorderDialog> dialog_;
    double appearsAt_ = 0;
    winmsg::WindowHandle nextHandle_ = 0x30010;
    int dialogsOpened_ = 0;
};

}  // namespace qvl::sim::reorder
