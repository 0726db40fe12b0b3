#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/ui/control_peer.h"

namespace qvl::ui {

enum class ControlKind { Frame, Option, CheckBox, ComboBox, TextBox, ListBox, Button, Label };

// The name of a kind as the control tables write it ("check box").
const char* kindName(ControlKind kind);

// Position and size in twips, relative to the container.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How a control is drawn and behaves beyond its kind, as its table declares it. A window
// system reads these to create the control's window; the headless model keeps them as data
// (a sorted list keeps its order through orderloom::addSortedItem).
struct ControlStyle {
    bool multiSelect = false;     // list box: the user may select several lines
    bool sorted = false;          // list box: items are kept in order of their texts
    bool multiLine = false;       // text box: several lines, Enter starts a new one
    bool verticalScroll = false;  // text box: a vertical scroll bar
};

// One declared row of a control table.
struct ControlSpec {
    std::string name;
    ControlKind kind;
    std::string container;  // "" for the window itself
    Bounds bounds;
    std::string caption;    // caption, or the initial text of a text or combo box
    int value = 0;          // check box 0/1/2; option 1 when set
    ControlStyle style = {};
};

class Form;

// A control's state and events. One class serves every kind, as the window system's controls
// share one surface; members that do not apply to a kind are simply not used by it.
// Changing a check box's or an option's value raises its Click event, also from code.
// A window system may attach a ControlPeer that hears every change of the control's state.
class Control {
public:
    Control(Form& owner, ControlSpec declaration, int id = 0);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const noexcept { return declaration_.name; }
    ControlKind kind() const noexcept { return declaration_.kind; }
    const std::string& container() const noexcept { return declaration_.container; }
    const Bounds& bounds() const noexcept { return declaration_.bounds; }
    const ControlStyle& style() const noexcept { return declaration_.style; }
    // The control's number in its window, stable across runs: Form::firstControlId plus its
    // place in the tab order. A window system gives the control's window this id.
    int id() const noexcept { return id_; }
    bool hasText() const noexcept { return kind() == ControlKind::TextBox || kind() == ControlKind::ComboBox; }

    // Caption of buttons, labels, frames, options and check boxes.
    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);
    // Text of text boxes and combo boxes.
    const std::string& text() const noexcept { return caption_; }
    void setText(std::string text);

    // Check box: 0, 1 or 2; option: 0 or 1. Setting a new value raises Click. Values outside
    // those ranges fail as the window system refuses them (error 380).
    int value() const noexcept { return value_; }
    void setValue(int value);

    bool enabled() const noexcept { return enabled_; }
    void setEnabled(bool enabled);
    const std::string& fontName() const noexcept { return fontName_; }
    void setFontName(std::string font);

    // List and combo items.
    void addItem(std::string item);
    void clear();
    int listCount() const noexcept { return static_cast<int>(items_.size()); }
    const std::string& list(int index) const;
    void setList(int index, std::string text);
    const std::vector<std::string>& items() const noexcept { return items_; }
    bool selected(int index) const;
    void setSelected(int index, bool selected);
    std::vector<int> selectedIndexes() const;

    // Events, connected by the form to its handlers.
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    // A user action: the same as the window system raising the event.
    void click();
    void dblClick();

    // The window system's observer of this control; nullptr detaches it. Not owned: the window
    // system keeps the peer alive while it is attached.
    void setPeer(ControlPeer* peer) noexcept { peer_ = peer; }
    ControlPeer* peer() const noexcept { return peer_; }

private:
    // Stores a value and tells the peer when it differs; raises no event.
    void storeValue(int value);

    Form& owner_;
    ControlSpec declaration_;
    int id_;
    ControlPeer* peer_ = nullptr;
    std::string caption_;
    int value_ = 0;
    bool enabled_ = true;
    std::string fontName_ = "Tahoma";
    std::vector<std::string> items_;
    std::vector<bool> selected_;
};

}  // namespace qvl::ui
