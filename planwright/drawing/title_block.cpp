// The model's identity and physical data for the title block and the size text, and the title
// texts of the frame.

#include <string>

#include "common/automation/error_trap.h"
#include "common/automation/variant.h"
#include "common/text/vb_number.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

void MainFrm::GetPartProperties(const Object& model) {
    for (std::size_t i : {0, 2, 3, 4, 6, 7, 8}) TitleValues[i].clear();
    ErrorTrap trap;
    const std::string kind = model.typeName();
    if (kind == "Product") {
        trap([&] { TitleValues[0] = model.get("Parent").object().get("FullName").toString(); });
        trap([&] { TitleValues[2] = model.get("Definition").toString(); });
        trap([&] { TitleValues[3] = model.get("PartNumber").toString(); });
        trap([&] { TitleValues[4] = model.get("Nomenclature").toString(); });
        // CATIA's analysis gives kg, mm3 and mm2; the title shows kg, cm3 and cm2.
        trap([&] {
            const double mass = model.get("Analyze").object().get("Mass").toDouble();
            TitleValues[6] = text::formatFixed(text::roundHalfEven(mass, 3), 3) + "kg";
        });
        trap([&] {
            const double volume = model.get("Analyze").object().get("Volume").toDouble();
            TitleValues[7] = text::cstr(text::roundHalfEven(volume / 1000, 2)) + " cm^3";
        });
        trap([&] {
            const double area = model.get("Analyze").object().get("WetArea").toDouble();
            TitleValues[8] = text::cstr(text::roundHalfEven(area / 100, 2)) + "cm^2";
        });
        return;
    }
    if (kind == "Body" || kind == "Solid") {
        // A body stands for a part of its own: named after the part that holds it.
        trap([&] { TitleValues[0] = model.get("Parent").object().get("Parent").object().get("Name").toString(); });
        trap([&] { TitleValues[2] = model.get("Name").toString(); });
        TitleValues[3] = TitleValues[0] + "-子件";
        TitleValues[4] = TitleValues[0] + "-材料待定";
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
    ErrorTrap trap;
    for (const TitleText& text : texts) {
        if (!text.wanted) continue;
        trap([&] {
            component.call("GetModifiableObject", {Variant(text.textName)}).object().put("Text", Variant(text.value));
        });
    }
}

}  // namespace qvl::planwright
