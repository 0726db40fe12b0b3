#include "common/ui/control.h"

#include <gtest/gtest.h>

#include "common/automation/error.h"
#include "common/ui/form.h"

namespace qvl::ui {
namespace {

class TwoGroups : public Form {
public:
    TwoGroups() : Form("two groups", 1000, 1000) {
        a1.onClick = [this] { clicks += "a1 "; };
        a2.onClick = [this] { clicks += "a2 "; };
        b1.onClick = [this] { clicks += "b1 "; };
        check.onClick = [this] { clicks += "check=" + std::to_string(check.value()) + " "; };
    }
    void Form_Load() override {}

    Control& frameA = add({"frameA", ControlKind::Frame, "", {}, "A"});
    Control& a1 = add({"a1", ControlKind::Option, "frameA", {}, "one", 1});
    Control& a2 = add({"a2", ControlKind::Option, "frameA", {}, "two"});
    Control& b1 = add({"b1", ControlKind::Option, "", {}, "b one", 1});
    Control& b2 = add({"b2", ControlKind::Option, "", {}, "b two"});
    Control& check = add({"check", ControlKind::CheckBox, "", {}, "check", 1});
    Control& list = add({"list", ControlKind::ListBox, "", {}, ""});
    std::string clicks;
};

TEST(Control, OptionsOfOneContainerFormAGroup) {
    TwoGroups form;
    form.a2.setValue(1);
    EXPECT_EQ(form.a1.value(), 0);
    EXPECT_EQ(form.a2.value(), 1);
    EXPECT_EQ(form.b1.value(), 1) << "another container is another group";
    form.b2.click();
    EXPECT_EQ(form.b1.value(), 0);
    EXPECT_EQ(form.clicks, "a2 ");
}

TEST(Control, ACheckBoxRaisesClickWhenItsValueChangesAlsoFromCode) {
    TwoGroups form;
    form.check.setValue(1);
    form.check.setValue(0);
    form.check.setValue(2);
    form.check.click();
    EXPECT_EQ(form.clicks, "check=0 check=2 check=1 ");
    EXPECT_THROW(form.check.setValue(3), automation::Error);
    EXPECT_EQ(form.check.value(), 1);
}

TEST(Control, ListLinesKeepTheirSelectionUntilCleared) {
    TwoGroups form;
    for (const char* item : {"a", "b", "c"}) form.list.addItem(item);
    form.list.setSelected(0, true);
    form.list.setSelected(2, true);
    EXPECT_EQ(form.list.selectedIndexes(), (std::vector<int>{0, 2}));
    form.list.setList(2, "c-出现错误!");
    EXPECT_EQ(form.list.list(2), "c-出现错误!");
    EXPECT_THROW(form.list.list(3), automation::Error);
    form.list.clear();
    EXPECT_EQ(form.list.listCount(), 0);
    EXPECT_TRUE(form.list.selectedIndexes().empty());
}

TEST(Form, FindsControlsByNameInTabOrder) {
    TwoGroups form;
    EXPECT_EQ(form.find("b2"), &form.b2);
    EXPECT_EQ(form.find("missing"), nullptr);
    EXPECT_EQ(form.controls().front()->name(), "frameA");
    EXPECT_EQ(form.controls().back()->name(), "list");
}

TEST(Form, NumbersControlsInTabOrderFromTheFirstControlId) {
    TwoGroups form;
    EXPECT_EQ(form.frameA.id(), Form::firstControlId);
    EXPECT_EQ(form.list.id(), Form::firstControlId + 6);
    EXPECT_EQ(form.findById(form.b2.id()), &form.b2);
    EXPECT_EQ(form.findById(Form::firstControlId - 1), nullptr);
    EXPECT_EQ(form.findById(Form::firstControlId + 7), nullptr);
}

// Writes down what it hears, one line per notice.
class RecordingPeer : public ControlPeer, public FormPeer {
public:
    void captionChanged(const Control& c) override { heard += c.name() + " caption=" + c.caption() + "\n"; }
    void textChanged(const Control& c) override { heard += c.name() + " text=" + c.text() + "\n"; }
    void valueChanged(const Control& c) override { heard += c.name() + " value=" + std::to_string(c.value()) + "\n"; }
    void enabledChanged(const Control& c) override { heard += c.name() + " enabled\n"; }
    void itemsChanged(const Control& c) override { heard += c.name() + " items=" + std::to_string(c.listCount()) + "\n"; }
    void selectionChanged(const Control& c) override { heard += c.name() + " selection\n"; }
    void captionChanged(const Form& f) override { heard += "form caption=" + f.caption() + "\n"; }
    void moved(const Form& f) override { heard += "form at " + std::to_string(int(f.left())) + "\n"; }
    std::string heard;
};

TEST(ControlPeer, HearsEveryChangeOnceAndNoRepeatedValue) {
    TwoGroups form;
    RecordingPeer peer;
    for (const auto& control : form.controls()) control->setPeer(&peer);
    form.setPeer(&peer);

    form.a2.setValue(1);
    form.check.click();
    form.frameA.setCaption("A2");
    form.frameA.setCaption("A2");
    form.list.addItem("x");
    form.list.setSelected(0, true);
    form.list.setSelected(0, true);
    form.list.setList(0, "y");
    form.list.clear();
    form.list.clear();
    form.b1.setEnabled(false);
    form.setCaption("renamed");
    form.move(15, 30);
    EXPECT_EQ(peer.heard,
              "a1 value=0\na2 value=1\ncheck value=0\nframeA caption=A2\nlist items=1\nlist selection\n"
              "list items=1\nlist items=0\nb1 enabled\nform caption=renamed\nform at 15\n");
    EXPECT_EQ(form.clicks, "a2 check=0 ") << "events are raised as without a peer";
}

TEST(ControlPeer, ADetachedPeerHearsNothing) {
    TwoGroups form;
    RecordingPeer peer;
    form.check.setPeer(&peer);
    form.check.setPeer(nullptr);
    form.check.setValue(0);
    EXPECT_TRUE(peer.heard.empty());
    EXPECT_EQ(form.check.value(), 0);
}

}  // namespace
}  // namespace qvl::ui
