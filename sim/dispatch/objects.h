#pragma once

#include <memory>

#include "common/automation/object.h"
#include "sim/dispatch/server.h"
#include "sim/model/document.h"
#include "sim/model/drawing/drawing.h"
#include "sim/model/element.h"
#include "sim/model/process/process.h"

// The automation objects of the simulated CATIA, one type name each. Each returns the one live
// automation object of its model object, making it when there is none.
namespace qvl::sim::objects {

using automation::Object;

Object application(Server& server);
Object documents(Server& server);
Object settingControllers(Server& server);
Object settingController(Server& server, SettingController& controller);
Object windows(Server& server);

// "PartDocument", "ProductDocument" or "DrawingDocument" by the document's kind.
Object document(Server& server, const std::shared_ptr<Document>& document);
Object partDocument(Server& server, const std::shared_ptr<Document>& document);
Object productDocument(Server& server, const std::shared_ptr<Document>& document);
Object drawingDocument(Server& server, const std::shared_ptr<Document>& document);
Object selection(Server& server, const std::shared_ptr<Document>& document);
// A fresh "SelectedElement" on every call, as CATIA hands them out.
Object selectedElement(Server& server, const std::shared_ptr<Document>& document, Element element);
Object window(Server& server, const std::shared_ptr<Document>& document);
Object viewer(Server& server, const std::shared_ptr<Document>& document);

// The object of a selectable element, by its kind.
Object element(Server& server, const Element& element);
Object product(Server& server, Product& product);
// The children of a reference product.
Object products(Server& server, Product& holder);
Object analyze(Server& server, Product& product);
Object part(Server& server, Document& partDocument);
Object bodies(Server& server, Document& partDocument);
Object body(Server& server, Document& partDocument, Body& body);
Object axisSystems(Server& server, Document& partDocument);
Object axisSystem(Server& server, Document& partDocument, AxisSystem& axisSystem);

// A drawing's content. A view's objects know its sheet, a component's the view that holds it.
using DocumentPtr = std::shared_ptr<Document>;
using SheetPtr = std::shared_ptr<DrawingSheet>;
using ViewPtr = std::shared_ptr<DrawingView>;
Object drawingSheets(Server& server, const DocumentPtr& drawing);
Object drawingSheet(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet);
Object drawingViews(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet);
Object drawingView(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet, const ViewPtr& view);
Object generativeBehavior(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet, const ViewPtr& view);
Object generativeLinks(Server& server, const DocumentPtr& drawing, const SheetPtr& sheet, const ViewPtr& view);
Object drawingTexts(Server& server, const DocumentPtr& drawing, const ViewPtr& view);
Object drawingText(Server& server, const DocumentPtr& drawing, const std::shared_ptr<DrawingText>& text);
Object textProperties(Server& server, const DocumentPtr& drawing, const std::shared_ptr<DrawingText>& text);
Object drawingComponents(Server& server, const DocumentPtr& drawing, const ViewPtr& view);
Object drawingTables(Server& server, const DocumentPtr& drawing, const ViewPtr& view);
Object drawingTable(Server& server, const DocumentPtr& drawing, const std::shared_ptr<DrawingTable>& table);
Object factory2D(Server& server, const DocumentPtr& drawing, const ViewPtr& view);
// A fresh "Line2D" for every line drawn.
Object line2D(Server& server, const DocumentPtr& drawing, const ViewPtr& view, const DrawingLine& line);
// A fresh "Circle2D" for every circle drawn.
Object circle2D(Server& server, const DocumentPtr& drawing, const ViewPtr& view, const DrawingCircle& circle);
Object drawingComponent(Server& server, const DocumentPtr& drawing, const ViewPtr& holder,
                        const std::shared_ptr<DrawingComponent>& component);

// A process document's content: the PPR document with its products, the process tree, the
// tools and tool assemblies of its operations, and parameters.
Object processDocument(Server& server, const DocumentPtr& process);
Object pprDocument(Server& server, const DocumentPtr& process);
Object pprProducts(Server& server, const DocumentPtr& process);
// A node of the process tree: "PPRActivity", "ManufacturingSetup", "ManufacturingProgram" or
// "ManufacturingOperation".
Object activity(Server& server, const DocumentPtr& process, ProcessActivity& node);
// The lists of a node: all its children ("Activities", as ChildrenActivities gives them), a
// setup's programs ("ManufacturingPrograms") and a program's operations
// ("ManufacturingActivities").
enum class ActivityList { Children, Programs, Operations };
Object activityList(Server& server, const DocumentPtr& process, ProcessActivity& node, ActivityList which);
// The parameters of a node ("Parameters"): its own, or with `recursive` those below it too.
Object parameters(Server& server, const DocumentPtr& process, ProcessActivity& node, bool recursive);
// A tool attribute or an operation's parameter ("Parameter").
Object parameter(Server& server, const DocumentPtr& process, const NamedValue& value);
Object machiningTool(Server& server, const DocumentPtr& process, ProcessActivity& operation);
Object toolAssembly(Server& server, const DocumentPtr& process, ProcessActivity& operation);

}  // namespace qvl::sim::objects
