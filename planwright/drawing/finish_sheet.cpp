// The additions to a model's views: frame with title block, the line with the model's size,
// volume and area, the technical notes; then the frame origin of the model's paper moves on so
// that the next model on a shared sheet lands beside it.

#include <optional>
#include <string>

#include "common/automation/variant.h"
#include "planwright/drawing/shared_drawing.h"
#include "planwright/drawing/sheet_layout.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

using automation::Object;
using automation::Variant;

namespace {

constexpr int sizeTextAnchor = 3;
constexpr double sizeTextFontSize = 3.5;
constexpr const char* separator = "     ";

}  // namespace

void MainFrm::FinishSheet(int addFrame, int addSizeText, int addNotes, const Object& model) {
    CurrentSheet.call("Activate");
    const std::optional<std::size_t> slot = frameOriginSlot(PaperCode);

    bool propertiesRead = false;
    if (addFrame == 1 && slot) {
        const SheetPoint origin = FrameOrigin[*slot];
        InsertFrame(FindViewOfType13(CurrentSheet), PaperCode, origin.x, origin.y);
        GetPartProperties(model);
        propertiesRead = true;
        FillTitleBlock(FrameComponent, TitleValues[2], TitleValues[3], TitleValues[4], TitleValues[5],
                       TitleValues[6]);
        // Values of the model that could not be read leave the placed title block without them.
        if (!FrameComponent.isNothing()) {
            for (std::size_t i : {2, 3, 4, 6}) {
                if (UnreadTitleValues.test(i)) Missing.add("标题栏");
            }
        }
    }

    if (addSizeText == 1) {
        // The line always describes this model, with or without a frame.
        if (!propertiesRead) GetPartProperties(model);
        for (std::size_t i : {0, 7, 8}) {
            if (UnreadTitleValues.test(i)) Missing.add("尺寸行");
        }
        const std::string sizeText = TitleValues[0] + separator + "长宽高" + TitleValues[1] + separator + "体积" +
                                     TitleValues[7] + separator + "表面积" + TitleValues[8];
        Object target;
        SheetPoint at;
        if (slot) {
            target = FindViewOfType13(CurrentSheet);
            at = *sizeTextPosition(PaperCode, FrameOrigin[*slot]);
        }
        const Object text =
            target.get("Texts").object().call("Add", {Variant(sizeText), Variant(at.x), Variant(at.y)}).object();
        const Object properties = text.get("TextProperties").object();
        properties.put("AnchorPoint", sizeTextAnchor);
        text.call("SetFontSize", {Variant(0), Variant(0), Variant(sizeTextFontSize)});
        // CATIA applies changed text properties at their Update.
        properties.call("Update");
    }

    if (addNotes == 1 && slot) {
        const SheetPoint at = *notesPosition(PaperCode, FrameOrigin[*slot]);
        InsertNotes(FindViewOfType13(CurrentSheet), cbxNotes.text(), at.x, at.y);
    }

    if (slot) FrameOrigin[*slot] = *nextFrameOrigin(PaperCode, FrameOrigin[*slot], BlockHeight);
}

}  // namespace qvl::planwright
