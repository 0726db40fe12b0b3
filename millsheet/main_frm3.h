#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/automation/missing_content.h"
#include "common/automation/object.h"
#include "common/automation/variant.h"
#include "common/catia/connection.h"
#include "common/platform/services.h"
#include "common/ui/form.h"
#include "millsheet/operations/operation_record.h"
#include "millsheet/sheet/title_block.h"
#include "common/drawing/standard_scales.h"

namespace qvl::millsheet {

using ui::ControlKind;

// Millsheet's window: the title-block data, notes and sign-offs of a machining sheet, the
// output folder, the reference axis system of the part views and the columns that the
// operations table keeps; its run command turns a picked part of CATIA's process tree into the
// sheet.
class MainFrm3 : public ui::Form {
public:
    MainFrm3(catia::Connection& connection, platform::Services& services, std::string programFolder = "C:\\QVL");

    // Controls, in tab order. Title-block data.
    ui::Control& lblPartName1 = add({"lblPartName1", ControlKind::Label, "", {120, 150, 1095, 315}, "零件名称："});
    ui::Control& txtPartName1 = add({"txtPartName1", ControlKind::TextBox, "", {1260, 120, 3135, 375}, "-"});
    ui::Control& lblPartNumber1 = add({"lblPartNumber1", ControlKind::Label, "", {120, 600, 1095, 315}, "零件编号："});
    ui::Control& txtPartNumber1 = add({"txtPartNumber1", ControlKind::TextBox, "", {1260, 570, 3135, 375}, "-"});
    ui::Control& lblMachine1 = add({"lblMachine1", ControlKind::Label, "", {120, 1050, 1095, 315}, "设备名称："});
    ui::Control& txtMachine1 = add({"txtMachine1", ControlKind::TextBox, "", {1260, 1020, 3135, 375}, "-"});
    ui::Control& lblOP1 = add({"lblOP1", ControlKind::Label, "", {120, 1500, 1095, 315}, "加工工位："});
    ui::Control& txtOP1 = add({"txtOP1", ControlKind::TextBox, "", {1260, 1470, 3135, 375}, "-"});
    ui::Control& lblMaterial1 = add({"lblMaterial1", ControlKind::Label, "", {120, 1950, 1095, 315}, "材  料："});
    ui::Control& txtMaterial1 = add({"txtMaterial1", ControlKind::TextBox, "", {1260, 1920, 3135, 375}, "-"});
    ui::Control& lblFixMethod1 = add({"lblFixMethod1", ControlKind::Label, "", {120, 2400, 1095, 315}, "装夹方法："});
    ui::Control& txtFixMethod1 = add({"txtFixMethod1", ControlKind::TextBox, "", {1260, 2370, 3135, 375}, "-"});
    ui::Control& lblSize1 = add({"lblSize1", ControlKind::Label, "", {120, 2850, 1095, 315}, "毛料尺寸："});
    ui::Control& txtSize1 = add({"txtSize1", ControlKind::TextBox, "", {1260, 2820, 3135, 375}, "-"});
    ui::Control& lblX0 = add({"lblX0", ControlKind::Label, "", {4560, 150, 1095, 315}, "X零点："});
    ui::Control& txtX0 = add({"txtX0", ControlKind::TextBox, "", {5700, 120, 3180, 375}, "-"});
    ui::Control& lblY0 = add({"lblY0", ControlKind::Label, "", {4560, 600, 1095, 315}, "Y零点："});
    ui::Control& txtY0 = add({"txtY0", ControlKind::TextBox, "", {5700, 570, 3180, 375}, "-"});
    ui::Control& lblZ0 = add({"lblZ0", ControlKind::Label, "", {4560, 1050, 1095, 315}, "Z零点："});
    ui::Control& txtZ0 = add({"txtZ0", ControlKind::TextBox, "", {5700, 1020, 3180, 375}, "-"});
    ui::Control& lblDocNo1 = add({"lblDocNo1", ControlKind::Label, "", {4560, 1500, 1095, 315}, "文件编号："});
    ui::Control& txtDocNo1 = add({"txtDocNo1", ControlKind::TextBox, "", {5700, 1470, 3180, 375}, "-"});
    ui::Control& lblDocRev1 = add({"lblDocRev1", ControlKind::Label, "", {4560, 1950, 1095, 315}, "文件版本："});
    ui::Control& txtDocRev1 = add({"txtDocRev1", ControlKind::TextBox, "", {5700, 1920, 3180, 375}, "-"});
    ui::Control& lblECNNo1 = add({"lblECNNo1", ControlKind::Label, "", {4560, 2400, 1095, 315}, "工程更改："});
    ui::Control& txtECNNo1 = add({"txtECNNo1", ControlKind::TextBox, "", {5700, 2370, 3180, 375}, "-"});
    ui::Control& lblTecNotes1 = add({"lblTecNotes1", ControlKind::Label, "", {4560, 2850, 1095, 315}, "技术要求"});
    ui::Control& cmdTecNote1 = add({"cmdTecNote1", ControlKind::Button, "", {5700, 2820, 1500, 375}, "Notes1"});
    ui::Control& cmdTecNote2 = add({"cmdTecNote2", ControlKind::Button, "", {7380, 2820, 1500, 375}, "Notes2"});
    // Multi-line, with a vertical scroll bar.
    ui::Control& txtTecNotes11 = add({"txtTecNotes11", ControlKind::TextBox, "", {120, 3300, 8760, 1455}, "", 0,
                                          {.multiLine = true, .verticalScroll = true}});

    // Sign-offs, axis system and output folder.
    ui::Control& frmOutOp = add({"frmOutOp", ControlKind::Frame, "", {120, 4860, 4455, 3015}, "输出选项"});
    ui::Control& lblNCMadee1 = add({"lblNCMadee1", ControlKind::Label, "frmOutOp", {120, 330, 615, 315}, "编程"});
    ui::Control& txtNCMade1 = add({"txtNCMade1", ControlKind::TextBox, "frmOutOp", {735, 300, 1455, 375}, "-"});
    ui::Control& lblDate1 = add({"lblDate1", ControlKind::Label, "frmOutOp", {2280, 330, 615, 315}, "日期"});
    ui::Control& txtDate1 = add({"txtDate1", ControlKind::TextBox, "frmOutOp", {2895, 300, 1440, 375}, "2020/06/01"});
    ui::Control& lblCheck1 = add({"lblCheck1", ControlKind::Label, "frmOutOp", {120, 780, 615, 315}, "审核"});
    ui::Control& txtCheck1 = add({"txtCheck1", ControlKind::TextBox, "frmOutOp", {735, 750, 1455, 375}, "-"});
    ui::Control& lblDate2 = add({"lblDate2", ControlKind::Label, "frmOutOp", {2280, 780, 615, 315}, "日期"});
    ui::Control& txtDate2 = add({"txtDate2", ControlKind::TextBox, "frmOutOp", {2895, 750, 1440, 375}, "2020/06/01"});
    ui::Control& Label1 = add({"Label1", ControlKind::Label, "frmOutOp", {120, 1230, 615, 315}, "批准"});
    ui::Control& txtApproval1 = add({"txtApproval1", ControlKind::TextBox, "frmOutOp", {735, 1200, 1455, 375}, "-"});
    ui::Control& lblDate3 = add({"lblDate3", ControlKind::Label, "frmOutOp", {2280, 1230, 615, 315}, "日期"});
    ui::Control& txtDate3 = add({"txtDate3", ControlKind::TextBox, "frmOutOp", {2895, 1200, 1440, 375}, "-"});
    ui::Control& lblAxis = add({"lblAxis", ControlKind::Label, "frmOutOp", {120, 1710, 1455, 315}, "投影参考轴系:"});
    ui::Control& cmbAxis = add({"cmbAxis", ControlKind::ComboBox, "frmOutOp", {1575, 1680, 2760, 405}, ""});
    ui::Control& SaveConf = add({"SaveConf", ControlKind::Button, "frmOutOp", {3000, 2130, 1335, 405}, "设为默认"});
    ui::Control& lblOutFolder = add({"lblOutFolder", ControlKind::Label, "frmOutOp", {120, 2190, 1095, 315}, "输出目录："});
    ui::Control& lblOutFolder2 = add({"lblOutFolder2", ControlKind::Label, "frmOutOp", {120, 2610, 3615, 315}, ""});
    ui::Control& cmdChangeDir = add({"cmdChangeDir", ControlKind::Button, "frmOutOp", {3840, 2550, 495, 375}, "修改"});

    // The columns of the operations table, in column order.
    ui::Control& frmList1 = add({"frmList1", ControlKind::Frame, "", {4680, 4860, 4200, 2520}, "输出清单"});
    ui::Control& chkItemNo1 = add({"chkItemNo1", ControlKind::CheckBox, "frmList1", {120, 300, 1935, 300}, "序号"});
    ui::Control& chkProgNo1 = add({"chkProgNo1", ControlKind::CheckBox, "frmList1", {120, 600, 1935, 300}, "程序名", 1});
    ui::Control& chkDes1 = add({"chkDes1", ControlKind::CheckBox, "frmList1", {120, 900, 1935, 300}, "加工描述"});
    ui::Control& chkToolAss1 = add({"chkToolAss1", ControlKind::CheckBox, "frmList1", {120, 1200, 1935, 300}, "刀库名称"});
    ui::Control& chkToolNo1 = add({"chkToolNo1", ControlKind::CheckBox, "frmList1", {120, 1500, 1935, 300}, "刀号", 1});
    ui::Control& chkToolName1 = add({"chkToolName1", ControlKind::CheckBox, "frmList1", {120, 1800, 1935, 300}, "刀具名称", 1});
    ui::Control& chkDiaR1 = add({"chkDiaR1", ControlKind::CheckBox, "frmList1", {120, 2100, 1935, 300}, "直径/R角", 1});
    ui::Control& chkWorkL1 = add({"chkWorkL1", ControlKind::CheckBox, "frmList1", {2160, 300, 1935, 300}, "刃长/装刀长", 1});
    ui::Control& chkBufferS1 = add({"chkBufferS1", ControlKind::CheckBox, "frmList1", {2160, 600, 1935, 300}, "侧余量"});
    ui::Control& chkBufferB1 = add({"chkBufferB1", ControlKind::CheckBox, "frmList1", {2160, 900, 1935, 300}, "底余量"});
    ui::Control& chkQuality1 = add({"chkQuality1", ControlKind::CheckBox, "frmList1", {2160, 1200, 1935, 300}, "加工类型"});
    ui::Control& chkSpindle1 = add({"chkSpindle1", ControlKind::CheckBox, "frmList1", {2160, 1500, 1935, 300}, "主轴转速"});
    ui::Control& chkFeedRate1 = add({"chkFeedRate1", ControlKind::CheckBox, "frmList1", {2160, 1800, 1935, 300}, "进给"});
    ui::Control& chkTime1 = add({"chkTime1", ControlKind::CheckBox, "frmList1", {2160, 2100, 1935, 300}, "理论时间"});
    ui::Control& chkMerg = add({"chkMerg", ControlKind::CheckBox, "", {4680, 7455, 2055, 375}, "合并显示数据", 1});
    ui::Control& chkMergeTime = add({"chkMergeTime", ControlKind::CheckBox, "", {6825, 7455, 2055, 375}, "按程序汇总时间", 1});

    ui::Control& cmdRun = add({"cmdRun", ControlKind::Button, "", {0, 8040, 9000, 495}, "选择程序生成加工单"});

    // Window-level data.
    automation::Object PprDoc;             // the PPRDocument of the process document
    automation::Object TemplateFrameView;  // view "A4" of sheet "A4" of the template
    drawing::StandardScaleList StandardScales{};
    std::vector<std::string> AxisChoices;  // "零件绝对坐标系", then product/axis system
    // The run: what was collected and where the table is filled.
    automation::Object ProcessParameters;
    OperationRecordList OperationRecords;
    std::int16_t OperationCount = 0;
    std::int16_t TableRow = 0;
    automation::Object OperationsTable;
    // The drawing being made.
    automation::Object CurrentDrawing;
    automation::Object CurrentSheet;
    automation::Object FrameComponent;
    double ViewScale = 1;
    // The axis system chosen for the views.
    automation::Object TargetProduct;
    automation::Object TargetAxisSystem;
    // What the run's sheet lacks of the content it was asked to show; the final message names it.
    automation::MissingContent Missing;

    // Start-up and the small commands.
    void Form_Load() override;
    void cmdChangeDir_Click();
    void lblOutFolder2_Click();
    void cmdTecNote1_Click();
    void cmdTecNote2_Click();
    void lblTecNotes1_DblClick();

    // Settings file.
    void SaveConf_Click();
    // Applies the saved options; a tick-box value that is not 0, 1 or 2 (or no number) ends the
    // loading at its key with an automation error.
    void LoadSettings();
    std::string settingsPath() const;

    // The generation of a machining sheet from a pick in CATIA's process tree.
    void cmdRun_Click();

    // Operation records: one per active machining operation below a process activity, a setup
    // or a program, in CATIA's order. Failing calls leave their fields empty. PoToolList lets
    // a failure reach its caller.
    void ProcessFinInfo(const automation::Object& activity);
    void PoToolList(const automation::Variant& setup);
    void ToolInfo(const automation::Variant& program);

    // Shaping of the operations table. Failing calls are skipped.
    void SumTimeByProgram(const automation::Object& table, int keyColumn, int timeColumn);
    void MergeEqualRuns(const automation::Object& table, const std::vector<int>& keptApart);
    void RemoveUntickedColumns(const automation::Object& table);
    // The tick-box values of the 14 columns, in column order.
    std::vector<int> ColumnKeepList() const;
    // Whether the table keeps column `column` (1 to 14) after the unticked ones are removed.
    bool ColumnShown(int column) const;

    // The drawing: a new drawing with one A4 sheet saved in the output folder under a name that
    // overwrites no file; true when it was saved. Failing calls are skipped.
    bool CreateSheetDrawing(const std::string& fileName, const std::string& sheetName);
    // The template's frame placed on `targetView`; a failing call reaches the caller.
    void PlaceFrame(const automation::Object& targetView, const std::string& paperCode, double x, double y);
    // Front, lower and isometric view of `model`, scaled to the view field and placed with the
    // front view's upper-right corner at (centreX, centreY).
    void CreateSheetViews(const automation::Object& model, const automation::Object& sheet, double centreX,
                          double centreY, double gap);
    void FitSheetScale(double width, double height, double gap);
    // Writes the 21 title texts into the placed frame; names the frame does not hand out are
    // skipped and missing content of the template. Fails only when the sheet cannot be activated.
    void FillMachiningTitleBlock(const automation::Object& component, const MachiningTitleValues& values);
    MachiningTitleValues TitleValuesFromWindow();

    // Axis systems of the process document's parts.
    void GetProdAxisList(const automation::Object& product);
    // The product of `product` or below it that `axisChoice` ("product/axis system") names, and
    // that axis system: sets TargetProduct and TargetAxisSystem.
    void TargProd(const automation::Object& product, const std::string& axisChoice);
    // Draws the axis symbol in `view`: two legs labelled with the axis names, of one size on paper
    // whatever `viewScale`.
    void MapAxis(const automation::Object& view, const std::string& horizontalLabel, const std::string& verticalLabel,
                 double viewScale);

    // The template drawing with the frame and the notes.
    std::string templatePath() const;
    const std::string& programFolder() const noexcept { return programFolder_; }
    catia::Connection& connection() const noexcept { return connection_; }
    platform::Services& services() const noexcept { return services_; }

private:
    // Reads the template, after offering to make it when it does not exist; sets
    // TemplateFrameView, or shows the template message.
    void readTemplate();
    // When the template does not exist, offers to make the default template in CATIA.
    void offerDefaultTemplate();
    // What the template lacks, as the run's message names it: "file: piece".
    std::string templateFault(const std::string& what) const;
    void loadNotes(const std::string& notesName);
    // Fills the operations table from the records and writes the footer with the total time.
    // Rows that cannot be written are missing content when `tableExpected` (the template
    // holds the table, or it could not be looked for).
    void fillOperationsTable(bool tableExpected);
    void collectRecords(const automation::Variant& picked);
    // The operations below a process node could not all be read: missing content named after
    // the node (just "工序" when its name cannot be read either).
    void missOperationsOf(const automation::Object& node);

    catia::Connection& connection_;
    platform::Services& services_;
    std::string programFolder_;
    // The path (without extension) under which CreateSheetDrawing saved the drawing.
    std::optional<std::string> savedPath_;
    // Why the last read of a template that exists gave no frame: it cannot be read, or it lacks
    // the frame; nullopt when it gave one, or when there is no template.
    std::optional<std::string> frameFault_;
};

}  // namespace qvl::millsheet
