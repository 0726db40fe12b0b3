// The model's identity and physical data for the title block and the size text, and the title
// texts of the frame.

#include <string>

#include "common/automation/error_trap.h"
#include "common/drawing/template_detail.h"
#include "common/automation/variant.h"
#include "common/text/vb_number.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

void MainFrm::GetPartProperties(const Object& model) {
    for (std::size_t i : {0, 2, 3, 4, 6, 7, 8}) TitleValues[i].clear();
    UnreadTitleValues.reset();
    ErrorTrap trap;
    // One value read from the model; a failed read leaves it empty and marks it unread.
    auto read = [&](std::size_t index, const auto& statement) {
        if (!trap(statement)) UnreadTitleValues.set(index);
    };
    const std::string kind = model.typeName();
    if (kind == "Product") {
        read(0, [&] { TitleValues[0] = model.get("Parent").object().get("FullName").toString(); });
        read(2, [&] { TitleValues[2] = model.get("Definition").toString(); });
        read(3, [&] { TitleValues[3] = model.get("PartNumber").toString(); });
        read(4, [&] { TitleValues[4] = model.get("Nomenclature").toString(); });
        // CATIA's analysis gives kg, mm3 and mm2; the title shows kg, cm3 and cm2.
        read(6, [&] {
            const double mass = model.get("Analyze").object().get("Mass").toDouble();
            TitleValues[6] = text::formatFixed(text::roundHalfEven(mass, 3), 3) + "kg";
        });
        read(7, [&] {
            const double volume = model.get("Analyze").object().get("Volume").toDouble();
            TitleValues[7] = text::cstr(text::roundHalfEven(volume / 1000, 2)) + " cm^3";
        });
        read(8, [&] {
            const double area = model.get("Analyze").object().get("WetArea").toDouble();
            TitleValues[8] = text::cstr(text::roundHalfEven(area / 100, 2)) + "cm^2";
        });
        return;
    }
    if (kind == "Body" || kind == "Solid") {
        // A body stands for a part of its own: named after the part that holds it.
        read(0, [&] { TitleValues[0] = model.get("Parent").object().get("Parent").object().get("Name").toString(); });
        read(2, [&] { TitleValues[2] = model.get("Name").toString(); });
        TitleValues[3] = TitleValues[0] + "-子件";
        TitleValues[4] = TitleValues[0] + "-材料待定";
        if (UnreadTitleValues.test(0)) UnreadTitleValues.set(3).set(4);
    }
}

void MainFrm::FillTitleBlock(const Object& component, const std::string& name, const std::string& partNumber,
                             const std::string& material, const std::string& scale, const std::string& mass) {
    struct TitleText {
        const char* textName;
        const std::string& value;
        bool wanted;
    };
    const TitleText texts[] = {
        {"TitleName", name, true},
        {"TitlePN", partNumber, true},
        {"TitleMaterial", material, true},
        {"TitleScale", scale, true},
        {"TitleMass", mass, true},
        {"TitleDesigner", txtDesigner.text(), chkDesigner.value() == 1},
        {"TitleDrawner", txtDrawner.text(), chkDrawner.value() == 1},
        {"TitleDate1", txtDate.text(), chkDate.value() == 1},
        {"TitleDate2", txtDate.text(), chkDate.value() == 1},
    };
    // Without a frame there is no title block to fill: the frame is missing already.
    if (component.isNothing()) return;
    ErrorTrap trap;
    for (const TitleText& text : texts) {
        if (!text.wanted) continue;
        // A title text that the frame does not hand out (none of that name, or one the template
        // did not make modifiable in instances) is a fault of the template; one that cannot be
        // written leaves the title block without a value it should show.
        const std::string missing = std::string("标题栏: ") + text.textName;
        Object title;
        if (!trap([&] { title = component.call("GetModifiableObject", {Variant(text.textName)}).object(); })) {
            Missing.add(missing);
            templateFault(drawing::MissingTitleText(text.textName));
            continue;
        }
        if (!trap([&] { title.put("Text", Variant(text.value)); })) Missing.add(missing);
    }
}

}  // namespace qvl::planwright
