#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

#include "headless/transcript.h"

namespace qvl::simcatia {

// The calls the server received from other processes, by kind.
struct ReceivedCalls {
    std::atomic<std::int64_t> invoke{0};
    std::atomic<std::int64_t> getIDsOfNames{0};
    std::atomic<std::int64_t> getTypeInfo{0};
    std::atomic<std::int64_t> getTypeInfoCount{0};
    std::atomic<std::int64_t> getDocumentation{0};
    std::atomic<std::int64_t> queryInterface{0};

    platform::Json toJson() const;
};

// Seconds on the machine's steady clock: the clock of CATIA's dialogs once they are real windows.
double steadyClockSeconds();

// The message that makes the thread of the real dialog windows follow the simulator's dialogs.
inline constexpr UINT followDialogsMessage = WM_APP + 1;

// What every COM entry point of the server shares: the one lock that serialises calls into
// the simulator (calls arrive on COM's threads), the counts, and the busy spell.
struct ServerState {
    std::recursive_mutex lock;
    ReceivedCalls calls;
    std::atomic<std::int64_t> busyUntil{0};  // steady-clock milliseconds
    // A fault of the scenario met while serving a call (a pick that names nothing), for the
    // runner to report as its script's fault; guarded by `lock`.
    std::string scriptFault;

    // The window of the thread that shows CATIA's dialogs as real windows; nullptr while they
    // are not shown. Told after every call and control request, outside the lock, so that the
    // windows stand as the call left the simulator when its answer leaves.
    std::atomic<HWND> dialogFollower{nullptr};
    void afterCall() const {
        if (HWND follower = dialogFollower.load()) SendMessageW(follower, followDialogsMessage, 0, 0);
    }

    void makeBusy(std::chrono::milliseconds duration);
    bool isBusy() const;

    // The process serves while an object or a lock is held; `noClients` is set when the last
    // one goes.
    HANDLE noClients = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    void holdProcess() { CoAddRefServerProcess(); }
    void releaseProcess() {
        if (CoReleaseServerProcess() == 0) SetEvent(noClients);
    }
};

ServerState& serverState();

}  // namespace qvl::simcatia
