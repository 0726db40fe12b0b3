#pragma once

#include <windows.h>

#include <future>
#include <memory>
#include <thread>

#include "sim/com_server/real_reorder_dialog.h"
#include "sim/reorder/dialog_windows.h"

namespace qvl::simcatia {

// CATIA's reorder dialog as real top-level windows of this process, which other programs find
// with FindWindowW and work with SendMessageW. A thread of their own, with its message loop,
// shows the simulator's open dialog once it has appeared on the steady clock and destroys its
// windows once the simulator closed it (OK, or a new command). It follows the simulator when its
// follower window receives followDialogsMessage (sent after every call, see ServerState), when
// the dialog's appearance time comes, and after every message that its windows answered.
class RealDialogThread {
public:
    // `model` is reached under the server's lock only and outlives this object.
    explicit RealDialogThread(sim::reorder::DialogWindows& model);
    ~RealDialogThread();
    RealDialogThread(const RealDialogThread&) = delete;
    RealDialogThread& operator=(const RealDialogThread&) = delete;

    HWND follower() const noexcept { return follower_; }

private:
    static LRESULT CALLBACK followerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void run(std::promise<HWND>& ready);
    // On the thread, with or without the server's lock held.
    void follow();

    sim::reorder::DialogWindows& model_;
    std::unique_ptr<RealReorderDialog> shown_;
    HWND follower_ = nullptr;
    std::thread thread_;
};

}  // namespace qvl::simcatia
