#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/control.h"
#include "common/ui/control_peer.h"
#include "common/window_handle.h"

namespace qvl::ui {

// How far a long command has come: `done` of `total` steps.
struct Progress {
    int done = 0;
    int total = 0;
    bool operator==(const Progress&) const = default;
};

// A main window: its caption, geometry in twips, its controls in tab order and its handlers.
// A program's window class derives from Form, declares its controls from its control table
// and connects their events to its handlers. A window system may attach a FormPeer that hears
// changes of the caption, the position, the progress and the program's wish to close.
class Form {
public:
    Form(std::string caption, double clientWidth, double clientHeight);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);
    double left() const noexcept { return left_; }
    double top() const noexcept { return top_; }
    double width() const noexcept { return width_; }
    double height() const noexcept { return height_; }
    void move(double left, double top);

    WindowHandle hWnd() const noexcept { return handle_; }
    void setHandle(WindowHandle handle) { handle_ = handle; }

    // The window system's observer of the form; nullptr detaches it. Not owned.
    void setPeer(FormPeer* peer) noexcept { peer_ = peer; }
    FormPeer* peer() const noexcept { return peer_; }

    // The controls in tab order.
    const std::vector<std::unique_ptr<Control>>& controls() const noexcept { return controls_; }
    // The control of that name, or nullptr.
    Control* find(const std::string& name) const;
    // Control ids: the first control in tab order has firstControlId, the next one more, so that
    // a window system and an outside driver map a control's name to its child window.
    static constexpr int firstControlId = 1000;
    // The control with that id, or nullptr.
    Control* findById(int id) const;
    // Option buttons in the same container as `option`, itself included.
    std::vector<Control*> optionGroup(const Control& option) const;

    // The load event, raised once before the window is first shown.
    virtual void Form_Load() = 0;

    // The person asks to close the window (its close box): true when it may close now. A form
    // busy with a command may refuse and close itself later with unload().
    virtual bool Form_QueryUnload() { return true; }
    // The program closes its window: the window system takes it down once the event that is
    // being handled has ended.
    void unload();
    bool unloadRequested() const noexcept { return unloadRequested_; }

    // The progress of a long command, shown where the window system can (the taskbar button);
    // nullopt when none is under way.
    const std::optional<Progress>& progress() const noexcept { return progress_; }
    void setProgress(std::optional<Progress> progress);

protected:
    Control& add(ControlSpec declaration);

private:
    std::string caption_;
    double left_ = 0;
    double top_ = 0;
    double width_;
    double height_;
    WindowHandle handle_ = 0;
    FormPeer* peer_ = nullptr;
    bool unloadRequested_ = false;
    std::optional<Progress> progress_;
    std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace qvl::ui
