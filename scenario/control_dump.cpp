#include "scenario/control_dump.h"

#include <cmath>

namespace qvl::scenario {

using platform::Json;
using ui::ControlKind;

Json twips(double value) {
    double whole = std::round(value);
    if (std::abs(value - whole) < 1e-9 && std::abs(whole) < 9e15) return Json(static_cast<long long>(whole));
    return Json(value);
}

Json dumpControl(const ui::Control& control) {
    Json e = platform::Transcript::event("control");
    e["name"] = control.name();
    e["kind"] = ui::kindName(control.kind());
    switch (control.kind()) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox: e["text"] = control.text(); break;
        case ControlKind::ListBox: break;
        default: e["caption"] = control.caption(); break;
    }
    if (control.kind() == ControlKind::CheckBox) e["value"] = control.value();
    if (control.kind() == ControlKind::Option) e["value"] = control.value() != 0;
    e["enabled"] = control.enabled();
    if (control.kind() == ControlKind::ComboBox || control.kind() == ControlKind::ListBox) {
        e["items"] = control.items();
    }
    if (control.kind() == ControlKind::ListBox) e["selected"] = control.selectedIndexes();
    return e;
}

Json dumpWindow(const ui::Form& form, bool topMost) {
    Json e = platform::Transcript::event("window");
    e["caption"] = form.caption();
    e["left"] = twips(form.left());
    e["top"] = twips(form.top());
    e["width"] = twips(form.width());
    e["height"] = twips(form.height());
    e["topmost"] = topMost;
    return e;
}

}  // namespace qvl::scenario
