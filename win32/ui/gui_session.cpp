#include "win32/ui/gui_session.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

namespace qvl::win32 {

GuiSession::GuiSession() : oleStarted_(SUCCEEDED(OleInitialize(nullptr))) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

GuiSession::~GuiSession() {
    if (oleStarted_) OleUninitialize();
}

}  // namespace qvl::win32
