#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "orderloom/vb_cons_type.h"
#include "sim/reorder/dialog_windows.h"

namespace qvl::sim::reorder {
namespace {

namespace msg = winmsg::msg;
using winmsg::WindowHandle;
using Names = std::vector<std::string>;

class Children : public ReorderTarget {
public:
    explicit Children(Names names) : names(std::move(names)) {}
    std::vector<std::string> childNames() const override { return names; }
    void commitOrder(const std::vector<std::size_t>& order) override {
        Names reordered;
        for (std::size_t place : order) reordered.push_back(names.at(place));
        names = reordered;
        ++commits;
    }
    Names names;
    int commits = 0;
};

class ReorderDialogTest : public ::testing::Test {
protected:
    double now = 100;
    DialogWindows windows{[this] { return now; }};
    std::shared_ptr<Children> target = std::make_shared<Children>(Names{"A", "B", "C", "D", "E", "F", "G", "H"});

    WindowHandle child(WindowHandle parent, const std::string& text) {
        return windows.findWindowEx(parent, 0, std::nullopt, text);
    }
    struct Handles {
        WindowHandle dialog, frame, list, action, up, down, ok, apply;
    };
    Handles open() {
        EXPECT_TRUE(windows.startCommand("图形树重新排序", target));
        Handles h{};
        h.dialog = windows.findWindow(std::nullopt, "图形树重新排序");
        h.frame = child(h.dialog, "FrameWindow");
        h.list = child(child(h.frame, "FrameList"), "ListProd");
        h.action = child(h.frame, "FrameAction");
        h.up = child(h.action, "上移");
        h.down = child(h.action, "下移");
        h.ok = child(h.dialog, "确定");
        h.apply = child(h.dialog, "应用");
        return h;
    }
    void click(WindowHandle list, int x, int y) {
        windows.sendMessage(list, msg::wmLButtonDown, 0, orderloom::MakeLParam(x, y));
        windows.sendMessage(list, msg::wmLButtonUp, 0, orderloom::MakeLParam(x, y));
    }
    long long send(WindowHandle w, winmsg::MessageId m, winmsg::WParam wp = 0) {
        return windows.sendMessage(w, m, wp, 0);
    }
};

TEST_F(ReorderDialogTest, WindowsAreFoundOnlyBelowTheirOwnParents) {
    Handles h = open();
    for (WindowHandle w : {h.dialog, h.frame, h.list, h.action, h.up, h.down, h.ok, h.apply}) EXPECT_NE(w, 0);
    EXPECT_EQ(child(h.dialog, "ListProd"), 0) << "the list is a grandchild of the frame window";
    EXPECT_EQ(child(h.dialog, "上移"), 0);
    EXPECT_EQ(child(h.action, "确定"), 0);
    EXPECT_EQ(windows.findWindowEx(h.action, h.up, std::nullopt, std::nullopt), h.down) << "children after a child";
    EXPECT_EQ(windows.findWindow(std::nullopt, std::string("GRAPH TREE REORDERING")), 0);
    EXPECT_EQ(send(h.list, msg::lbGetCount), 8);
}

TEST_F(ReorderDialogTest, CommandOpensOnlyUnderItsNameInTheInterfaceLanguage) {
    EXPECT_FALSE(windows.startCommand("Graph tree reordering", target));
    EXPECT_FALSE(windows.startCommand("图形树重新排序", nullptr));
    EXPECT_FALSE(windows.isOpen());
    windows.setTexts(DialogTexts::english());
    EXPECT_TRUE(windows.startCommand("Graph tree reordering", target));
    EXPECT_NE(windows.findWindow(std::nullopt, std::string("graph TREE reordering")), 0)
        << "window titles compare without regard to case";
    EXPECT_EQ(windows.findWindow(std::nullopt, "图形树重新排序"), 0);
}

TEST_F(ReorderDialogTest, DialogAppearsOnlyAfterItsDelay) {
    windows.setAppearanceDelay(1.5);
    windows.startCommand("图形树重新排序", target);
    now += 1.4;
    EXPECT_EQ(windows.findWindow(std::nullopt, "图形树重新排序"), 0);
    now += 0.1;
    EXPECT_NE(windows.findWindow(std::nullopt, "图形树重新排序"), 0);
}

// What a screen shows of the dialog: nothing before it appears, then each window inside its
// parent, beside its siblings, the list's rows as the list's own geometry measures them.
TEST_F(ReorderDialogTest, LayoutIsShownOnceTheDialogAppearsAndFitsTogether) {
    EXPECT_EQ(windows.appearanceTime(), std::nullopt);
    windows.setAppearanceDelay(2);
    windows.startCommand("图形树重新排序", target);
    EXPECT_EQ(windows.appearanceTime(), 102);
    EXPECT_TRUE(windows.visibleLayout().empty());
    now += 2;
    const std::vector<WindowLayout> layout = windows.visibleLayout();
    ASSERT_EQ(layout.size(), 9u);
    EXPECT_EQ(layout.front().parent, 0);
    EXPECT_EQ(layout.front().handle, windows.findWindow("#32770", "图形树重新排序"));

    auto windowOf = [&](WindowHandle handle) {
        return std::find_if(layout.begin(), layout.end(), [&](const WindowLayout& w) { return w.handle == handle; });
    };
    auto overlap = [](const winmsg::Rect& a, const winmsg::Rect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (auto w = layout.begin() + 1; w != layout.end(); ++w) {
        auto parent = windowOf(w->parent);
        ASSERT_LT(parent, w) << w->text << " comes after its parent";
        EXPECT_EQ(windows.findWindowEx(w->parent, 0, w->className, w->text), w->handle) << w->text;
        const winmsg::Rect room = parent->bounds;
        EXPECT_TRUE(w->bounds.left >= 0 && w->bounds.top >= 0 && w->bounds.right <= room.right - room.left &&
                    w->bounds.bottom <= room.bottom - room.top)
            << w->text << " lies inside " << parent->text;
        for (auto other = layout.begin() + 1; other != w; ++other) {
            if (other->parent != w->parent) continue;
            EXPECT_FALSE(overlap(other->bounds, w->bounds)) << w->text << " and " << other->text;
        }
    }
    const auto list = std::find_if(layout.begin(), layout.end(), [](const auto& w) { return w.text == "ListProd"; });
    ASSERT_NE(list, layout.end());
    EXPECT_EQ(list->className, "ListBox");
    EXPECT_EQ(list->bounds.right - list->bounds.left, ItemList::clientWidth);
    EXPECT_EQ(list->bounds.bottom - list->bounds.top, ItemList::visibleRows * ItemList::itemHeight);
}

TEST_F(ReorderDialogTest, AClickSelectsOnlyTheItemUnderTheMouse) {
    Handles h = open();
    winmsg::Rect rect;
    windows.sendRectMessage(h.list, msg::lbGetItemRect, 7, rect);
    click(h.list, rect.right / 2, rect.top + 8);
    EXPECT_EQ(send(h.list, msg::lbGetCurSel), winmsg::listBoxError) << "row 7 lies below the visible rows";

    EXPECT_EQ(send(h.list, msg::lbSetTopIndex, 7), 0);
    EXPECT_EQ(send(h.list, msg::lbGetTopIndex), 8 - ItemList::visibleRows) << "the view stops at the list's end";
    windows.sendRectMessage(h.list, msg::lbGetItemRect, 7, rect);
    click(h.list, rect.right / 2, rect.top + 8);
    EXPECT_EQ(send(h.list, msg::lbGetCurSel), 7);
    EXPECT_EQ(send(h.list, msg::lbSetTopIndex, 8), winmsg::listBoxError);
    EXPECT_EQ(windows.sendRectMessage(h.list, msg::lbGetItemRect, 8, rect), winmsg::listBoxError);
}

TEST_F(ReorderDialogTest, MoveButtonsMoveTheSelectedItemAndApplyAndOkCommit) {
    Handles h = open();
    send(h.up, msg::bmClick);  // nothing selected yet
    click(h.list, 10, 1 * ItemList::itemHeight + 3);  // "B"
    send(h.down, msg::bmClick);
    send(h.down, msg::bmClick);
    EXPECT_EQ(windows.listedNames(), (Names{"A", "C", "D", "B", "E", "F", "G", "H"}));
    EXPECT_EQ(target->names.front(), "A");
    EXPECT_EQ(target->commits, 0) << "moves wait for Apply";
    send(h.apply, msg::bmClick);
    EXPECT_EQ(target->names, (Names{"A", "C", "D", "B", "E", "F", "G", "H"}));

    for (int i = 0; i < 5; ++i) send(h.up, msg::bmClick);  // stops at the top
    send(h.ok, msg::bmClick);
    EXPECT_EQ(target->names, (Names{"B", "A", "C", "D", "E", "F", "G", "H"}));
    EXPECT_FALSE(windows.isOpen());
    EXPECT_EQ(send(h.list, msg::lbGetCount), 0) << "a closed dialog's windows are gone";
}

TEST_F(ReorderDialogTest, StartingAgainClosesTheOpenDialogWithoutCommitting) {
    Handles first = open();
    click(first.list, 10, 3);
    send(first.down, msg::bmClick);
    Handles second = open();
    EXPECT_NE(second.list, first.list);
    EXPECT_EQ(send(first.list, msg::lbGetCount), 0);
    EXPECT_EQ(target->commits, 0);
    EXPECT_EQ(windows.listedNames(), target->names);
    EXPECT_EQ(windows.dialogsOpened(), 2);
}

TEST_F(ReorderDialogTest, ItemTextsAreUtf8AndNeverOverrunTheBuffer) {
    target->names = {"螺栓.1", "Bolt.2"};
    Handles h = open();
    EXPECT_EQ(send(h.list, msg::lbGetTextLen, 0), 8);
    std::string buffer(6, '.');
    EXPECT_EQ(windows.sendTextMessage(h.list, msg::lbGetText, 0, buffer), 6);
    EXPECT_EQ(buffer, "螺栓");
    std::string wide(10, '.');
    EXPECT_EQ(windows.sendTextMessage(h.list, msg::lbGetText, 1, wide), 6);
    EXPECT_EQ(wide, "Bolt.2....");
}

}  // namespace
}  // namespace qvl::sim::reorder
