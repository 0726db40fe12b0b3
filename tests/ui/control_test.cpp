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

}  // namespace
}  // namespace qvl::ui
