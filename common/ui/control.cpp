#include "common/ui/control.h"

#include "common/automation/error.h"
#include "common/ui/form.h"

namespace qvl::ui {
namespace {

[[noreturn]] void invalidPropertyValue() { throw automation::Error(380, "Invalid property value"); }

}  // namespace

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Frame: return "frame";
        case ControlKind::Option: return "option";
        case ControlKind::CheckBox: return "check box";
        case ControlKind::ComboBox: return "combo box";
        case ControlKind::TextBox: return "text box";
        case ControlKind::ListBox: return "list box";
        case ControlKind::Button: return "button";
        case ControlKind::Label: return "label";
    }
    return "control";
}

Control::Control(Form& owner, ControlSpec declaration, int id)
    : owner_(owner),
      declaration_(std::move(declaration)),
      id_(id),
      caption_(declaration_.caption),
      value_(declaration_.value) {}

void Control::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (peer_) peer_->captionChanged(*this);
}

void Control::setText(std::string text) {
    if (text == caption_) return;
    caption_ = std::move(text);
    if (peer_) peer_->textChanged(*this);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (peer_) peer_->enabledChanged(*this);
}

void Control::setFontName(std::string font) {
    if (font == fontName_) return;
    fontName_ = std::move(font);
    if (peer_) peer_->fontChanged(*this);
}

void Control::storeValue(int value) {
    if (value == value_) return;
    value_ = value;
    if (peer_) peer_->valueChanged(*this);
}

void Control::setValue(int value) {
    if (kind() == ControlKind::CheckBox) {
        if (value < 0 || value > 2) invalidPropertyValue();
        if (value == value_) return;
        storeValue(value);
        if (onClick) onClick();
        return;
    }
    if (kind() == ControlKind::Option) {
        if (value == 0) {
            storeValue(0);
            return;
        }
        for (Control* other : owner_.optionGroup(*this)) {
            if (other != this) other->storeValue(0);
        }
        storeValue(1);
        if (onClick) onClick();
        return;
    }
    invalidPropertyValue();
}

void Control::addItem(std::string item) {
    items_.push_back(std::move(item));
    selected_.push_back(false);
    if (peer_) peer_->itemsChanged(*this);
}

void Control::clear() {
    if (items_.empty()) return;
    items_.clear();
    selected_.clear();
    if (peer_) peer_->itemsChanged(*this);
}

const std::string& Control::list(int index) const {
    if (index < 0 || index >= listCount()) invalidPropertyValue();
    return items_[static_cast<std::size_t>(index)];
}

void Control::setList(int index, std::string text) {
    if (index < 0 || index >= listCount()) invalidPropertyValue();
    std::string& line = items_[static_cast<std::size_t>(index)];
    if (line == text) return;
    line = std::move(text);
    if (peer_) peer_->itemsChanged(*this);
}

bool Control::selected(int index) const {
    if (index < 0 || index >= listCount()) invalidPropertyValue();
    return selected_[static_cast<std::size_t>(index)];
}

void Control::setSelected(int index, bool selected) {
    if (index < 0 || index >= listCount()) invalidPropertyValue();
    if (selected_[static_cast<std::size_t>(index)] == selected) return;
    selected_[static_cast<std::size_t>(index)] = selected;
    if (peer_) peer_->selectionChanged(*this);
}

std::vector<int> Control::selectedIndexes() const {
    std::vector<int> indexes;
    for (int i = 0; i < listCount(); ++i) {
        if (selected_[static_cast<std::size_t>(i)]) indexes.push_back(i);
    }
    return indexes;
}

void Control::click() {
    if (kind() == ControlKind::Option) {
        setValue(1);
        return;
    }
    if (kind() == ControlKind::CheckBox) {
        setValue(value_ == 1 ? 0 : 1);
        return;
    }
    if (onClick) onClick();
}

void Control::dblClick() {
    if (onDblClick) onDblClick();
}

}  // namespace qvl::ui
