#pragma once
// A CATIA with a process document, its products and parts, and drawings with tables, made of
// MemberTable objects: the members that Millsheet calls, with plain state that the tests set up
// and inspect. Single members can be made to fail.

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/automation/member_table.h"
#include "common/automation/object.h"
#include "common/automation/object_factory.h"
#include "common/automation/variant.h"
#include "headless/virtual_disk.h"

namespace qvl::millsheet::testing {

using automation::Object;
using automation::Variant;

struct Node {
    virtual ~Node() = default;
};

using Vector3 = std::array<double, 3>;

// ---- Products and parts -------------------------------------------------------------------

struct FakeAxisSystem : Node {
    std::string name;
    Vector3 x{1, 0, 0};
    Vector3 z{0, 0, 1};
};

struct FakeProduct : Node {
    std::string name;
    std::string partNumber;
    Vector3 size{100, 60, 40};  // extent along x, y, z of the part (of an assembly: of all of it)
    bool hasPart = true;        // a part document behind it (false: a product document)
    std::vector<std::unique_ptr<FakeAxisSystem>> axisSystems;
    std::vector<std::unique_ptr<FakeProduct>> children;

    FakeAxisSystem& axis(const std::string& axisName, Vector3 x = {1, 0, 0}, Vector3 z = {0, 0, 1});
    FakeProduct& child(const std::string& childName, Vector3 childSize = {100, 60, 40});
};

// ---- The process tree ---------------------------------------------------------------------

struct FakeTool {
    std::string name = "T1 End Mill D10";
    Variant number = 1;
    std::string type = "MfgEndMillTool";
    std::map<std::string, Variant> attributes{
        {"MFG_NOMINAL_DIAM", "10mm"}, {"MFG_CORNER_RAD", "0.5mm"}, {"MFG_CUT_LENGTH", "30mm"}};
};

using Attributes = std::map<std::string, Variant>;

// A process activity, setup, program or operation.
struct ProcessNode : Node {
    std::string typeName;
    std::string name;
    std::string comment;
    bool active = true;
    ProcessNode* parent = nullptr;
    std::vector<std::unique_ptr<ProcessNode>> children;
    // Operations.
    std::string operationType = "Pocketing";
    double totaltime = 0;
    std::optional<FakeTool> tool = FakeTool();
    std::optional<Attributes> assembly = Attributes{{"MFG_NAME", "T1 Tool Assembly"}, {"MFG_ASS_GAGE_1", "75mm"}};
    std::map<std::string, std::string> parameters{{"Offset on Contour", "0.2mm"},
                                                  {"Offset on Bottom", "0.1mm"},
                                                  {"Machining quality", "Rough"},
                                                  {"Machining spindle", "3000turn_mn"},
                                                  {"Machining feedrate", "1000mm_mn"}};

    ProcessNode& activity(const std::string& childName, bool isActive = true);
    ProcessNode& setup(const std::string& childName, bool isActive = true);
    ProcessNode& program(const std::string& childName, const std::string& childComment = "", bool isActive = true);
    ProcessNode& operation(const std::string& childName, double time = 1, bool isActive = true);
    bool isBelow(const ProcessNode* ancestor) const;

private:
    ProcessNode& add(const std::string& type, const std::string& childName);
};

// ---- Drawings -----------------------------------------------------------------------------

struct FakeTable : Node {
    std::string name = "ToolsList1";
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> log;  // the calls that changed it, in order
    int computeMode = 1;

    std::size_t rows() const { return cells.size(); }
    std::size_t columns() const { return cells.empty() ? 0 : cells.front().size(); }
    std::vector<std::string> logOf(const std::string& member) const;
};

struct FakeText : Node {
    std::string name;
    std::string text;
    double x = 0;
    double y = 0;
};

struct FakeView;

struct FakeComponent : Node {
    FakeView* source = nullptr;
    FakeView* owner = nullptr;
    double x = 0;
    double y = 0;
    std::vector<std::unique_ptr<FakeText>> texts;
    std::vector<std::unique_ptr<FakeTable>> tables;
    bool exploded = false;
    bool deleted = false;
};

struct FakeView : Node {
    std::string name;
    int viewType = 0;
    double x = 0;
    double y = 0;
    double scale = 1;
    std::vector<std::unique_ptr<FakeText>> texts;
    std::vector<std::unique_ptr<FakeTable>> tables;
    std::vector<std::unique_ptr<FakeComponent>> components;
    std::vector<std::array<double, 4>> lines;
    // The generative definition: "front", "projection" or "isometric".
    std::string definition;
    std::array<double, 6> direction{};
    int projectionType = -1;
    FakeView* projectedFrom = nullptr;
    FakeProduct* document = nullptr;
    FakeProduct* axisProduct = nullptr;
    FakeAxisSystem* axisSystem = nullptr;
    FakeView* referenceView = nullptr;
    bool aligned = false;
    int updates = 0;
    bool copiedLinks = false;

    const FakeText* text(const std::string& textName) const;
    const FakeTable* table(const std::string& tableName) const;
};

struct FakeSheet : Node {
    std::string name;
    int paperSize = 0;
    int projectionMethod = -1;
    double scale = 0;
    int activations = 0;
    std::vector<std::unique_ptr<FakeView>> views;
    FakeView* background() const;
    std::vector<FakeView*> addedViews() const;  // after the main and the background view
};

struct FakeDrawing : Node {
    std::string name;
    std::string path;  // folder, "" until saved
    int standard = 0;
    int saves = 0;
    std::vector<std::unique_ptr<FakeSheet>> sheets;
    std::vector<std::unique_ptr<FakeSheet>> removed;
    std::string fullName() const;
    FakeSheet* sheet(const std::string& sheetName) const;
};

// The template's table: header row, spare row, footer row.
std::vector<std::vector<std::string>> templateTableCells();
inline const std::vector<std::string> columnHeaders{"序号",   "程序名", "加工描述", "刀库名称", "刀号",
                                                    "刀具名称", "直径/R角", "刃长/装刀长", "侧余量", "底余量",
                                                    "加工类型", "主轴转速", "进给",     "理论时间"};
std::vector<std::string> titleTextNames();

// ---- CATIA --------------------------------------------------------------------------------

class FakeCatia : public automation::ObjectFactory {
public:
    explicit FakeCatia(platform::VirtualDisk& disk);

    // The process document; `openProcess` makes it CATIA's active document.
    std::string processFullName = "D:\\nc\\Housing.CATProcess";
    std::unique_ptr<ProcessNode> process;  // the root activity "Process"
    std::vector<std::unique_ptr<FakeProduct>> products;
    FakeProduct& addProduct(const std::string& name, Vector3 size = {100, 60, 40});
    void openProcess();
    void openPart();  // a part document becomes active instead
    void closeAll();

    // The template drawing.
    std::string templatePath = "C:\\QVL\\Template\\CNCFrame_All.CATDrawing";
    bool templateReadable = true;
    std::set<std::string> missingTitleTexts;
    std::optional<std::vector<std::vector<std::string>>> templateTable = templateTableCells();
    std::map<std::string, std::string> notes{{"Notes1", "技术要求\n1. 未注倒角C0.5\n2. 去毛刺"},
                                             {"Notes2", "技术要求\n1. 调质处理"}};
    int newDrawingSheets = 1;  // sheets that a new drawing starts with

    // The machine's state.
    bool displayFileAlerts = true;
    std::deque<std::pair<std::string, Object>> picks;  // status and picked object
    std::set<std::string> failing;                     // "Type.Member" that fail
    std::vector<std::string> pickPrompts;
    int templateReads = 0;
    int reframes = 0;
    std::vector<std::string> overwritten;  // files that SaveAs replaced

    std::vector<std::unique_ptr<FakeDrawing>> drawings;  // every new drawing
    FakeDrawing* templateDrawing() const { return template_.get(); }

    Object pickable(ProcessNode& node) { return processNodeObject(node); }
    Object productObject(FakeProduct& product);

    Object getActiveObject(std::string_view) override { return app_; }
    Object createObject(std::string_view) override { return app_; }

private:
    class Table;
    std::shared_ptr<Table> make(std::string typeName, Node* node = nullptr);
    template <class T>
    T* nodeOf(const Variant& reference) const;

    Object documents();
    Object processDocument();
    Object selection(bool drawingSelection, FakeDrawing* drawing);
    Object processNodeObject(ProcessNode& node);
    Object toolObject(const FakeTool& tool);
    Object attributeHolder(const std::string& type, const Attributes& attributes);
    Object parametersObject(ProcessNode& owner);
    Object axisSystemObject(FakeAxisSystem& axis);
    Object drawingObject(FakeDrawing& drawing);
    Object sheetObject(FakeSheet& sheet);
    Object viewObject(FakeView& view);
    Object behaviorObject(FakeView& view);
    Object tableObject(FakeTable& table);
    Object textObject(FakeText& text);
    Object componentObject(FakeComponent& component);
    void buildTemplate();
    void fillTemplate();
    FakeSheet& addSheet(FakeDrawing& drawing, const std::string& name);
    std::array<double, 2> extentOf(const FakeView& view) const;

    platform::VirtualDisk& disk_;
    Object app_;
    Object active_;
    std::unique_ptr<FakeDrawing> template_;
    std::map<const automation::Dispatch*, Node*> nodes_;
    std::map<const Node*, Object> processObjects_;
    std::vector<Node*> drawingSelection_;
    int drawingCounter_ = 0;
};

}  // namespace qvl::millsheet::testing
