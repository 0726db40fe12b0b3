#include "common/automation/error_trap.h"

#include <gtest/gtest.h>

#include "common/automation/error_mode.h"

#include <stdexcept>

namespace qvl::automation {
namespace {

TEST(ErrorTrap, SkipsAFailingStatementAndKeepsTheErrorUntilCleared) {
    ErrorTrap trap;
    int target = 1;
    EXPECT_FALSE(trap([&] {
        throw Error(438, "no such member");
        target = 2;  // never reached: the whole statement is skipped
    }));
    EXPECT_EQ(target, 1);
    EXPECT_TRUE(trap.failed());
    EXPECT_TRUE(trap([&] { target = 3; }));
    EXPECT_EQ(target, 3);
    EXPECT_TRUE(trap.failed()) << "a later success must not clear the error state";
    EXPECT_EQ(trap.error()->code(), 438);
    trap.clear();
    EXPECT_FALSE(trap.failed());
}

TEST(ErrorTrap, ALaterFailureReplacesTheRecordedOne) {
    ErrorTrap trap;
    trap([] { throw Error(5, "first"); });
    trap([] { throw Error(91, "second"); });
    EXPECT_EQ(trap.error()->code(), 91);
}

TEST(ErrorTrap, RemembersAGoneServerThroughLaterErrorsAndClearing) {
    ErrorTrap trap;
    trap([] { throw Error(errc::serverFailure, "refused"); });
    EXPECT_FALSE(trap.serverWentAway());
    trap([] { throw Error(errc::serverGone, "The RPC server is unavailable."); });
    trap([] { throw Error(errc::objectNotSet, "Object variable or With block variable not set"); });
    trap.clear();
    EXPECT_TRUE(trap.serverWentAway());
}

TEST(ErrorTrap, LetsFaultsOfTheProgramItselfThrough) {
    ErrorTrap trap;
    EXPECT_THROW(trap([] { throw std::logic_error("bug"); }), std::logic_error);
    EXPECT_FALSE(trap.failed());
}

}  // namespace
}  // namespace qvl::automation

namespace qvl::automation {
namespace {

TEST(ErrorMode, LetsTheFirstFailureEndTheRoutineUntilErrorsAreIgnored) {
    ErrorMode step;
    int reached = 0;
    EXPECT_THROW(step([] { throw Error(91, "not set"); }), Error);
    step.ignoreErrors();
    step([] { throw Error(438, "no such member"); });
    step([&] { reached = 1; });
    EXPECT_EQ(reached, 1) << "after ignoreErrors a failing statement is skipped and the next one runs";
    EXPECT_TRUE(step.failed());
}

}  // namespace
}  // namespace qvl::automation
