#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "common/automation/missing_content.h"
#include "common/automation/object.h"
#include "common/catia/connection.h"
#include "common/platform/services.h"
#include "common/ui/form.h"
#include "planwright/batch_outcome.h"
#include "planwright/drawing/sheet_layout.h"
#include "planwright/drawing/shared_drawing.h"
#include "planwright/string_dictionary.h"

namespace qvl::planwright {

using ui::ControlKind;

// No CATIA can be reached for a run: none could be attached, or it went away during the run.
inline constexpr const char* catiaUnreachableMessage = "无法连接到CATIA，请启动CATIA后再执行自动投图！";

// The message box style flag of the information icon.
inline constexpr int informationIcon = 64;

// Planwright's window: the options of a projection run, the work list of model files, the
// output folder and the run command, with the data that the batch and its drawing steps share.
class MainFrm : public ui::Form {
public:
    MainFrm(catia::Connection& connection, platform::Services& services, std::string programFolder = "C:\\QVL");

    // Controls, in tab order.
    ui::Control& frmProjA = add({"frmProjA", ControlKind::Frame, "", {120, 120, 6375, 735}, "投影视角"});
    ui::Control& op1st = add({"op1st", ControlKind::Option, "frmProjA", {120, 270, 2775, 345}, "第一视角投影（国标）", 1});
    ui::Control& op3rd = add({"op3rd", ControlKind::Option, "frmProjA", {3360, 240, 2295, 375}, "第三视角（美标）"});
    ui::Control& chkUserAxis = add({"chkUserAxis", ControlKind::CheckBox, "", {120, 840, 3375, 495}, "优先用第一个用户轴系投影"});
    ui::Control& chkMutiBodies = add({"chkMutiBodies", ControlKind::CheckBox, "", {3480, 840, 3015, 495}, "每个实体都作为零件处理", 1});
    ui::Control& cbxlstSize = add({"cbxlstSize", ControlKind::ComboBox, "", {2160, 1440, 855, 405}, "A0"});
    ui::Control& chkAddFrm = add({"chkAddFrm", ControlKind::CheckBox, "", {3480, 1440, 1455, 375}, "添加图框", 1});
    ui::Control& chkAddDes = add({"chkAddDes", ControlKind::CheckBox, "", {5040, 1440, 1455, 375}, "添加数模长宽高体积表面积", 1});
    ui::Control& txtVdis = add({"txtVdis", ControlKind::TextBox, "", {1320, 1920, 735, 375}, "40"});
    ui::Control& lstParts = add({"lstParts", ControlKind::ListBox, "", {120, 2400, 6375, 2100}, "", 0, {.multiSelect = true}});
    ui::Control& cmdWinSel = add({"cmdWinSel", ControlKind::Button, "", {120, 4560, 1935, 375}, "在窗口中选择零件"});
    ui::Control& cmdFolderSel = add({"cmdFolderSel", ControlKind::Button, "", {2160, 4560, 1935, 375}, "打开文件夹选择"});
    ui::Control& cmdDelSel = add({"cmdDelSel", ControlKind::Button, "", {4320, 4560, 1000, 375}, "删除所选"});
    ui::Control& lblSize = add({"lblSize", ControlKind::Label, "", {120, 1440, 2055, 375}, "图纸幅面：不超过"});
    ui::Control& cmdDelAll = add({"cmdDelAll", ControlKind::Button, "", {5520, 4560, 1000, 375}, "清除所有"});
    ui::Control& opOut1 = add({"opOut1", ControlKind::Option, "frmOutOp", {120, 240, 1695, 375}, "单文件单页"});
    ui::Control& opOut2 = add({"opOut2", ControlKind::Option, "frmOutOp", {1680, 285, 1695, 285}, "单文件多页"});
    ui::Control& opOut3 = add({"opOut3", ControlKind::Option, "frmOutOp", {3240, 270, 2415, 315}, "多文件,文件加后缀", 1});
    ui::Control& txtSuf = add({"txtSuf", ControlKind::TextBox, "frmOutOp", {5640, 240, 615, 375}, ""});
    ui::Control& chkNotes = add({"chkNotes", ControlKind::CheckBox, "frmOutOp", {120, 1440, 2055, 375}, "插入技术要求-", 1});
    ui::Control& cbxNotes = add({"cbxNotes", ControlKind::ComboBox, "frmOutOp", {2040, 1440, 2895, 405}, "Notes_General"});
    ui::Control& chkDesigner = add({"chkDesigner", ControlKind::CheckBox, "frmOutOp", {120, 1920, 855, 375}, "设计", 1});
    ui::Control& txtDesigner = add({"txtDesigner", ControlKind::TextBox, "frmOutOp", {960, 1905, 1095, 405}, "-"});
    ui::Control& chkDrawner = add({"chkDrawner", ControlKind::CheckBox, "frmOutOp", {2040, 1920, 975, 375}, "绘图", 1});
    ui::Control& txtDrawner = add({"txtDrawner", ControlKind::TextBox, "frmOutOp", {2880, 1905, 1095, 405}, "-"});
    ui::Control& chkDate = add({"chkDate", ControlKind::CheckBox, "frmOutOp", {4080, 1920, 855, 375}, "日期", 1});
    ui::Control& txtDate = add({"txtDate", ControlKind::TextBox, "frmOutOp", {4920, 1920, 1335, 405}, "2020/06/01"});
    ui::Control& cmdChangeDir = add({"cmdChangeDir", ControlKind::Button, "frmOutOp", {5880, 2400, 375, 375}, "修改"});
    ui::Control& chkDwg = add({"chkDwg", ControlKind::CheckBox, "frmOutOp", {120, 2880, 5895, 255}, "投影完成后导出dwg文件"});
    ui::Control& cmddwg = add({"cmddwg", ControlKind::Button, "frmOutOp", {3000, 2880, 1575, 375}, "现在导出dwg"});
    ui::Control& cmdProjPl = add({"cmdProjPl", ControlKind::Button, "frmOutOp", {4560, 2916, 1692, 336}, "修改投影平面"});
    ui::Control& cmdRun = add({"cmdRun", ControlKind::Button, "", {0, 8520, 6495, 375}, "执行自动投图"});
    ui::Control& lblInfo = add({"lblInfo", ControlKind::Label, "", {2280, 1920, 4335, 375}, "视图比例：优先1:1(轴测图1:2), 超过自动缩小"});
    ui::Control& frmOutOp = add({"frmOutOp", ControlKind::Frame, "", {120, 5040, 6375, 3375}, "输出选项"});
    ui::Control& lblOutFolder = add({"lblOutFolder", ControlKind::Label, "frmOutOp", {120, 2400, 1215, 375}, "输出目录："});
    ui::Control& lblDescr = add({"lblDescr", ControlKind::Label, "frmOutOp", {120, 600, 6135, 735},
                                 "      单文件单页指所有零件投影在一个CATDrawing的一个DrawingSheet上，单文件多页指所有零件投影在一个"
                                 "CATDrawing文件，但每个零件对应一个DrawingSheet，多文件指每个零件对应输出一个CATDrawing文件"});
    ui::Control& lblVdis = add({"lblVdis", ControlKind::Label, "", {120, 1920, 1215, 375}, "视图间距："});
    ui::Control& lblOutFolder2 = add({"lblOutFolder2", ControlKind::Label, "frmOutOp", {1200, 2400, 4680, 315}, ""});
    ui::Control& SaveConf = add({"SaveConf", ControlKind::Button, "frmOutOp", {5040, 1320, 1215, 495}, "设为默认"});

    // Window-level data, built by Form_Load and kept for the window's life.
    StandardScaleList StandardScales{};             // 100 ... 1/10000; index 6 is 1:1
    std::array<std::string, 6> PaperSizes;          // "A0" ... "A4", "Ax"
    std::array<std::string, 9> TitleValues;
    FrameOrigins FrameOrigin{};                     // for A4, A3, A2, A1, A0, Ax
    StringDictionary dicParts;                      // the work list: display text -> full path
    std::int16_t WorkIndex = 0;
    automation::Object CurrentDrawing;
    // The file that CreateDrawingFromTemplate saved its drawing as; empty when it saved none.
    std::string CurrentDrawingFile;
    automation::Object CurrentSheet;
    automation::Object CurrentModel;
    automation::Object FrameComponent;
    double ViewScale = 0;
    std::string PaperCode;
    std::int16_t BlockHeight = 0;
    std::array<double, 6> FrontViewDirection{};
    // What the drawing of the current model lacks of the content that the run's options ask
    // for (frame, notes, title-block values, size text, view direction); the batch counts a
    // model with missing content as failed.
    automation::MissingContent Missing;
    // What the run met missing in the template files: "file: piece", each once; the run's
    // final message names them.
    automation::MissingContent TemplateFaults;
    // Export every drawing of a run as PDF beside its DWG (an unattended run's option; the
    // window has no control for it).
    bool ExportPdf = false;
    // Told of each batch run's models and files (an unattended run's log); not owned.
    BatchObserver* batchObserver = nullptr;
    // How the last batch run ended.
    BatchOutcome lastBatch;

    // Start-up, output folder and run.
    void Form_Load() override;
    void cmdRun_Click();
    void cmdChangeDir_Click();
    void lblOutFolder2_Click();
    // The batch projection of the work list in output mode 1, 2 or 3.
    virtual void RunBatch(int OutputMode);
    // During a run started by the run button the window answers: pressing the button again, or
    // closing the window, asks whether to stop once the model in hand is done.
    bool Form_QueryUnload() override;
    bool stopRequested() const noexcept { return batchRequests_.stop; }

    // Settings file.
    void SaveConf_Click();
    void LoadSettings();
    std::string settingsPath() const;

    // Work list.
    // Lists a model file as the file dialog does; false when it is listed already.
    bool listModel(const std::string& fullPath) { return addToWorkList(fullPath) == Listing::Added; }
    void cmdWinSel_Click();
    void cmdFolderSel_Click();
    void cmdDelSel_Click();
    void cmdDelAll_Click();

    // The drawing of a run: its document, views, frame, title block, size text and notes.
    // Starts a drawing from the template of the projection method with one sheet `sheetName`
    // and saves it in the output folder under a name that overwrites no file. Returns true
    // when the drawing was made and saved; CurrentDrawing and CurrentSheet are Nothing when no
    // drawing could be made. Failing calls are skipped.
    bool CreateDrawingFromTemplate(const std::string& fileName, const std::string& sheetName);
    // Projects `model` (a Product, or a Body treated as a part) onto `sheet` in four views,
    // chooses scale and paper and places the views. Sets PaperCode, ViewScale, BlockHeight and
    // TitleValues 1 and 5. A failing call ends it; a model that does not fit its paper limit
    // even at the last standard scale is laid out at that scale and then fails.
    void CreateViews(const automation::Object& model, const automation::Object& sheet, double originX,
                     double originY, const std::string& maxPaperCode, int outputMode);
    // Sets PaperCode and ViewScale for a block of views at 1:1; false when the block does not
    // fit `maxPaperCode` even at the last standard scale.
    bool FitScaleToPaper(double width, double height, const std::string& maxPaperCode, double spacing);
    // Places the frame of a paper, or one of the eight notes blocks, from the template as a
    // component of `targetView` at (x, y). Failing calls are skipped; FrameComponent is the new
    // frame, or Nothing when none was made.
    void InsertFrame(const automation::Object& targetView, const std::string& paperCode, double x, double y);
    void InsertNotes(const automation::Object& targetView, const std::string& notesCode, double x, double y);
    // TitleValues 0, 2, 3, 4, 6, 7 and 8 of a Product, Body or Solid; failing calls leave
    // their values empty and their indexes in UnreadTitleValues.
    void GetPartProperties(const automation::Object& model);
    std::bitset<9> UnreadTitleValues;
    // Writes the title texts of the frame component; a text that the frame does not hand out is
    // missing content and a template fault, a text that cannot be written is missing content.
    void FillTitleBlock(const automation::Object& component, const std::string& name,
                        const std::string& partNumber, const std::string& material, const std::string& scale,
                        const std::string& mass);
    // Frame and title block, size text and notes (each when its value is 1), then moves the
    // frame origin of the model's paper on. A failing call ends it.
    void FinishSheet(int addFrame, int addSizeText, int addNotes, const automation::Object& model);
    void chkAddFrm_Click();
    // The template drawing of the chosen projection method.
    std::string templatePath() const;
    // When the template of the chosen projection method does not exist, offers to make the
    // default templates in CATIA.
    void OfferDefaultTemplates();

    // Front-view direction, projection plane and DWG export.
    void FVDirection(const automation::Object& part);
    void cmdProjPl_Click();
    void cmddwg_Click();

    const std::string& programFolder() const noexcept { return programFolder_; }
    catia::Connection& connection() const noexcept { return connection_; }
    platform::Services& services() const noexcept { return services_; }

private:
    enum class Listing { Added, AlreadyListed };
    // Lists a model file under its display text, keeping the work list's two stores in step.
    Listing addToWorkList(const std::string& fullPath);
    void pickProductComponents(const automation::Object& selection);
    // A view of the template placed as a component of `targetView`; Nothing when any step fails,
    // and `piece` is missing content. A template that exists but cannot be read, or lacks the
    // sheet or view of that name, is a template fault.
    automation::Object insertTemplatePiece(const automation::Object& targetView, const std::string& name, double x,
                                           double y, const std::string& piece);
    // Notes that the template file lacks `what` (or cannot be read at all).
    void templateFault(const std::string& what);
    // Asks whether to stop the run after the model in hand; remembers a Yes.
    void askToStopBatch();
    void orientFrontView(const automation::Object& model, const automation::Object& links,
                         const automation::Object& behavior);
    double viewSpacing() const;

    catia::Connection& connection_;
    platform::Services& services_;
    std::string programFolder_;
    // What the person asked for during the run of the run button.
    struct BatchRequests {
        bool running = false;
        bool stop = false;
        bool closeAfterwards = false;
    };
    BatchRequests batchRequests_;
};

}  // namespace qvl::planwright
