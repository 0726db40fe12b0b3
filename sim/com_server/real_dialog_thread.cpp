#include "sim/com_server/real_dialog_thread.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <stdexcept>

#include "sim/com_server/server_calls.h"

namespace qvl::simcatia {

namespace {

constexpr wchar_t followerClass[] = L"QvlDialogFollower";
constexpr UINT_PTR appearanceTimer = 1;

}  // namespace

RealDialogThread::RealDialogThread(sim::reorder::DialogWindows& model) : model_(model) {
    std::promise<HWND> ready;
    std::future<HWND> follower = ready.get_future();
    thread_ = std::thread([this, &ready] { run(ready); });
    follower_ = follower.get();
    if (!follower_) {
        thread_.join();
        throw std::runtime_error("the dialog windows' thread cannot start");
    }
}

RealDialogThread::~RealDialogThread() {
    PostMessageW(follower_, WM_CLOSE, 0, 0);
    thread_.join();
}

void RealDialogThread::run(std::promise<HWND>& ready) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = followerProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = followerClass;
    RegisterClassExW(&windowClass);
    HWND follower = CreateWindowExW(0, followerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (follower) SetWindowLongPtrW(follower, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ready.set_value(follower);
    if (!follower) return;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog's keys (Tab, Space on a button) work as in any dialog.
        if (shown_ && IsDialogMessageW(shown_->window(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    shown_.reset();
}

LRESULT CALLBACK RealDialogThread::followerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<RealDialogThread*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case followDialogsMessage:
            if (self) self->follow();
            return 0;
        case WM_TIMER:
            KillTimer(window, appearanceTimer);
            if (self) self->follow();
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RealDialogThread::follow() {
    std::lock_guard guard(serverState().lock);
    const std::vector<sim::reorder::WindowLayout> layout = model_.visibleLayout();
    if (shown_ && (layout.empty() || layout.front().handle != shown_->modelDialog())) shown_.reset();
    if (!layout.empty() && !shown_) {
        shown_ = std::make_unique<RealReorderDialog>(model_, layout, [this] { follow(); });
    } else if (shown_) {
        shown_->refresh();
    }
    // A dialog that has yet to appear is looked at again when it is due.
    const std::optional<double> appearsAt = model_.appearanceTime();
    if (layout.empty() && appearsAt) {
        const double wait = std::max(0.0, *appearsAt - steadyClockSeconds());
        SetTimer(follower_, appearanceTimer, static_cast<UINT>(std::ceil(wait * 1000)) + 1, nullptr);
    }
}

}  // namespace qvl::simcatia
