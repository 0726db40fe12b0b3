#pragma once

#include <windows.h>

#include <objidl.h>

#include <chrono>
#include <functional>

namespace qvl::win32 {

// How long a busy CATIA is waited for before the call is reported as failed.
void setBusyTimeout(std::chrono::milliseconds timeout);
std::chrono::milliseconds busyTimeout();

// Makes `call` again, with a growing pause, while it fails because the server is busy
// (call rejected, retry later), until the busy timeout has passed; returns the last result.
HRESULT callWhileBusy(const std::function<HRESULT()>& call);

// Installs, for the life of the object, the thread's message filter that lets COM retry calls
// a busy server rejected, within the same busy timeout. Needs a single-threaded apartment.
class BusyMessageFilter {
public:
    BusyMessageFilter();
    BusyMessageFilter(const BusyMessageFilter&) = delete;
    BusyMessageFilter& operator=(const BusyMessageFilter&) = delete;
    ~BusyMessageFilter();

private:
    IMessageFilter* previous_ = nullptr;
    bool installed_ = false;
};

}  // namespace qvl::win32
