#include "orderloom_fixture.h"

namespace qvl::orderloom::testing {
namespace {

class SortCommandTest : public OrderloomTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(SortCommandTest, SortsThePickedProductsChildrenAscendingAndDescending) {
    auto assy = parts("Assy", {"B.1", "A.1", "C.1"});
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(names(assy), (Names{"A.1", "B.1", "C.1"}));
    willPick(assy);
    form.cmdZA.click();
    EXPECT_EQ(names(assy), (Names{"C.1", "B.1", "A.1"}));
    EXPECT_EQ(messages(), (Names{sortDone, sortDone}));
    EXPECT_EQ(reorderCommands(), 2);
    EXPECT_EQ(selection().prompts, (Names{"Select the Product. Press Esc to finish the selection.",
                                          "Select the Product. Press Esc to finish the selection."}));
    EXPECT_EQ(selection().pickArguments[0], automation::Variant(1));
    EXPECT_FALSE(dialogs.isOpen()) << "OK closed the dialog";
    EXPECT_EQ(form.lstProd.listCount(), 0) << "the buffer is emptied after each pass";
    EXPECT_TRUE(selection().contents.empty());
}

TEST_F(SortCommandTest, SortsLongListsWhoseItemsLieOutsideTheVisibleRows) {
    // More children than the dialog shows at once: every item must be scrolled into view
    // before it can be clicked.
    Names shuffled = {"P.7", "P.3", "P.12", "P.1", "P.9", "P.5", "P.11", "P.2", "P.10", "P.4", "P.8", "P.6"};
    auto assy = parts("Assy", shuffled);
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(names(assy), (Names{"P.1", "P.10", "P.11", "P.12", "P.2", "P.3", "P.4", "P.5", "P.6", "P.7", "P.8",
                                  "P.9"}));
    willPick(assy);
    form.cmdZA.click();
    EXPECT_EQ(names(assy), (Names{"P.9", "P.8", "P.7", "P.6", "P.5", "P.4", "P.3", "P.2", "P.12", "P.11", "P.10",
                                  "P.1"}));
}

TEST_F(SortCommandTest, TwoChildrenAreSortedButOneOrNoneAreNotTouched) {
    auto two = parts("Two", {"b", "a"});
    willPick(two);
    form.cmdAZ.click();
    EXPECT_EQ(names(two), (Names{"a", "b"}));

    auto one = parts("One", {"x"});
    auto none = parts("None", {});
    willPick(one);
    form.cmdAZ.click();
    willPick(none);
    form.cmdZA.click();
    EXPECT_EQ(reorderCommands(), 1) << "no dialog for fewer than two children";
    EXPECT_EQ(messages(), (Names{sortDone, sortDone, sortDone}));
}

TEST_F(SortCommandTest, AlreadySortedListIsWorkedItemByItemAndComesOutUnchanged) {
    auto assy = parts("Assy", {"A.1", "B.1", "C.1", "D.1"});
    windowMessages.reset();
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(names(assy), (Names{"A.1", "B.1", "C.1", "D.1"}));
    EXPECT_EQ(catiaApp().refreshes, 4) << "one Apply and refresh per item";
    // n - 1 presses of the move button for each of the n items, Apply for each, one OK.
    EXPECT_EQ(windowMessages.messagesSent(winmsg::msg::bmClick), 4u * 3u + 4u + 1u);
    EXPECT_EQ(windowMessages.messagesSent(winmsg::msg::wmLButtonDown), 8u) << "every item clicked twice";
}

TEST_F(SortCommandTest, NamesEqualButForCaseSelectTheFirstMatchInTheDialogsOrder) {
    // Ascending: every line of the buffer moves the first match to the end, so equal names
    // keep their order.
    auto up = parts("Up", {"b", "A", "a", "B"});
    willPick(up);
    form.cmdAZ.click();
    EXPECT_EQ(names(up), (Names{"A", "a", "b", "B"}));

    // Descending: the first match of an equal name is the item just moved to the top, so only
    // one item of each group of equal names moves; the others stay where they were.
    auto down = parts("Down", {"C", "c", "a", "A"});
    willPick(down);
    form.cmdZA.click();
    EXPECT_EQ(names(down), (Names{"C", "a", "c", "A"}));
}

TEST_F(SortCommandTest, ChineseNamesTravelThroughTheAnsiCodePage) {
    auto assy = parts("总成", {"螺栓.2", "底板.1", "Bolt.1", "螺栓.1"});
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(names(assy), (Names{"Bolt.1", "底板.1", "螺栓.1", "螺栓.2"}));
}

TEST_F(SortCommandTest, EscAtThePromptEndsWithoutMessageOrCommand) {
    auto assy = parts("Assy", {"B", "A"});
    willPressEsc();
    form.cmdAZ.click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(reorderCommands(), 0);
    EXPECT_EQ(names(assy), (Names{"B", "A"}));
}

TEST_F(SortCommandTest, EnglishCatiaIsWorkedWithTheEnglishTexts) {
    dialogs.setTexts(sim::reorder::DialogTexts::english());
    form.uiEN.click();
    auto assy = parts("Assy", {"B", "C", "A"});
    willPick(assy);
    form.cmdZA.click();
    EXPECT_EQ(names(assy), (Names{"C", "B", "A"}));
    EXPECT_EQ(catiaApp().commands, Names{"Graph tree reordering"});
    EXPECT_EQ(messages(), Names{sortDone});
}

TEST_F(SortCommandTest, WrongLanguageFindsNoDialogAndSaysSo) {
    dialogs.setTexts(sim::reorder::DialogTexts::english());  // CATIA runs in English
    form.chkLevel.setValue(1);
    auto assy = product("Assy", {parts("Sub.2", {"y", "x"}), parts("Sub.1", {"b", "a"})});
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(messages(), Names{dialogNotFound});
    EXPECT_EQ(form.WrongCmd, -1);
    EXPECT_EQ(catiaApp().commands, Names{"图形树重新排序"}) << "no further pass after the first failed";
    EXPECT_EQ(names(assy), (Names{"Sub.2", "Sub.1"}));
    EXPECT_EQ(names(assy->children[0]), (Names{"y", "x"}));

    // The next command starts afresh.
    form.uiEN.click();
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(messages().back(), sortDone);
    EXPECT_EQ(names(assy), (Names{"Sub.1", "Sub.2"}));
}

TEST_F(SortCommandTest, DialogThatAppearsWithinTheSecondIsFoundAndOneThatComesLaterIsNot) {
    auto assy = parts("Assy", {"B", "A"});
    dialogs.setAppearanceDelay(0.9);
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(names(assy), (Names{"A", "B"}));

    dialogs.setAppearanceDelay(1.5);
    willPick(assy);
    form.cmdZA.click();
    EXPECT_EQ(names(assy), (Names{"A", "B"}));
    EXPECT_EQ(messages(), (Names{sortDone, dialogNotFound}));
}

class AllLevelsTest : public SortCommandTest {
protected:
    // Assy: Sub.B (two parts, and Deep.1 with three parts), x.part, Sub.A (three parts),
    // Lone.1 (one product with two parts below it).
    void SetUp() override {
        SortCommandTest::SetUp();
        deep = parts("Deep.1", {"q", "r", "p"});
        subB = product("Sub.B", {product("z"), deep, product("y")});
        subA = parts("Sub.A", {"n", "m", "o"});
        hidden = parts("Hidden.1", {"k", "j"});
        lone = product("Lone.1", {hidden});
        assy = product("Assy", {subB, product("x.part"), subA, lone});
    }
    std::shared_ptr<FakeProduct> assy, subA, subB, deep, lone, hidden;
};

TEST_F(AllLevelsTest, UncheckedSortsOnlyTheDirectChildren) {
    willPick(assy);
    form.cmdAZ.click();
    EXPECT_EQ(names(assy), (Names{"Lone.1", "Sub.A", "Sub.B", "x.part"}));
    EXPECT_EQ(names(subA), (Names{"n", "m", "o"}));
    EXPECT_EQ(reorderCommands(), 1);
}

TEST_F(AllLevelsTest, CheckedSortsEverySubProductWithTwoChildrenAtAnyDepth) {
    form.chkLevel.setValue(1);
    willPick(assy);
    form.cmdZA.click();
    EXPECT_EQ(names(assy), (Names{"x.part", "Sub.B", "Sub.A", "Lone.1"}));
    EXPECT_EQ(names(subB), (Names{"z", "y", "Deep.1"}));
    EXPECT_EQ(names(deep), (Names{"r", "q", "p"}));
    EXPECT_EQ(names(subA), (Names{"o", "n", "m"}));
    EXPECT_EQ(names(hidden), (Names{"k", "j"})) << "below a product with one child nothing is sorted";
    // Assy once; Sub.B, Deep.1 and Sub.A twice each.
    EXPECT_EQ(reorderCommands(), 7);
    EXPECT_EQ(messages(), Names{sortDone});
}

TEST_F(AllLevelsTest, QuickPaceGivesTheSameOrderWithEveryProductWorkedOnce) {
    form.chkLevel.setValue(1);
    form.setSortPace(SortPace::Quick);
    dialogs.setAppearanceDelay(0.2);
    double started = services.clock();
    willPick(assy);
    form.cmdZA.click();
    EXPECT_EQ(names(assy), (Names{"x.part", "Sub.B", "Sub.A", "Lone.1"}));
    EXPECT_EQ(names(subB), (Names{"z", "y", "Deep.1"}));
    EXPECT_EQ(names(deep), (Names{"r", "q", "p"}));
    EXPECT_EQ(names(subA), (Names{"o", "n", "m"}));
    EXPECT_EQ(reorderCommands(), 4);
    EXPECT_LT(services.clock() - started, 4 * 0.3) << "each pass waits only until the dialog appears";
}

}  // namespace
}  // namespace qvl::orderloom::testing
