#include "common/ui/form.h"

namespace qvl::ui {

Form::Form(std::string caption, double clientWidth, double clientHeight)
    : caption_(std::move(caption)), width_(clientWidth), height_(clientHeight) {}

Control& Form::add(ControlSpec declaration) {
    controls_.push_back(std::make_unique<Control>(*this, std::move(declaration)));
    return *controls_.back();
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
