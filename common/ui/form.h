#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ui/control.h"
#include "common/ui/control_peer.h"
#include "common/window_handle.h"

namespace qvl::ui {

// A main window: its caption, geometry in twips, its controls in tab order and its handlers.
// A program's window class derives from Form, declares its controls from its control table
// and connects their events to its handlers. A window system may attach a FormPeer that hears
// changes of the caption and the position.
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
    std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace qvl::ui
