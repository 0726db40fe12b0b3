#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/automation/error.h"

namespace qvl::sim {

// What a COM client sees when CATIA fails a call.
namespace hresult {
// RPC_S_SERVER_UNAVAILABLE as an HRESULT: the CATIA process is gone.
inline constexpr std::int32_t rpcServerUnavailable = -2147023174;
// RPC_E_DISCONNECTED: the object belongs to a document that CATIA has closed.
inline constexpr std::int32_t disconnected = -2147417848;
// RPC_E_SERVERCALL_RETRYLATER: CATIA is busy; the call may be made again later.
inline constexpr std::int32_t retryLater = -2147417846;
}  // namespace hresult

// CATIA refused the call (E_FAIL), as Visual Basic words it.
inline automation::Error memberFailed(std::string_view member, std::string_view typeName) {
    return automation::Error(automation::errc::serverFailure,
                             "Method '" + std::string(member) + "' of object '" + std::string(typeName) + "' failed");
}

inline automation::Error serverUnavailable() {
    return automation::Error(hresult::rpcServerUnavailable, "The RPC server is unavailable.");
}

inline automation::Error serverBusy() {
    return automation::Error(hresult::retryLater, "The message filter indicated that the application is busy.");
}

inline automation::Error objectDisconnected() {
    return automation::Error(hresult::disconnected, "The object invoked has disconnected from its clients.");
}

}  // namespace qvl::sim
