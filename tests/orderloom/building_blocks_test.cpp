#include <gtest/gtest.h>

#include "common/ui/form.h"
#include "orderloom/dialog_controls.h"
#include "orderloom/sorted_list_box.h"
#include "orderloom/vb_cons_type.h"

namespace qvl::orderloom {
namespace {

TEST(VbConsTypeTest, PacksTwoSignedWordsIntoOneMessageParameter) {
    EXPECT_EQ(LoWord(0x12345678), 0x5678);
    EXPECT_EQ(LoWord(0x0001FFFF), -1);
    EXPECT_EQ(MakeDWord(0x5678, 0x1234), 0x12345678);
    EXPECT_EQ(MakeDWord(-1, 0), 0x0000FFFF) << "a negative low word does not spill into the high word";
    EXPECT_EQ(MakeDWord(0, -1), static_cast<std::int32_t>(0xFFFF0000u));
    EXPECT_EQ(MakeLParam(90, 40), (40 << 16) | 90);
    EXPECT_EQ(MakeLParam(0x10005, -2), static_cast<std::int32_t>(0xFFFE0005u)) << "only the low words count";
}

class ListForm : public ui::Form {
public:
    ListForm() : ui::Form("test", 100, 100) {}
    void Form_Load() override {}
    ui::Control& list = add({"lst", ui::ControlKind::ListBox, "", {}, ""});
};

TEST(SortedListBoxTest, KeepsItemsAscendingWithoutRegardToCaseEqualOnesInArrivalOrder) {
    ListForm form;
    for (const char* item : {"b", "C", "a", "B", "Part.10", "A", "Part.2", "螺栓", "c"}) addSortedItem(form.list, item);
    EXPECT_EQ(form.list.items(),
              (std::vector<std::string>{"a", "A", "b", "B", "C", "c", "Part.10", "Part.2", "螺栓"}));
}

// A list window that answers as badly as a window may: a length it cannot keep to, an index it
// refuses.
class AwkwardList : public winmsg::WindowMessages {
public:
    winmsg::WindowHandle findWindow(const std::optional<std::string>&, const std::optional<std::string>&) override {
        return 0;
    }
    winmsg::WindowHandle findWindowEx(winmsg::WindowHandle, winmsg::WindowHandle, const std::optional<std::string>&,
                                      const std::optional<std::string>&) override {
        return 0;
    }
    winmsg::LResult sendMessage(winmsg::WindowHandle, winmsg::MessageId message, winmsg::WParam wParam,
                                winmsg::LParam) override {
        ++sent[message];
        if (message == winmsg::msg::lbGetTextLen) return wParam == 0 ? 9 : winmsg::listBoxError;
        return 0;
    }
    winmsg::LResult sendTextMessage(winmsg::WindowHandle, winmsg::MessageId, winmsg::WParam,
                                    std::string& buffer) override {
        std::string text = "螺栓";  // shorter than the length announced
        buffer.replace(0, text.size(), text);
        return static_cast<winmsg::LResult>(text.size());
    }
    winmsg::LResult sendRectMessage(winmsg::WindowHandle, winmsg::MessageId, winmsg::WParam,
                                    winmsg::Rect& rect) override {
        rect = {4, 33, 105, 50};
        return 0;
    }
    std::map<winmsg::MessageId, int> sent;
    std::vector<winmsg::LParam> points;
};

TEST(DialogControlsTest, ReadsItemTextsUpToTheLengthWritten) {
    AwkwardList list;
    EXPECT_EQ(GetListItemText(list, 7, 0), "螺栓");
    EXPECT_EQ(GetListItemText(list, 7, 3), "") << "an index the list refuses reads as no text";
}

TEST(DialogControlsTest, ClicksTheMiddleOfTheRowAndPressesButtonsAsOftenAsAsked) {
    struct Recorder : AwkwardList {
        winmsg::LResult sendMessage(winmsg::WindowHandle w, winmsg::MessageId m, winmsg::WParam wp,
                                    winmsg::LParam lp) override {
            if (m == winmsg::msg::wmLButtonDown || m == winmsg::msg::wmLButtonUp) points.push_back(lp);
            return AwkwardList::sendMessage(w, m, wp, lp);
        }
    } list;
    ClickListItem(list, 7, 2);
    // x = (105 - 4) / 2 = 50 (from the left edge of the client area), y = 33 + 17 / 2 = 41.
    EXPECT_EQ(list.points, (std::vector<winmsg::LParam>{(41 << 16) | 50, (41 << 16) | 50}));
    ClickButton(list, 9, 3);
    ClickButton(list, 9, 0);
    ClickButton(list, 9, -1);
    EXPECT_EQ(list.sent[winmsg::msg::bmClick], 3);
}

}  // namespace
}  // namespace qvl::orderloom
