#include "win32/ui/taskbar_progress.h"

#include <shobjidl.h>

#include "win32/base/com_ptr.h"

namespace qvl::win32 {

void showTaskbarProgress(HWND window, const std::optional<ui::Progress>& progress) {
    ComPtr<ITaskbarList3> taskbar;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void**>(taskbar.put()))) ||
        FAILED(taskbar->HrInit())) {
        return;
    }
    if (!progress || progress->total <= 0) {
        taskbar->SetProgressState(window, TBPF_NOPROGRESS);
        return;
    }
    taskbar->SetProgressState(window, TBPF_NORMAL);
    taskbar->SetProgressValue(window, static_cast<ULONGLONG>(progress->done), static_cast<ULONGLONG>(progress->total));
}

}  // namespace qvl::win32
