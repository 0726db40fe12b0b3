#pragma once

#include <windows.h>

#include <optional>

#include "common/ui/form.h"

namespace qvl::win32 {

// A window's progress shown on its taskbar button (ITaskbarList3): a bar of `done` of `total`,
// or none. Where the shell has no taskbar list, nothing is shown.
void showTaskbarProgress(HWND window, const std::optional<ui::Progress>& progress);

}  // namespace qvl::win32
