#include "win32/automation/busy_retry.h"

#include <windows.h>

#include <algorithm>
#include <thread>

#include "common/automation/hresult_errors.h"
#include "win32/base/com_unowned_object.h"

namespace qvl::win32 {
namespace {

std::chrono::milliseconds timeout{20000};

// Retries rejected calls while the busy timeout has not passed; lets every incoming call in.
class RetryingFilter : public UnownedComObject<IMessageFilter, IID_IMessageFilter> {
public:
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
        return SERVERCALL_ISHANDLED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD elapsed, DWORD rejectType) override {
        if (rejectType != SERVERCALL_RETRYLATER) return static_cast<DWORD>(-1);
        if (elapsed >= static_cast<DWORD>(timeout.count())) return static_cast<DWORD>(-1);
        return std::min<DWORD>(250, 20 + elapsed / 4);
    }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }
};

RetryingFilter filter;

}  // namespace

void setBusyTimeout(std::chrono::milliseconds value) { timeout = value; }
std::chrono::milliseconds busyTimeout() { return timeout; }

HRESULT callWhileBusy(const std::function<HRESULT()>& call) {
    const auto start = std::chrono::steady_clock::now();
    std::chrono::milliseconds pause{10};
    for (;;) {
        HRESULT hr = call();
        if (!automation::isBusy(static_cast<std::int32_t>(hr))) return hr;
        if (std::chrono::steady_clock::now() - start + pause > timeout) return hr;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(500));
    }
}

BusyMessageFilter::BusyMessageFilter() {
    installed_ = SUCCEEDED(CoRegisterMessageFilter(&filter, &previous_));
}

BusyMessageFilter::~BusyMessageFilter() {
    if (!installed_) return;
    IMessageFilter* ours = nullptr;
    CoRegisterMessageFilter(previous_, &ours);
    if (previous_) previous_->Release();
}

}  // namespace qvl::win32
