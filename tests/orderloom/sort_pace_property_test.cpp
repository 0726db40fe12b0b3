#include <algorithm>
#include <random>

#include "common/text/utf8.h"
#include "orderloom_fixture.h"

namespace qvl::orderloom::testing {
namespace {

// Random trees whose sibling names often differ only in letter case.
class RandomTrees {
public:
    explicit RandomTrees(OrderloomRig& rig, unsigned seed) : rig_(rig), random_(seed) {}

    std::shared_ptr<FakeProduct> tree(int depth) { return node("Root", depth); }

private:
    std::shared_ptr<FakeProduct> node(std::string name, int depth) {
        auto p = rig_.product(std::move(name));
        if (depth == 0) return p;
        int count = std::uniform_int_distribution<int>(0, 7)(random_);
        std::vector<std::string> taken;
        for (int i = 0; i < count; ++i) {
            std::string childName = randomName();
            if (std::find(taken.begin(), taken.end(), childName) != taken.end()) continue;  // instance names are unique
            taken.push_back(childName);
            bool assembly = std::uniform_int_distribution<int>(0, 2)(random_) == 0;
            p->children.push_back(node(childName, assembly ? depth - 1 : 0));
        }
        return p;
    }
    std::string randomName() {
        static const std::vector<std::string> stems = {"a", "b", "c", "Part", "螺栓", "Bolt.1", "bolt.1", "z"};
        std::string name = stems[std::uniform_int_distribution<std::size_t>(0, stems.size() - 1)(random_)];
        for (char& ch : name) {
            if (std::uniform_int_distribution<int>(0, 1)(random_)) ch = text::upperAscii(std::string(1, ch))[0];
        }
        return name;
    }

    OrderloomRig& rig_;
    std::mt19937 random_;
};

bool sortedAscending(const std::vector<std::string>& names) {
    for (std::size_t i = 1; i < names.size(); ++i) {
        if (text::compareTextIgnoreCase(names[i - 1], names[i]) > 0) return false;
    }
    return true;
}

class SortPacePropertyTest : public OrderloomTest {
protected:
    void SetUp() override { start(); }

    void sort(const std::shared_ptr<FakeProduct>& root, SortPace pace, SortDirection direction) {
        form.setSortPace(pace);
        willPick(root);
        direction == SortDirection::Ascending ? form.cmdAZ.click() : form.cmdZA.click();
    }
};

TEST_F(SortPacePropertyTest, QuickPaceLeavesEveryTreeInTheOrderTheStandardPaceGives) {
    RandomTrees trees(*this, 20261207u);
    std::mt19937 choice(7);
    int caseTwins = 0;
    for (int run = 0; run < 400; ++run) {
        auto standard = trees.tree(3);
        auto quick = copy(standard);
        const std::string before = describe(standard);
        auto direction = choice() % 2 ? SortDirection::Ascending : SortDirection::Descending;
        form.chkLevel.setValue(run % 4 == 0 ? 0 : 1);
        dialogs.setAppearanceDelay(std::uniform_real_distribution<double>(0.0, 0.95)(choice));

        sort(standard, SortPace::Standard, direction);
        int standardPasses = reorderCommands();
        sort(quick, SortPace::Quick, direction);
        int quickPasses = reorderCommands() - standardPasses;
        catiaApp().commands.clear();

        ASSERT_EQ(describe(quick), describe(standard)) << "tree before: " << before;
        ASSERT_LE(quickPasses, standardPasses);
        if (direction == SortDirection::Ascending && form.chkLevel.value() == 0) {
            ASSERT_TRUE(sortedAscending(names(standard))) << describe(standard);
        }
        caseTwins += before.find("Bolt.1") != std::string::npos && before.find("bolt.1") != std::string::npos;
    }
    EXPECT_EQ(messages(), Names(800, sortDone));
    EXPECT_GT(caseTwins, 20) << "the trees hold names equal but for case";
}

}  // namespace
}  // namespace qvl::orderloom::testing
