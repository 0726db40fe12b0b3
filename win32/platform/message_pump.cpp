#include "win32/platform/message_pump.h"

#include "win32/base/program_window.h"

namespace qvl::win32 {

void dispatchWithNavigation(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && root == findProgramWindow() &&
        SendMessageW(root, navigationMessage(), 0, reinterpret_cast<LPARAM>(&message)) != 0) {
        return;
    }
    if (root && IsDialogMessageW(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void processPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatchWithNavigation(message);
    }
}

}  // namespace qvl::win32
