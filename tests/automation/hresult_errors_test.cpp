#include "common/automation/hresult_errors.h"

#include <gtest/gtest.h>

#include "common/automation/error.h"

namespace qvl::automation {
namespace {

TEST(HresultErrors, AutomationFailuresTakeVbsOwnNumbers) {
    EXPECT_EQ(vbErrorForHresult(static_cast<std::int32_t>(0x80020006)).number, errc::memberNotSupported);
    EXPECT_EQ(vbErrorForHresult(static_cast<std::int32_t>(0x80020003)).number, errc::memberNotSupported);
    EXPECT_EQ(vbErrorForHresult(static_cast<std::int32_t>(0x80020005)).number, errc::typeMismatch);
    EXPECT_EQ(vbErrorForHresult(static_cast<std::int32_t>(0x8002000E)).number, errc::wrongArgumentCount);
    EXPECT_EQ(vbErrorForHresult(static_cast<std::int32_t>(0x80040154)).number, errc::cannotCreateObject);
    EXPECT_EQ(vbErrorForHresult(static_cast<std::int32_t>(0x80020006)).description,
              "Object doesn't support this property or method");
}

TEST(HresultErrors, OtherFailuresKeepTheirHresultAsNumber) {
    VbError gone = vbErrorForHresult(hresults::serverUnavailable);
    EXPECT_EQ(gone.number, -2147023174);
    EXPECT_EQ(gone.description, "The RPC server is unavailable.");
    EXPECT_EQ(vbErrorForHresult(static_cast<std::int32_t>(0x80004005)).number, errc::serverFailure);
    VbError unknown = vbErrorForHresult(static_cast<std::int32_t>(0x8007FFFF));
    EXPECT_EQ(unknown.number, static_cast<std::int32_t>(0x8007FFFF));
    EXPECT_EQ(unknown.description, "Automation error");
}

TEST(HresultErrors, ServerExceptionNumbersRoundTrip) {
    for (std::int32_t number : {438, 5, 1, 65535, errc::serverFailure, -2147023174, 70000}) {
        EXPECT_EQ(vbNumberForException(0, exceptionStatusForNumber(number)), number) << number;
    }
    EXPECT_EQ(exceptionStatusForNumber(438), static_cast<std::int32_t>(0x800A01B6));
    // A server's own code wins over its status.
    EXPECT_EQ(vbNumberForException(1001, static_cast<std::int32_t>(0x80004005)), 1001);
}

TEST(HresultErrors, BusyAndGoneAreTold) {
    EXPECT_TRUE(isBusy(hresults::serverCallRetryLater));
    EXPECT_TRUE(isBusy(hresults::callRejected));
    EXPECT_FALSE(isBusy(hresults::serverUnavailable));
    EXPECT_TRUE(isServerGone(hresults::serverUnavailable));
    EXPECT_TRUE(isServerGone(hresults::disconnected));
    EXPECT_TRUE(isServerGone(hresults::callFailed));
    EXPECT_TRUE(isServerGone(hresults::objectNotConnected));
    EXPECT_TRUE(isServerGone(hresults::serverDied));
    EXPECT_FALSE(isServerGone(hresults::serverCallRetryLater));
    EXPECT_FALSE(isServerGone(hresults::dispException));
}

}  // namespace
}  // namespace qvl::automation
