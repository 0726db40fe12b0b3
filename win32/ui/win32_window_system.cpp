#include "win32/ui/win32_window_system.h"

#include "win32/base/program_window.h"
#include "win32/platform/message_pump.h"

namespace qvl::win32 {

void Win32WindowSystem::show(ui::Form& form) {
    if (FormWindow* shown = windowOf(form)) {
        ShowWindow(shown->handle(), SW_SHOWNORMAL);
        return;
    }
    auto window = std::make_unique<FormWindow>(form, programTitle_);
    FormWindow& created = *window;
    windows_.push_back(std::move(window));
    form.setHandle(reinterpret_cast<WindowHandle>(created.handle()));
    SetPropW(created.handle(), programStartingProperty, reinterpret_cast<HANDLE>(1));
    created.centreOnScreen();
    form.Form_Load();
    created.syncAll();
    ShowWindow(created.handle(), SW_SHOWNORMAL);
    UpdateWindow(created.handle());
}

void Win32WindowSystem::refresh() {
    for (const auto& window : windows_) window->syncAll();
}

int Win32WindowSystem::run() {
    refresh();
    for (const auto& window : windows_) RemovePropW(window->handle(), programStartingProperty);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatchWithNavigation(message);
    return static_cast<int>(message.wParam);
}

FormWindow* Win32WindowSystem::windowOf(const ui::Form& form) const {
    for (const auto& window : windows_) {
        if (&window->form() == &form) return window.get();
    }
    return nullptr;
}

}  // namespace qvl::win32
