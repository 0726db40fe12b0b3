#include "common/ui/busy_form.h"

namespace qvl::ui {

BusyForm::BusyForm(Form& form, Control& stopButton, std::string stopCaption)
    : stopButton_(stopButton), buttonCaption_(stopButton.caption()) {
    for (const auto& control : form.controls()) {
        enabled_.emplace_back(control.get(), control->enabled());
        if (control.get() != &stopButton) control->setEnabled(false);
    }
    stopButton.setEnabled(true);
    stopButton.setCaption(std::move(stopCaption));
}

BusyForm::~BusyForm() {
    for (auto [control, enabled] : enabled_) control->setEnabled(enabled);
    stopButton_.setCaption(buttonCaption_);
}

}  // namespace qvl::ui
