#include "win32/automation/com_error.h"

#include <gtest/gtest.h>

#include "common/automation/hresult_errors.h"
#include "sim/dispatch/server_errors.h"
#include "win32/base/com_bstr.h"

namespace qvl::win32 {
namespace {

// However COM tells that CATIA's process went away, the program meets the error that the
// simulated CATIA raises for a gone CATIA, number and text alike, as it does headless.
TEST(ComError, EveryWayOfAServerGoingAwayReadsAsTheOneGoneCatia) {
    const automation::Error expected = sim::serverUnavailable();
    for (HRESULT hr : {HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), HRESULT_FROM_WIN32(RPC_S_CALL_FAILED),
                       HRESULT_FROM_WIN32(RPC_S_CALL_FAILED_DNE),
                       RPC_E_DISCONNECTED, CO_E_OBJNOTCONNECTED, RPC_E_SERVER_DIED, RPC_E_SERVER_DIED_DNE}) {
        const automation::Error error = errorFromCall(hr);
        EXPECT_EQ(error.code(), expected.code()) << std::hex << hr;
        EXPECT_EQ(error.description(), expected.description()) << std::hex << hr;
    }
}

TEST(ComError, TheServersOwnErrorsAndOtherFailuresKeepTheirNumbers) {
    // A closed document's object is reported by CATIA itself, not by COM: it stays what it is.
    ExceptionInfo closed;
    closed.info.scode = RPC_E_DISCONNECTED;
    closed.info.bstrDescription = UniqueBstr("The object invoked has disconnected from its clients.").detach();
    EXPECT_EQ(errorFromCall(DISP_E_EXCEPTION, &closed).code(), sim::hresult::disconnected);
    EXPECT_EQ(errorFromCall(DISP_E_UNKNOWNNAME).code(), automation::errc::memberNotSupported);
    EXPECT_EQ(errorFromCall(RPC_E_SERVERCALL_RETRYLATER).code(), static_cast<std::int32_t>(RPC_E_SERVERCALL_RETRYLATER));
}

}  // namespace
}  // namespace qvl::win32
