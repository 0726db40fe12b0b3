#include <algorithm>

#include "orderloom/wait_seconds.h"
#include "orderloom_fixture.h"

namespace qvl::orderloom::testing {
namespace {

class SortFailureTest : public OrderloomTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(SortFailureTest, FailingCallMidPassStopsTheSortAndSaysItDidNotComplete) {
    auto assy = parts("Assy", {"C", "B", "A"});
    faults->failCall("Application", "refreshdisplay", 2);
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(messages(), Names{sortNotCompleted});
    EXPECT_EQ(names(assy), (Names{"C", "A", "B"})) << "what was applied before the failure stays";
    EXPECT_TRUE(dialogs.isOpen()) << "the dialog is left to the user";

    // The next command starts a fresh dialog and a fresh buffer.
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(names(assy), (Names{"A", "B", "C"}));
    EXPECT_EQ(messages().back(), sortDone);
    EXPECT_EQ(form.lstProd.listCount(), 0);
}

TEST_F(SortFailureTest, FailingCallOnALowerLevelEndsEveryLevelAbove) {
    form.chkLevel.setValue(1);
    auto sub1 = parts("Sub.1", {"b", "a"});
    auto sub2 = parts("Sub.2", {"d", "c"});
    auto assy = product("Assy", {sub2, sub1});
    faults->failCall("Application", "StartCommand", 2);  // the first pass on Sub.1
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(names(assy), (Names{"Sub.1", "Sub.2"}));
    EXPECT_EQ(names(sub1), (Names{"b", "a"}));
    EXPECT_EQ(names(sub2), (Names{"d", "c"})) << "no later sub-product is worked";
    EXPECT_EQ(messages(), Names{sortNotCompleted});
}

TEST_F(SortFailureTest, WithoutADocumentNothingIsPickedAndTheUserIsTold) {
    catiaApp().document.reset();
    form.cmdAZ.click();
    factory.catiaRunning = false;
    form.cmdZA.click();
    EXPECT_EQ(messages(), (Names{noDocument, noDocument}));
    EXPECT_TRUE(selection().prompts.empty());
    EXPECT_TRUE(catiaApp().commands.empty());
}

TEST_F(SortFailureTest, AFailedPickNeverSortsTheProductOfAnEarlierCommand) {
    auto first = parts("First", {"B", "A"});
    willPick(first);
    form.cmdAZ.click();
    std::reverse(first->children.begin(), first->children.end());  // the person reorders by hand

    faults->failCall("Selection", "Item2");
    willPick(first);
    form.cmdZA.click();
    EXPECT_EQ(names(first), (Names{"B", "A"}));
    EXPECT_EQ(reorderCommands(), 1);
    EXPECT_EQ(messages(), (Names{sortDone, sortNotCompleted}));

    faults->failCall("Selection", "SelectElement2");
    form.cmdAZ.click();
    EXPECT_EQ(names(first), (Names{"B", "A"}));
    EXPECT_EQ(messages().back(), sortNotCompleted);
}

TEST_F(SortFailureTest, PassesGoOnAcrossMidnight) {
    services.wrapAtMidnight = true;
    services.setClock(86400.0 - 0.5);
    auto assy = parts("Assy", {"B", "A"});
    willPick(assy);
    form.cmdAZ.click();  // would wait for ever if the restarted clock were not taken into account
    EXPECT_EQ(names(assy), (Names{"A", "B"}));
    EXPECT_LT(services.secondsSinceMidnight(), 1.0);
}

TEST(WaitSecondsTest, WaitsAtLeastTheGivenTimeLettingMessagesThrough) {
    platform::VirtualDisk disk{std::filesystem::temp_directory_path()};
    platform::Transcript transcript;
    TestServices services{disk, transcript};
    double start = services.clock();
    WaitSeconds(services, 1.0f);
    EXPECT_GE(services.clock() - start, 1.0);
    EXPECT_LT(services.clock() - start, 1.0 + 2 * platform::HeadlessServices::messagePassSeconds);
    EXPECT_GE(services.messagePasses, 100);
    EXPECT_DOUBLE_EQ(secondsSince(86399.0, 0.5), 1.5);
}

}  // namespace
}  // namespace qvl::orderloom::testing
