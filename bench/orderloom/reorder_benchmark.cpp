// What a sort of all levels costs on the reference tree: three levels of products, 30
// sub-products, every product with 12 children in shuffled order. Counts passes of CATIA's
// dialog, window messages and the time waited on the simulated clock, for both paces and for
// a dialog that appears at once or after a quarter of a second.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "orderloom_rig.h"

namespace {

using qvl::orderloom::SortPace;
using qvl::orderloom::testing::FakeProduct;
using qvl::orderloom::testing::OrderloomRig;

constexpr int childrenPerProduct = 12;
constexpr int subProductsPerLevel = 5;

std::shared_ptr<FakeProduct> referenceTree(OrderloomRig& rig, std::mt19937& random) {
    auto shuffledProduct = [&](const std::string& name, std::vector<std::shared_ptr<FakeProduct>> subs) {
        auto p = rig.product(name, std::move(subs));
        for (int i = static_cast<int>(p->children.size()); i < childrenPerProduct; ++i) {
            p->children.push_back(rig.product(name + "-Part." + std::to_string(i + 1)));
        }
        std::shuffle(p->children.begin(), p->children.end(), random);
        return p;
    };
    std::vector<std::shared_ptr<FakeProduct>> level1;
    for (int i = 1; i <= subProductsPerLevel; ++i) {
        std::vector<std::shared_ptr<FakeProduct>> level2;
        for (int j = 1; j <= subProductsPerLevel; ++j) {
            std::string name = "Sub." + std::to_string(i) + "." + std::to_string(j);
            level2.push_back(shuffledProduct(name, {}));
        }
        level1.push_back(shuffledProduct("Sub." + std::to_string(i), std::move(level2)));
    }
    return shuffledProduct("Assy", std::move(level1));
}

struct Figures {
    int passes = 0;
    std::size_t messages = 0;
    std::size_t windowSearches = 0;
    double secondsWaited = 0;
    double hostMilliseconds = 0;
    std::string finalTree;
};

Figures run(SortPace pace, double appearanceDelay) {
    OrderloomRig rig;
    std::mt19937 random(20261207u);
    auto assy = referenceTree(rig, random);
    rig.start();
    rig.form.chkLevel.setValue(1);
    rig.form.setSortPace(pace);
    rig.dialogs.setAppearanceDelay(appearanceDelay);
    rig.windowMessages.reset();
    rig.willPick(assy);

    double clockBefore = rig.services.clock();
    auto hostBefore = std::chrono::steady_clock::now();
    rig.form.cmdAZ.click();
    auto hostAfter = std::chrono::steady_clock::now();

    Figures f;
    f.passes = rig.reorderCommands();
    f.messages = rig.windowMessages.messagesSent();
    f.windowSearches = rig.windowMessages.windowSearches();
    f.secondsWaited = rig.services.clock() - clockBefore;
    f.hostMilliseconds = std::chrono::duration<double, std::milli>(hostAfter - hostBefore).count();
    f.finalTree = OrderloomRig::describe(assy);
    return f;
}

}  // namespace

int main() {
    std::printf("reference tree: 3 levels, 30 sub-products, %d children each; all levels, ascending\n\n",
                childrenPerProduct);
    std::printf("%-9s %-12s %7s %10s %15s %15s %10s\n", "pace", "dialog after", "passes", "messages",
                "window searches", "waited (sim s)", "host ms");
    bool sameOrder = true;
    for (double delay : {0.0, 0.25}) {
        Figures standard = run(SortPace::Standard, delay);
        Figures quick = run(SortPace::Quick, delay);
        sameOrder = sameOrder && standard.finalTree == quick.finalTree;
        for (const auto& [name, f] : {std::pair{"standard", standard}, std::pair{"quick", quick}}) {
            std::printf("%-9s %10.2f s %7d %10zu %15zu %15.2f %10.1f\n", name, delay, f.passes, f.messages,
                        f.windowSearches, f.secondsWaited, f.hostMilliseconds);
        }
    }
    std::printf("\nfinal orders of both paces %s\n", sameOrder ? "identical" : "DIFFER");
    return sameOrder ? 0 : 1;
}
