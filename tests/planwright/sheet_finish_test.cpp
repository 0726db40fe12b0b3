// Frame, title block, size text and notes of a model's sheet.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "planwright/drawing/shared_drawing.h"
#include "tests/planwright/drawing_fixture.h"

namespace qvl::planwright::testing {
namespace {

using Strings = std::vector<std::string>;
const std::string bracketPath = "D:\\models\\Bracket.CATPart";

class SheetFinishTest : public DrawingTest {
protected:
    FakeModel* bracket = nullptr;
    Object product;

    MainFrm& prepare() {
        bracket = &catia.addPart(bracketPath, "Bracket");
        bracket->definition = "左支架";
        bracket->nomenclature = "Q235";
        MainFrm& f = start();
        EXPECT_TRUE(f.CreateDrawingFromTemplate("Finish", "Finish"));
        product = catia.openModel(bracketPath).get("Product").object();
        return f;
    }
    FakeView& background() const { return *lastDrawing().sheet("Finish")->background(); }
    std::string title(const std::string& name) const {
        const FakeText* text = nullptr;
        for (const auto& c : background().components) {
            for (const auto& t : c->texts) {
                if (t->name == name) text = t.get();
            }
        }
        return text ? text->text : "<none>";
    }
};

// ---- Part properties --------------------------------------------------------------------------

TEST_F(SheetFinishTest, AProductGivesItsIdentityMassVolumeAndArea) {
    MainFrm& f = prepare();
    f.TitleValues[1] = "(1x2x3)";
    f.GetPartProperties(product);
    EXPECT_EQ(f.TitleValues, (std::array<std::string, 9>{bracketPath, "(1x2x3)", "左支架", "Bracket", "Q235", "",
                                                         "1.250kg", "12.5 cm^3", "34.56cm^2"}));

    bracket->analysis.reset();  // the mass analysis fails; the names still come
    f.GetPartProperties(product);
    EXPECT_EQ(f.TitleValues[3], "Bracket");
    EXPECT_EQ(f.TitleValues[6], "");
    EXPECT_EQ(f.TitleValues[8], "");
}

TEST_F(SheetFinishTest, ABodyIsNamedAfterItsPart) {
    MainFrm& f = prepare();
    f.TitleValues[6] = "9.000kg";
    const Object body = catia.openModel(bracketPath).get("Part").object().get("Bodies").object().call("Item", {1}).object();
    f.GetPartProperties(body);
    EXPECT_EQ(f.TitleValues[0], "Bracket");
    EXPECT_EQ(f.TitleValues[2], "PartBody");
    EXPECT_EQ(f.TitleValues[3], "Bracket-子件");
    EXPECT_EQ(f.TitleValues[4], "Bracket-材料待定");
    EXPECT_EQ(f.TitleValues[6], "");
    EXPECT_EQ(f.TitleValues[7], "");
}

// ---- Frame, title block and notes -------------------------------------------------------------

TEST_F(SheetFinishTest, TheFrameComesFromTheTemplateOfTheProjectionMethod) {
    MainFrm& f = prepare();
    catia.displayFileAlerts = true;
    const Object target = FindViewOfType13(f.CurrentSheet);
    f.InsertFrame(target, "A3", 337, 544);
    f.op3rd.setValue(1);
    f.InsertNotes(target, "Notes_Casting", 737, 801);

    EXPECT_EQ(catia.logOf("Read"), (Strings{"Read " + firstAngleTemplate, "Read " + thirdAngleTemplate}));
    EXPECT_EQ(catia.alertsDuringRead, (std::vector<bool>{false, false}));
    EXPECT_TRUE(catia.displayFileAlerts);
    ASSERT_EQ(background().components.size(), 1u);  // the frame stays a component
    EXPECT_EQ(background().components[0]->source, "A3");
    EXPECT_EQ(background().components[0]->x, 337);
    EXPECT_EQ(background().components[0]->y, 544);
    EXPECT_FALSE(f.FrameComponent.isNothing());
    EXPECT_EQ(background().exploded, Strings{"Notes_Casting 737,801"});  // notes become texts at once
    EXPECT_NE(textNamed(background(), "Text.1"), nullptr);
}

TEST_F(SheetFinishTest, CodesThatAreNoCodesGetTheirMessages) {
    MainFrm& f = prepare();
    const Object target = FindViewOfType13(f.CurrentSheet);
    f.InsertFrame(target, "A3", 0, 0);
    f.InsertFrame(target, "A5", 0, 0);
    f.InsertNotes(target, "Notes_Wood", 0, 0);
    EXPECT_EQ(messages(), (Strings{programTitle + "|图框尺寸代号输入错误！|0",
                                   programTitle + "|技术要求代号名称输入错误！|0"}));
    EXPECT_TRUE(f.FrameComponent.isNothing());  // not the frame inserted before
    EXPECT_EQ(catia.logOf("Read").size(), 1u);
}

TEST_F(SheetFinishTest, AFrameMissingFromTheTemplateLeavesNoComponentBehind) {
    MainFrm& f = prepare();
    const Object target = FindViewOfType13(f.CurrentSheet);
    f.InsertFrame(target, "A2", 0, 0);
    ASSERT_FALSE(f.FrameComponent.isNothing());
    catia.missingTemplatePieces = {"A3"};
    f.InsertFrame(target, "A3", 0, 0);
    EXPECT_TRUE(f.FrameComponent.isNothing());
    // The frame is missing content, and the template is named for lacking it.
    EXPECT_EQ(f.Missing.pieces(), Strings{"图框"});
    EXPECT_EQ(f.TemplateFaults.pieces(), Strings{firstAngleTemplate + ": 缺少图框 A3"});
    // A template that is there but cannot be read is named as such.
    catia.templates.clear();
    f.InsertFrame(target, "A2", 0, 0);
    EXPECT_TRUE(f.FrameComponent.isNothing());
    EXPECT_EQ(f.TemplateFaults.pieces().back(), firstAngleTemplate + ": 无法读取");
    // One that is not there was offered to be made: the run says nothing more of it.
    const std::size_t faults = f.TemplateFaults.pieces().size();
    disk.removeFile(firstAngleTemplate);
    f.InsertFrame(target, "A2", 0, 0);
    EXPECT_EQ(f.TemplateFaults.pieces().size(), faults);
    EXPECT_TRUE(catia.displayFileAlerts);
    EXPECT_TRUE(messages().empty());
}

TEST_F(SheetFinishTest, TitleBlockWritesTheCheckedInputs) {
    MainFrm& f = prepare();
    f.InsertFrame(FindViewOfType13(f.CurrentSheet), "A4", 0, 0);
    f.chkDesigner.setValue(0);
    f.txtDrawner.setText("王工");
    f.txtDate.setText("2026/12/7");
    f.FillTitleBlock(f.FrameComponent, "左支架", "Bracket", "Q235", "1 : 1", "1.250kg");
    EXPECT_EQ(title("TitleName"), "左支架");
    EXPECT_EQ(title("TitlePN"), "Bracket");
    EXPECT_EQ(title("TitleMaterial"), "Q235");
    EXPECT_EQ(title("TitleScale"), "1 : 1");
    EXPECT_EQ(title("TitleMass"), "1.250kg");
    EXPECT_EQ(title("TitleDesigner"), "template");
    EXPECT_EQ(title("TitleDrawner"), "王工");
    EXPECT_EQ(title("TitleDate1"), "2026/12/7");
    EXPECT_EQ(title("TitleDate2"), "2026/12/7");
}

TEST_F(SheetFinishTest, ATitleTextMissingFromTheFrameIsSkippedAndNamed) {
    MainFrm& f = prepare();
    catia.missingTitleTexts = {"TitlePN"};
    f.InsertFrame(FindViewOfType13(f.CurrentSheet), "A4", 0, 0);
    f.FillTitleBlock(f.FrameComponent, "N", "P", "M", "S", "W");
    EXPECT_EQ(title("TitlePN"), "<none>");
    EXPECT_EQ(title("TitleMaterial"), "M");
    EXPECT_EQ(title("TitleDate2"), f.txtDate.text());
    EXPECT_EQ(f.Missing.pieces(), Strings{"标题栏: TitlePN"});
    EXPECT_EQ(f.TemplateFaults.pieces(), Strings{firstAngleTemplate + ": 缺少可在实例中修改的标题栏文字 TitlePN"});
    // Without a frame there is no title block: nothing more is missing.
    f.FillTitleBlock(automation::Object(), "N", "P", "M", "S", "W");
    EXPECT_EQ(f.Missing.pieces().size(), 1u);

    // A title text that is there but cannot be written is missing content.
    f.Missing.clear();
    catia.failing = {"DrawingText.Text"};
    f.FillTitleBlock(f.FrameComponent, "N", "P", "M", "S", "W");
    EXPECT_EQ(f.Missing.pieces(), (Strings{"标题栏: TitleName", "标题栏: TitlePN", "标题栏: TitleMaterial", "标题栏: TitleScale",
                                           "标题栏: TitleMass", "标题栏: TitleDesigner", "标题栏: TitleDrawner",
                                           "标题栏: TitleDate1", "标题栏: TitleDate2"}));
}

TEST_F(SheetFinishTest, AddFrameSwitchesTheTitleInputs) {
    MainFrm& f = prepare();
    const std::vector<ui::Control*> inputs{&f.chkDesigner, &f.txtDesigner, &f.chkDrawner,
                                           &f.txtDrawner,  &f.chkDate,     &f.txtDate};
    f.chkAddFrm.setValue(0);
    for (ui::Control* c : inputs) EXPECT_FALSE(c->enabled()) << c->name();
    f.chkAddFrm.setValue(2);
    for (ui::Control* c : inputs) EXPECT_FALSE(c->enabled()) << c->name();
    f.chkAddFrm.setValue(1);
    for (ui::Control* c : inputs) EXPECT_TRUE(c->enabled()) << c->name();
}

// ---- The whole finish -------------------------------------------------------------------------

TEST_F(SheetFinishTest, AnA3SheetGetsFrameSizeLineAndNotesAroundItsOrigin) {
    MainFrm& f = prepare();
    f.FrameOrigin = sideBySideFrameOrigins();
    f.PaperCode = "A3";
    f.TitleValues[1] = "(120.5x80x45.3)";
    f.TitleValues[5] = "1 : 1";
    f.FinishSheet(1, 1, 1, product);

    ASSERT_EQ(background().components.size(), 1u);
    EXPECT_EQ(background().components[0]->x, 337);
    EXPECT_EQ(background().components[0]->y, 544);
    EXPECT_EQ(title("TitlePN"), "Bracket");
    EXPECT_EQ(title("TitleScale"), "1 : 1");
    const FakeText* line = textNamed(background(), "");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text, bracketPath + "     长宽高(120.5x80x45.3)     体积12.5 cm^3     表面积34.56cm^2");
    EXPECT_EQ(line->x, 342);
    EXPECT_EQ(line->y, 544);
    EXPECT_EQ(line->anchor, 3);
    EXPECT_EQ(line->fontSize, 3.5);
    EXPECT_EQ(background().exploded, Strings{"Notes_General 737,801"});
    EXPECT_EQ(f.FrameOrigin[1], (SheetPoint{337, 207}));
}

TEST_F(SheetFinishTest, WithoutAdditionsOnlyTheOriginMoves) {
    MainFrm& f = prepare();
    f.PaperCode = "Ax";
    f.BlockHeight = 500;
    f.FinishSheet(0, 0, 0, product);
    EXPECT_TRUE(background().components.empty());
    EXPECT_TRUE(background().texts.empty());
    EXPECT_EQ(f.FrameOrigin[5], (SheetPoint{0, 500}));
    EXPECT_TRUE(catia.logOf("Read").empty());
}

TEST_F(SheetFinishTest, TheSizeLineDescribesThisModelWithoutAFrame) {
    MainFrm& f = prepare();
    f.TitleValues[0] = "D:\\models\\Earlier.CATPart";
    f.PaperCode = "A1";
    f.FinishSheet(0, 1, 0, product);
    const FakeText* line = textNamed(background(), "");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text.rfind(bracketPath + "     长宽高", 0), 0u);
    EXPECT_EQ(line->x, 20);
    EXPECT_EQ(line->y, 10);
}

TEST_F(SheetFinishTest, WithoutAPaperTheSizeLineFailsAndTheOriginStays) {
    MainFrm& f = prepare();
    f.PaperCode = "";
    EXPECT_THROW(f.FinishSheet(1, 1, 1, product), automation::Error);
    EXPECT_TRUE(background().components.empty());
    EXPECT_EQ(f.FrameOrigin, FrameOrigins{});
}

}  // namespace
}  // namespace qvl::planwright::testing
