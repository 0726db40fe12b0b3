#include "headless/headless_window_system.h"

namespace qvl::ui {

void HeadlessWindowSystem::show(Form& form) {
    if (form.hWnd() != 0) return;  // already loaded and shown
    form.setHandle(nextHandle_);
    nextHandle_ += 0x10;
    form.move((services_.screenWidthTwips() - form.width()) / 2, (services_.screenHeightTwips() - form.height()) / 2);
    form.Form_Load();
}

}  // namespace qvl::ui
