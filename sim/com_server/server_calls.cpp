#include "sim/com_server/server_calls.h"

namespace qvl::simcatia {
namespace {

std::int64_t nowMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

double steadyClockSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

platform::Json ReceivedCalls::toJson() const {
    platform::Json j = platform::Json::object();
    j["invoke"] = invoke.load();
    j["getIDsOfNames"] = getIDsOfNames.load();
    j["getTypeInfo"] = getTypeInfo.load();
    j["getTypeInfoCount"] = getTypeInfoCount.load();
    j["getDocumentation"] = getDocumentation.load();
    j["queryInterface"] = queryInterface.load();
    return j;
}

void ServerState::makeBusy(std::chrono::milliseconds duration) { busyUntil = nowMilliseconds() + duration.count(); }

bool ServerState::isBusy() const { return nowMilliseconds() < busyUntil.load(); }

ServerState& serverState() {
    static ServerState state;
    return state;
}

}  // namespace qvl::simcatia
