#include "sim/com_server/person_action_post.h"

#include <windows.h>

#include "win32/base/program_window.h"

namespace qvl::simcatia {

void postPersonAction(const platform::Json& post) {
    HWND window = FindWindowW(win32::programWindowClass, nullptr);
    if (!window) return;
    const std::string action = post.value("action", "");
    if (action == "close") {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return;
    }
    if (action != "click") return;
    const int id = post.value("control", 0);
    HWND control = GetDlgItem(window, id);
    if (!control || !IsWindowEnabled(control)) return;
    if (post.value("kind", "") == "label") {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(control));
    } else {
        PostMessageW(control, BM_CLICK, 0, 0);
    }
}

}  // namespace qvl::simcatia
