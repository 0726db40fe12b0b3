#include "millsheet/main_frm3.h"

#include <optional>

#include "common/automation/error_trap.h"
#include "common/catia/window_placement.h"
#include "common/ui/output_folder.h"
#include "millsheet/messages.h"
#include "millsheet/sheet/default_template.h"
#include "common/drawing/default_templates.h"
#include "common/drawing/template_detail.h"
#include "common/drawing/standard_scales.h"

namespace qvl::millsheet {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

constexpr const char* fallbackOutputFolder = "D:\\Ferncroft\\QVL_Toolkit_CATIA\\Temp";
constexpr const char* absoluteAxisChoice = "零件绝对坐标系";

}  // namespace

MainFrm3::MainFrm3(catia::Connection& connection, platform::Services& services, std::string programFolder)
    : ui::Form(windowCaption, 9000, 8655),
      connection_(connection),
      services_(services),
      programFolder_(std::move(programFolder)) {
    cmdRun.onClick = [this] { cmdRun_Click(); };
    cmdChangeDir.onClick = [this] { cmdChangeDir_Click(); };
    lblOutFolder2.onClick = [this] { lblOutFolder2_Click(); };
    SaveConf.onClick = [this] { SaveConf_Click(); };
    cmdTecNote1.onClick = [this] { cmdTecNote1_Click(); };
    cmdTecNote2.onClick = [this] { cmdTecNote2_Click(); };
    lblTecNotes1.onDblClick = [this] { lblTecNotes1_DblClick(); };
}

std::string MainFrm3::templatePath() const { return programFolder_ + "\\Template\\CNCFrame_All.CATDrawing"; }

void MainFrm3::offerDefaultTemplate() {
    drawing::OfferDefaultTemplates(connection_, templatePath(), {{templatePath(), MachiningTemplateArtwork}});
}

std::string MainFrm3::templateFault(const std::string& what) const {
    return drawing::TemplateFault(templatePath(), what);
}

void MainFrm3::readTemplate() {
    offerDefaultTemplate();
    ErrorTrap trap;
    // A template that cannot be read leaves no frame of an earlier read to place.
    TemplateFrameView = Object();
    frameFault_.reset();
    Object sheets;
    const bool read = trap([&] { sheets = drawing::TemplateSheets(connection_.CatiaApp, templatePath()); });
    if (read) trap([&] { TemplateFrameView = drawing::TemplateDetail(sheets, "A4"); });
    if (!trap.failed()) return;
    connection_.message(templateMessage(templatePath()));
    // A template that is not there was offered to be made; one that is there is faulty.
    if (services_.fileExists(templatePath())) {
        frameFault_ = templateFault(read ? drawing::MissingTemplateDetail("图框", "A4") : drawing::unreadableTemplate);
    }
}

void MainFrm3::Form_Load() {
    const std::string today = services_.todayShortDate();
    txtDate1.setText(today);
    txtDate2.setText(today);

    connection_.GetCatia();
    ErrorTrap trap;
    readTemplate();
    StandardScales = drawing::BuildStandardScales();
    trap([&] { catia::SetTopMost(services_, hWnd(), true); });

    if (!trap([&] { lblOutFolder2.setCaption(connection_.ActiveDoc.get("Path").toString()); })) {
        lblOutFolder2.setCaption(fallbackOutputFolder);
    }

    if (connection_.ActiveDoc.typeName() != "ProcessDocument") {
        connection_.message(notProcessDocumentMessage);
    } else {
        trap([&] { PprDoc = connection_.ActiveDoc.get("PPRDocument").object(); });
        trap([&] {
            const Object first = PprDoc.get("Products").object().call("Item", {Variant(1)}).object();
            txtPartName1.setText(first.get("Name").toString());
            txtPartNumber1.setText(first.get("PartNumber").toString());
        });

        cmbAxis.clear();
        AxisChoices = {absoluteAxisChoice};
        trap([&] {
            const Object products = PprDoc.get("Products").object();
            const long long count = products.get("Count").toLong();
            for (long long i = 1; i <= count; ++i) {
                GetProdAxisList(products.call("Item", {Variant(i)}).object());
            }
        });
        for (const std::string& choice : AxisChoices) cmbAxis.addItem(choice);
        cmbAxis.setText(cmbAxis.list(cmbAxis.listCount() == 1 ? 0 : 1));
    }

    trap([&] { LoadSettings(); });
}

void MainFrm3::cmdChangeDir_Click() { ui::ChooseOutputFolder(services_, lblOutFolder2); }

void MainFrm3::lblOutFolder2_Click() { ui::OpenOutputFolder(services_, lblOutFolder2); }

// The notes box changes only when the whole chain to the notes text succeeds. The template is
// read afresh on every click.
void MainFrm3::loadNotes(const std::string& notesName) {
    offerDefaultTemplate();
    ErrorTrap trap;
    trap([&] {
        const Object notes = drawing::TemplateDetail(drawing::TemplateSheets(connection_.CatiaApp, templatePath()), notesName);
        txtTecNotes11.setText(notes.get("Texts").object().call("Item", {Variant(1)}).object().get("Text").toString());
    });
}

void MainFrm3::cmdTecNote1_Click() { loadNotes("Notes1"); }
void MainFrm3::cmdTecNote2_Click() { loadNotes("Notes2"); }
void MainFrm3::lblTecNotes1_DblClick() { txtTecNotes11.setText(""); }

}  // namespace qvl::millsheet
