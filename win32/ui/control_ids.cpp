#include "win32/ui/control_ids.h"

namespace qvl::win32 {

int controlIdOf(const ui::Form& form, const ui::Control& control) {
    // Declared position + 1000: clear of the dialog manager's IDOK and IDCANCEL.
    const auto& controls = form.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].get() == &control) return 1000 + static_cast<int>(i);
    }
    return 0xFFFF;
}

}  // namespace qvl::win32
