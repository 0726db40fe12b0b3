#pragma once
// A CATIA with models and drawings, made of MemberTable objects, for the tests of Planwright's
// drawing routines and batch. It keeps its state in plain structs that the tests inspect, logs
// the calls that change documents, and can be told to fail single members.

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

namespace qvl::planwright::testing {

using automation::Object;
using automation::Variant;

// Everything the fake can hand out by reference: a program hands an object back (a view's
// behaviour, a body, a component) and the fake finds its state again.
struct FakeNode {
    virtual ~FakeNode() = default;
};

// Extents of a box along the model's x, y and z axes, in mm.
using Extents = std::array<double, 3>;

struct FakeBody : FakeNode {
    std::string name;
    Extents size{};
    struct FakeModel* model = nullptr;
};

struct FakeModel : FakeNode {
    std::string fullName;
    std::string partNumber;
    bool assembly = false;
    Extents size{120, 80, 45};
    std::string definition;
    std::string nomenclature;
    std::optional<std::array<double, 3>> analysis{{1.25, 12500, 3456}};  // mass, volume, wet area
    // Y and Z axes of each axis system, in collection order.
    std::vector<std::pair<Extents, Extents>> axisSystems;
    std::vector<std::unique_ptr<FakeBody>> bodies;
    bool open = false;
};

struct FakeText : FakeNode {
    std::string name;
    std::string text;
    double x = 0;
    double y = 0;
    int anchor = 0;
    double fontSize = 0;
};

struct FakeView;

struct FakeComponent : FakeNode {
    std::string source;  // name of the template view
    double x = 0;
    double y = 0;
    std::vector<std::unique_ptr<FakeText>> texts;
    FakeView* owner = nullptr;
};

struct FakeView : FakeNode {
    std::string name;
    int viewType = 0;
    double x = 0;
    double y = 0;
    double scale = 1;
    // What the view shows: "front", "projection" or "isometric", its directions or the type
    // and front view of a projection, and the subject (a model, or one of its bodies).
    std::string definition;
    std::array<double, 6> direction{};
    int projectionType = -1;
    FakeView* projectedFrom = nullptr;
    FakeNode* subject = nullptr;
    FakeView* referenceView = nullptr;
    bool aligned = false;
    int updates = 0;
    std::vector<std::unique_ptr<FakeText>> texts;
    std::vector<std::unique_ptr<FakeComponent>> components;
    std::vector<std::string> exploded;  // "source x,y" of each component exploded into the view
    std::vector<std::unique_ptr<FakeComponent>> gone;  // exploded or deleted, kept for old references
};

struct FakeSheet : FakeNode {
    std::string name;
    int paperSize = 0;
    int projectionMethod = -1;
    double scale = 0;
    int updates = 0;
    std::vector<std::unique_ptr<FakeView>> views;
    FakeView* background() const;
    // The views that the program added (after the main and the background view).
    std::vector<FakeView*> addedViews() const;
};

struct FakeDrawing : FakeNode {
    std::string name;  // file name with extension
    std::string path;  // folder; "" until saved
    bool closed = false;
    bool isTemplate = false;
    std::vector<std::unique_ptr<FakeSheet>> sheets;
    std::vector<std::unique_ptr<FakeSheet>> removed;  // kept for old references
    FakeSheet* sheet(const std::string& sheetName) const;
    std::vector<std::string> sheetNames() const;
};

class FakeDrawingCatia : public automation::ObjectFactory {
public:
    explicit FakeDrawingCatia(platform::VirtualDisk& disk);

    // The machine.
    std::map<std::string, FakeModel> models;  // by full name; a missing one cannot be opened
    std::set<std::string> templates;          // paths of template drawings that can be read
    int templateSheetCount = 3;               // sheets of a drawing started from a template
    std::set<std::string> missingTemplatePieces;  // template sheets (frames, notes) left out
    std::set<std::string> missingTitleTexts;      // title texts left out of the frames
    bool displayFileAlerts = true;
    std::string statusBar = "就绪";
    // Members that fail, by "Type.Member": always, or at the given calls (counted from 1).
    std::set<std::string> failing;
    std::map<std::string, std::set<int>> failingCalls;
    std::map<std::string, int> calls;
    // Answers of SelectElement2: the status and the object picked.
    std::deque<std::pair<std::string, Object>> picks;

    // What happened.
    std::vector<std::string> log;
    std::vector<std::unique_ptr<FakeDrawing>> drawings;  // every drawing made or read
    std::vector<bool> alertsDuringRead;                    // DisplayFileAlerts at each Read

    FakeModel& addPart(const std::string& fullName, const std::string& partNumber, Extents size = {120, 80, 45});
    FakeModel& addAssembly(const std::string& fullName, const std::string& partNumber, Extents size);
    // Drawings that are neither templates nor closed.
    std::vector<FakeDrawing*> openDrawings() const;
    FakeDrawing* drawingNamed(const std::string& name) const;
    std::vector<std::string> logOf(const std::string& prefix) const;

    Object application() const { return app_; }
    Object documentObject(FakeDrawing& drawing);
    Object modelDocument(FakeModel& model);
    Object viewObject(FakeView& view, const bool* closed);
    // Opens a model as the user would; it gets a window.
    Object openModel(const std::string& fullName);
    // Makes a document active, as a click into its window does.
    void activate(const Object& document) { active_ = document; }

    Object getActiveObject(std::string_view) override { return app_; }
    Object createObject(std::string_view) override { return app_; }

private:
    class Table;
    std::shared_ptr<Table> table(std::string typeName, const bool* closed = nullptr);

    Object documents();
    Object sheetsObject(FakeDrawing& drawing);
    Object sheetObject(FakeSheet& sheet, const bool* closed);
    Object viewsObject(FakeSheet& sheet, const bool* closed);
    Object textObject(FakeText& text, const bool* closed);
    Object componentObject(FakeComponent& component, const bool* closed);
    Object behaviorObject(FakeView& view, const bool* closed);
    Object linksObject(FakeView& view, const bool* closed);
    Object selectionObject(FakeDrawing* drawing);
    Object productObject(FakeModel& model);
    Object partObject(FakeModel& model);
    Object bodyObject(FakeBody& body);
    Object windowObject(const std::string& caption, Object document);

    FakeDrawing& newDrawing(const std::string& name, bool isTemplate);
    FakeSheet& addSheet(FakeDrawing& drawing, const std::string& name);
    void fillTemplate(FakeDrawing& drawing);
    std::array<double, 4> extentOf(const FakeView& view) const;
    void saveTo(FakeDrawing& drawing, const std::string& pathWithoutExtension);

    template <class T>
    static T* node(const Variant& reference);

    platform::VirtualDisk& disk_;
    Object app_;
    Object active_;
    std::vector<std::pair<std::string, Object>> windows_;  // caption, document
    int drawingCounter_ = 0;
    // Components that the program selected, per selection of a drawing.
    std::map<const FakeDrawing*, std::vector<FakeComponent*>> selected_;
    Object picked_;
};

}  // namespace qvl::planwright::testing
