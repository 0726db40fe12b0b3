#pragma once

#include <windows.h>

#include <oaidl.h>

#include "common/automation/error.h"

namespace qvl::win32 {

// An EXCEPINFO that a call may fill; its texts are freed when it goes.
struct ExceptionInfo {
    EXCEPINFO info{};
    ExceptionInfo() = default;
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;
    ~ExceptionInfo() { clear(); }
    void clear();
};

// The error that a client sees for a failed call: DISP_E_EXCEPTION carries the server's
// number and text; every other HRESULT becomes the error VB raises for it, and every HRESULT
// by which COM tells that the server went away becomes the one error of a gone server,
// RPC_S_SERVER_UNAVAILABLE ("The RPC server is unavailable.").
automation::Error errorFromCall(HRESULT hr, ExceptionInfo* exception = nullptr);

}  // namespace qvl::win32
