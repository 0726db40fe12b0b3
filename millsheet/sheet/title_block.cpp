// The title block of the machining sheet: twenty-one named texts of the placed frame, filled
// from the window and with the process document's path.

#include <string>

#include "common/automation/error_trap.h"
#include "common/drawing/template_detail.h"
#include "millsheet/main_frm3.h"
#include "millsheet/sheet/title_block.h"

namespace qvl::millsheet {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

MachiningTitleValues MainFrm3::TitleValuesFromWindow() {
    std::string processPath;
    ErrorTrap trap;
    if (!trap([&] { processPath = connection_.ActiveDoc.get("FullName").toString(); })) {
        Missing.add(missingTitlePiece(filePathTitleIndex));
    }
    return {txtPartName1.text(), txtPartNumber1.text(), txtNCMade1.text(),   txtDate1.text(),
            txtMaterial1.text(), txtSize1.text(),       txtX0.text(),        txtY0.text(),
            txtZ0.text(),        txtFixMethod1.text(),  processPath,         txtOP1.text(),
            txtMachine1.text(),  txtCheck1.text(),      txtDate2.text(),     txtApproval1.text(),
            txtDate3.text(),     txtTecNotes11.text(),  txtDocNo1.text(),    txtDocRev1.text(),
            txtECNNo1.text()};
}

void MainFrm3::FillMachiningTitleBlock(const Object& component, const MachiningTitleValues& values) {
    CurrentSheet.call("Activate");
    ErrorTrap trap;
    for (std::size_t i = 0; i < machiningTitleTextNames.size(); ++i) {
        // A text that the frame does not hand out (none of that name, or one the template did not
        // make modifiable in instances) is skipped and named; no other text is touched instead.
        Object text;
        if (!trap([&] {
                text = component.call("GetModifiableObject", {Variant(machiningTitleTextNames[i])}).object();
            })) {
            if (!component.isNothing()) {
                Missing.add(templateFault(drawing::MissingTitleText(machiningTitleTextNames[i])));
            }
            continue;
        }
        if (!trap([&] { text.put("Text", Variant(values[i])); })) Missing.add(missingTitlePiece(i));
    }
}

}  // namespace qvl::millsheet
