#pragma once

#include <cmath>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/catia/connection.h"
#include "common/catia/window_placement.h"
#include "headless/headless_services.h"
#include "common/winmsg/counting_window_messages.h"
#include "fake_catia.h"
#include "headless/headless_window_system.h"
#include "orderloom/connection_policy.h"
#include "orderloom/main_form.h"
#include "sim/reorder/dialog_windows.h"

namespace qvl::orderloom::testing {

// The headless platform with what the tests look at besides: the flags of the last window
// placement, and a clock that can restart at midnight as the system's does.
class TestServices : public platform::HeadlessServices {
public:
    using HeadlessServices::HeadlessServices;

    bool wrapAtMidnight = false;
    unsigned lastPlacementFlags = 0;
    int messagePasses = 0;
    int maxMessagePasses = 10'000'000;

    double secondsSinceMidnight() override {
        double now = HeadlessServices::secondsSinceMidnight();
        return wrapAtMidnight ? std::fmod(now, 86400.0) : now;
    }
    void processPendingMessages() override {
        ++messagePasses;
        // A program that waits for ever ends the run instead of hanging it.
        if (messagePasses > maxMessagePasses) throw std::runtime_error("the program waits for ever");
        HeadlessServices::processPendingMessages();
    }
    void setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter, int x, int y, int cx,
                      int cy, unsigned flags) override {
        lastPlacementFlags = flags;
        HeadlessServices::setWindowPos(window, insertAfter, x, y, cx, cy, flags);
    }
};

// Orderloom's window on a fake CATIA whose reorder command opens the simulated dialog, on the
// headless platform.
class OrderloomRig {
public:
    OrderloomRig() {
        factory.application = std::make_shared<FakeApplication>(faults, dialogs);
        factory.application->document = document;
    }

    platform::VirtualDisk disk{std::filesystem::temp_directory_path()};
    platform::Transcript transcript;
    TestServices services{disk, transcript};
    sim::reorder::DialogWindows dialogs{[this] { return services.clock(); }};
    winmsg::CountingWindowMessages windowMessages{dialogs};
    std::shared_ptr<Faults> faults = std::make_shared<Faults>();
    std::shared_ptr<FakeDocument> document = std::make_shared<FakeDocument>(faults);
    FakeFactory factory;
    catia::Connection connection{orderloom::connectionPolicy(), factory, services};
    MainForm form{connection, services, windowMessages};
    ui::HeadlessWindowSystem windowSystem{services};

    FakeApplication& catiaApp() { return *factory.application; }
    FakeSelection& selection() { return *document->selection; }

    void start() { catia::Main(form, windowSystem); }

    // A product with these children, and the instance of a part.
    std::shared_ptr<FakeProduct> product(const std::string& name,
                                         std::vector<std::shared_ptr<FakeProduct>> children = {}) {
        auto p = std::make_shared<FakeProduct>(name, faults);
        p->children = std::move(children);
        return p;
    }
    std::shared_ptr<FakeProduct> parts(const std::string& name, const std::vector<std::string>& childNames) {
        std::vector<std::shared_ptr<FakeProduct>> children;
        for (const auto& childName : childNames) children.push_back(product(childName));
        return product(name, std::move(children));
    }

    // The person picks this product at the next prompt, or presses Esc.
    void willPick(const std::shared_ptr<FakeProduct>& picked) {
        selection().picks.push_back({"Normal", automation::Object(picked)});
    }
    void willPressEsc() { selection().picks.push_back({"Cancel", automation::Object()}); }

    static std::vector<std::string> names(const std::shared_ptr<FakeProduct>& p) { return p->childNames(); }
    // The whole tree below a product: "Assy[a,Sub[x,y],c]".
    static std::string describe(const std::shared_ptr<FakeProduct>& p) {
        std::string text = p->name;
        if (p->children.empty()) return text;
        text += "[";
        for (std::size_t i = 0; i < p->children.size(); ++i) text += (i ? "," : "") + describe(p->children[i]);
        return text + "]";
    }
    // An independent copy of a tree.
    std::shared_ptr<FakeProduct> copy(const std::shared_ptr<FakeProduct>& p) {
        std::vector<std::shared_ptr<FakeProduct>> children;
        for (const auto& child : p->children) children.push_back(copy(child));
        return product(p->name, std::move(children));
    }

    // The message boxes shown, as "text|caption".
    std::vector<std::string> messages() const {
        std::vector<std::string> shown;
        for (const auto& e : transcript.events()) {
            if (e["event"] == "message") {
                shown.push_back(e["text"].get<std::string>() + "|" + e["caption"].get<std::string>());
            }
        }
        return shown;
    }
    int reorderCommands() const {
        int count = 0;
        for (const auto& name : factory.application->commands) count += name == form.dialogLabels().reorderCommand;
        return count;
    }
};

inline const std::string sortDone = "排序完成,记得保存!|Quorvel工具箱CATIA版";
inline const std::string dialogNotFound =
    "碰到了一些问题, 检查下程序侦测到的CATIA界面语言是否正确,如果不正确手动选择正确的语言版本再试一次!|Orderloom";
inline const std::string sortNotCompleted = "排序没有完成, CATIA报告了错误, 检查下图形树再试一次!|Orderloom";
inline const std::string noDocument = "当前没有活动的CATIA文档|Quorvel工具箱CATIA版";

using Names = std::vector<std::string>;

}  // namespace qvl::orderloom::testing
