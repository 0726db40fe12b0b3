#include "common/ui/form.h"

namespace qvl::ui {

Form::Form(std::string caption, double clientWidth, double clientHeight)
    : caption_(std::move(caption)), width_(clientWidth), height_(clientHeight) {}

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (peer_) peer_->captionChanged(*this);
}

void Form::move(double left, double top) {
    if (left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    if (peer_) peer_->moved(*this);
}

void Form::unload() {
    if (unloadRequested_) return;
    unloadRequested_ = true;
    if (peer_) peer_->unloadRequested(*this);
}

void Form::setProgress(std::optional<Progress> progress) {
    if (progress == progress_) return;
    progress_ = progress;
    if (peer_) peer_->progressChanged(*this);
}

Control& Form::add(ControlSpec declaration) {
    int id = firstControlId + static_cast<int>(controls_.size());
    controls_.push_back(std::make_unique<Control>(*this, std::move(declaration), id));
    return *controls_.back();
}

Control* Form::findById(int id) const {
    std::size_t index = static_cast<std::size_t>(id - firstControlId);
    if (id < firstControlId || index >= controls_.size()) return nullptr;
    return controls_[index].get();
}

Control* Form::find(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control->name() == name) return control.get();
    }
    return nullptr;
}

std::vector<Control*> Form::optionGroup(const Control& option) const {
    std::vector<Control*> group;
    for (const auto& control : controls_) {
        if (control->kind() == ControlKind::Option && control->container() == option.container()) {
            group.push_back(control.get());
        }
    }
    return group;
}

}  // namespace qvl::ui
