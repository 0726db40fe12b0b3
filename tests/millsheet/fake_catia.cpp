#include "tests/millsheet/fake_catia.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/automation/error.h"
#include "common/platform/windows_path.h"
#include "tests/support/fake_server.h"

namespace qvl::millsheet::testing {

using automation::argument;
using automation::Error;
using automation::MemberTable;

namespace {

using ::qvl::testing::along;
using ::qvl::testing::count;
using ::qvl::testing::refuse;

std::size_t at(std::size_t size, const Variant& index) { return ::qvl::testing::positionFromOne(size, index); }

std::array<double, 6> sixDoubles(MemberTable::Args args) {
    std::array<double, 6> d{};
    for (std::size_t i = 0; i < 6; ++i) d[i] = argument(args, i).toDouble();
    return d;
}

}  // namespace

// ---- Plain state --------------------------------------------------------------------------

FakeAxisSystem& FakeProduct::axis(const std::string& axisName, Vector3 x, Vector3 z) {
    auto a = std::make_unique<FakeAxisSystem>();
    a->name = axisName;
    a->x = x;
    a->z = z;
    axisSystems.push_back(std::move(a));
    return *axisSystems.back();
}

FakeProduct& FakeProduct::child(const std::string& childName, Vector3 childSize) {
    hasPart = false;
    auto c = std::make_unique<FakeProduct>();
    c->name = childName;
    c->partNumber = childName;
    c->size = childSize;
    children.push_back(std::move(c));
    return *children.back();
}

ProcessNode& ProcessNode::add(const std::string& type, const std::string& childName) {
    auto node = std::make_unique<ProcessNode>();
    node->typeName = type;
    node->name = childName;
    node->parent = this;
    children.push_back(std::move(node));
    return *children.back();
}

ProcessNode& ProcessNode::activity(const std::string& childName, bool isActive) {
    ProcessNode& n = add("PPRActivity", childName);
    n.active = isActive;
    return n;
}

ProcessNode& ProcessNode::setup(const std::string& childName, bool isActive) {
    ProcessNode& n = add("ManufacturingSetup", childName);
    n.active = isActive;
    return n;
}

ProcessNode& ProcessNode::program(const std::string& childName, const std::string& childComment, bool isActive) {
    ProcessNode& n = add("ManufacturingProgram", childName);
    n.comment = childComment;
    n.active = isActive;
    return n;
}

ProcessNode& ProcessNode::operation(const std::string& childName, double time, bool isActive) {
    ProcessNode& n = add("ManufacturingOperation", childName);
    n.totaltime = time;
    n.active = isActive;
    return n;
}

bool ProcessNode::isBelow(const ProcessNode* ancestor) const {
    for (const ProcessNode* p = parent; p; p = p->parent) {
        if (p == ancestor) return true;
    }
    return false;
}

std::vector<std::string> FakeTable::logOf(const std::string& member) const {
    std::vector<std::string> found;
    for (const std::string& line : log) {
        if (line.rfind(member + " ", 0) == 0) found.push_back(line);
    }
    return found;
}

const FakeText* FakeView::text(const std::string& textName) const {
    for (const auto& t : texts) {
        if (t->name == textName) return t.get();
    }
    return nullptr;
}

const FakeTable* FakeView::table(const std::string& tableName) const {
    for (const auto& t : tables) {
        if (t->name == tableName) return t.get();
    }
    return nullptr;
}

FakeView* FakeSheet::background() const {
    for (const auto& v : views) {
        if (v->viewType == 13) return v.get();
    }
    return nullptr;
}

std::vector<FakeView*> FakeSheet::addedViews() const {
    std::vector<FakeView*> added;
    for (std::size_t i = 2; i < views.size(); ++i) added.push_back(views[i].get());
    return added;
}

std::string FakeDrawing::fullName() const { return path.empty() ? name : path + "\\" + name; }

FakeSheet* FakeDrawing::sheet(const std::string& sheetName) const {
    for (const auto& s : sheets) {
        if (s->name == sheetName) return s.get();
    }
    return nullptr;
}

std::vector<std::vector<std::string>> templateTableCells() {
    return {columnHeaders, std::vector<std::string>(14), std::vector<std::string>(14)};
}

std::vector<std::string> titleTextNames() {
    return {"PartName1", "PartNumber1", "NCMade1",    "Date1",     "Material1", "Size1",    "x0",
            "y0",        "z0",          "FixMethod1", "FilePath1", "OP1",       "Machine1", "Check1",
            "Date2",     "Approval1",   "Date3",      "TecNotes1", "DocNo1",    "DocRev1",  "ECNNo1"};
}

// ---- Objects ------------------------------------------------------------------------------

// Refuses the members that a test marked as failing.
class FakeCatia::Table : public MemberTable {
public:
    Table(std::string typeName, const std::set<std::string>& failing) : MemberTable(std::move(typeName)), failing_(failing) {}

protected:
    void beforeCall(std::string_view member) override {
        if (failing_.count(typeName() + "." + std::string(member))) refuse("Injected fault");
    }

private:
    const std::set<std::string>& failing_;
};

std::shared_ptr<FakeCatia::Table> FakeCatia::make(std::string typeName, Node* node) {
    auto t = std::make_shared<Table>(std::move(typeName), failing);
    if (node) nodes_[t.get()] = node;
    return t;
}

template <class T>
T* FakeCatia::nodeOf(const Variant& reference) const {
    if (!reference.isObject() || reference.isNothing()) refuse("Object required");
    auto found = nodes_.find(reference.object().dispatch().get());
    T* node = found == nodes_.end() ? nullptr : dynamic_cast<T*>(found->second);
    if (!node) refuse("Wrong kind of object");
    return node;
}

FakeCatia::FakeCatia(platform::VirtualDisk& disk) : disk_(disk) {
    process = std::make_unique<ProcessNode>();
    process->typeName = "PPRActivity";
    process->name = "Process";
    buildTemplate();

    auto app = make("Application");
    app->property("DisplayFileAlerts", [this](auto) { return Variant(displayFileAlerts); },
                  [this](const Variant& v) { displayFileAlerts = v.toBool(); });
    app->property("Visible", [](auto) { return Variant(true); }, [](const Variant&) {});
    app->property("ActiveDocument", [this](auto) -> Variant {
        if (active_.isNothing()) refuse("No active document");
        return Variant(active_);
    });
    app->property("Documents", [this](auto) { return Variant(documents()); });
    app->property("ActiveWindow", [this](auto) {
        auto viewer = make("Viewer2D");
        viewer->method("Reframe", [this](auto) {
            ++reframes;
            return Variant();
        });
        auto window = make("DrawingWindow");
        window->property("ActiveViewer", [viewer](auto) { return Variant(Object(viewer)); });
        return Variant(Object(window));
    });
    app_ = Object(app);
}

FakeProduct& FakeCatia::addProduct(const std::string& name, Vector3 size) {
    auto p = std::make_unique<FakeProduct>();
    p->name = name;
    p->partNumber = name;
    p->size = size;
    products.push_back(std::move(p));
    return *products.back();
}

void FakeCatia::openProcess() { active_ = processDocument(); }

void FakeCatia::openPart() {
    auto doc = make("PartDocument");
    doc->property("Path", [](auto) { return Variant("D:\\models"); });
    doc->property("FullName", [](auto) { return Variant("D:\\models\\Bracket.CATPart"); });
    active_ = Object(doc);
}

void FakeCatia::closeAll() { active_ = Object(); }

Object FakeCatia::documents() {
    auto docs = make("Documents");
    docs->method("Read", [this](auto args) {
        ++templateReads;
        if (!templateReadable || !platform::samePath(argument(args, 0).toString(), templatePath)) refuse("No file");
        fillTemplate();
        return Variant(drawingObject(*template_));
    });
    docs->method("Add", [this](auto args) {
        if (argument(args, 0).toString() != "Drawing") refuse("Unknown document type");
        auto drawing = std::make_unique<FakeDrawing>();
        drawing->name = "Drawing" + std::to_string(++drawingCounter_) + ".CATDrawing";
        for (int i = 1; i <= newDrawingSheets; ++i) addSheet(*drawing, "Sheet." + std::to_string(i));
        drawings.push_back(std::move(drawing));
        return Variant(drawingObject(*drawings.back()));
    });
    return Object(docs);
}

Object FakeCatia::processDocument() {
    auto doc = make("ProcessDocument");
    doc->property("Path", [this](auto) { return Variant(platform::folderOf(processFullName)); });
    doc->property("FullName", [this](auto) { return Variant(processFullName); });
    doc->property("Selection", [this](auto) { return Variant(selection(false, nullptr)); });
    doc->property("PPRDocument", [this](auto) {
        auto productList = make("PPRProducts");
        productList->property("Count", [this](auto) { return count(products.size()); });
        productList->method("Item", [this](auto args) {
            return Variant(productObject(*products[at(products.size(), argument(args, 0))]));
        });
        auto ppr = make("PPRDocument");
        ppr->property("Products", [productList](auto) { return Variant(Object(productList)); });
        return Variant(Object(ppr));
    });
    return Object(doc);
}

Object FakeCatia::selection(bool drawingSelection, FakeDrawing* drawing) {
    auto sel = make("Selection");
    auto picked = std::make_shared<Object>();
    sel->method("Clear", [this, drawingSelection](auto) {
        if (drawingSelection) drawingSelection_.clear();
        return Variant();
    });
    sel->method("SelectElement2", [this, picked](auto args) {
        pickPrompts.push_back(argument(args, 1).toString());
        if (picks.empty()) throw std::logic_error("the test queued no pick");
        auto [status, object] = picks.front();
        picks.pop_front();
        *picked = object;
        return Variant(status);
    });
    sel->method("Item2", [this, picked](auto) {
        auto element = make("SelectedElement");
        Object value = *picked;
        element->property("Value", [value](auto) { return Variant(value); });
        return Variant(Object(element));
    });
    sel->method("Add", [this](auto args) {
        drawingSelection_.push_back(nodeOf<FakeComponent>(argument(args, 0)));
        return Variant();
    });
    sel->method("Delete", [this, drawing](auto) {
        for (Node* node : drawingSelection_) {
            auto* component = dynamic_cast<FakeComponent*>(node);
            if (!component || !drawing) continue;
            component->deleted = true;
            auto& list = component->owner->components;
            list.erase(std::remove_if(list.begin(), list.end(), [&](const auto& c) { return c.get() == component; }),
                       list.end());
        }
        drawingSelection_.clear();
        return Variant();
    });
    return Object(sel);
}

// ---- Process tree -------------------------------------------------------------------------

Object FakeCatia::processNodeObject(ProcessNode& node) {
    if (auto cached = processObjects_.find(&node); cached != processObjects_.end()) return cached->second;
    auto obj = make(node.typeName, &node);
    obj->property("Name", [&node](auto) { return Variant(node.name); });
    obj->property("Active", [&node](auto) { return Variant(node.active); });
    obj->property("Parent", [this, &node](auto) -> Variant {
        if (!node.parent) refuse("No parent");
        return Variant(processNodeObject(*node.parent));
    });
    // Children by position, under the collection name of the node's kind.
    auto children = [this, &node](const char* itemMember) {
        auto list = make("ActivityList");
        list->property("Count", [&node](auto) { return count(node.children.size()); });
        list->method(itemMember, [this, &node](auto args) {
            return Variant(processNodeObject(*node.children[at(node.children.size(), argument(args, 0))]));
        });
        return Variant(Object(list));
    };
    if (node.typeName == "PPRActivity") {
        obj->property("ChildrenActivities", [children](auto) { return children("Item"); });
        obj->property("Parameters", [this, &node](auto) { return Variant(parametersObject(node)); });
    } else if (node.typeName == "ManufacturingSetup") {
        obj->property("Programs", [children](auto) { return children("GetElement"); });
    } else if (node.typeName == "ManufacturingProgram") {
        obj->property("Comment", [&node](auto) { return Variant(node.comment); });
        obj->property("Activities", [children](auto) { return children("GetElement"); });
    } else {
        obj->property("Type", [&node](auto) { return Variant(node.operationType); });
        obj->property("totaltime", [&node](auto) { return Variant(node.totaltime); });
        obj->property("Tool", [this, &node](auto) -> Variant {
            if (!node.tool) refuse("No tool");
            return Variant(toolObject(*node.tool));
        });
        obj->property("ToolAssembly", [this, &node](auto) -> Variant {
            if (!node.assembly) refuse("No tool assembly");
            return Variant(attributeHolder("MfgToolAssembly", *node.assembly));
        });
    }
    Object result(obj);
    processObjects_[&node] = result;
    return result;
}

Object FakeCatia::attributeHolder(const std::string& type, const Attributes& attributes) {
    auto holder = make(type);
    holder->method("GetAttribute", [this, attributes](auto args) {
        const std::string name = argument(args, 0).toString();
        auto found = attributes.find(name);
        if (found == attributes.end()) refuse("No attribute " + name);
        const Variant value = found->second;
        auto attribute = make("MfgAttribute");
        attribute->property("Value", [value](auto) { return value; });
        attribute->property("ValueAsString", [value](auto) { return Variant(value.toString()); });
        return Variant(Object(attribute));
    });
    return Object(holder);
}

Object FakeCatia::toolObject(const FakeTool& tool) {
    Object obj = attributeHolder("MfgTool", tool.attributes);
    auto* table = static_cast<MemberTable*>(obj.dispatch().get());
    table->property("Name", [tool](auto) { return Variant(tool.name); });
    table->property("ToolNumber", [tool](auto) { return tool.number; });
    table->property("ToolType", [tool](auto) { return Variant(tool.type); });
    return obj;
}

// The parameters below an activity; SubList finds an operation's own parameters only when the
// operation lies below that activity.
Object FakeCatia::parametersObject(ProcessNode& owner) {
    auto parameters = make("Parameters");
    parameters->method("SubList", [this, &owner](auto args) {
        const ProcessNode* op = nodeOf<ProcessNode>(argument(args, 0));
        std::map<std::string, std::string> values;
        if (op->isBelow(&owner)) values = op->parameters;
        auto list = make("Parameters");
        list->method("Item", [this, values](auto itemArgs) {
            auto found = values.find(argument(itemArgs, 0).toString());
            if (found == values.end()) refuse("No parameter");
            const std::string value = found->second;
            auto parameter = make("Parameter");
            parameter->property("ValueAsString", [value](auto) { return Variant(value); });
            return Variant(Object(parameter));
        });
        return Variant(Object(list));
    });
    return Object(parameters);
}

// ---- Products -----------------------------------------------------------------------------

Object FakeCatia::axisSystemObject(FakeAxisSystem& axis) {
    auto obj = make("AxisSystem", &axis);
    obj->property("Name", [&axis](auto) { return Variant(axis.name); });
    auto fill = [](const Vector3& v) {
        return [v](MemberTable::Args args) {
            automation::argument(args, 0);
            args[0] = Variant(Variant::Array{v[0], v[1], v[2]});
            return Variant();
        };
    };
    obj->method("GetXAxis", fill(axis.x));
    obj->method("GetZAxis", fill(axis.z));
    return Object(obj);
}

Object FakeCatia::productObject(FakeProduct& product) {
    auto obj = make("Product", &product);
    obj->property("Name", [&product](auto) { return Variant(product.name); });
    obj->property("PartNumber", [&product](auto) { return Variant(product.partNumber); });
    obj->property("Products", [this, &product](auto) {
        auto list = make("Products");
        list->property("Count", [&product](auto) { return count(product.children.size()); });
        list->method("Item", [this, &product](auto args) {
            return Variant(productObject(*product.children[at(product.children.size(), argument(args, 0))]));
        });
        return Variant(Object(list));
    });
    obj->property("ReferenceProduct", [this, &product](auto) {
        auto reference = make("Product", &product);
        reference->property("Parent", [this, &product](auto) {
            auto doc = make(product.hasPart ? "PartDocument" : "ProductDocument");
            if (product.hasPart) {
                doc->property("Part", [this, &product](auto) {
                    auto part = make("Part");
                    part->property("AxisSystems", [this, &product](auto) {
                        auto list = make("AxisSystems");
                        list->property("Count", [&product](auto) { return count(product.axisSystems.size()); });
                        list->method("Item", [this, &product](auto args) {
                            const Variant& key = argument(args, 0);
                            if (key.kind() == Variant::Kind::String) {
                                for (auto& a : product.axisSystems) {
                                    if (a->name == key.toString()) return Variant(axisSystemObject(*a));
                                }
                                refuse("No axis system " + key.toString());
                            }
                            return Variant(axisSystemObject(*product.axisSystems[at(product.axisSystems.size(), key)]));
                        });
                        return Variant(Object(list));
                    });
                    return Variant(Object(part));
                });
            }
            return Variant(Object(doc));
        });
        return Variant(Object(reference));
    });
    return Object(obj);
}

// ---- Drawings -----------------------------------------------------------------------------

FakeSheet& FakeCatia::addSheet(FakeDrawing& drawing, const std::string& name) {
    auto sheet = std::make_unique<FakeSheet>();
    sheet->name = name;
    auto mainView = std::make_unique<FakeView>();
    mainView->name = "Main View";
    mainView->viewType = 0;
    auto background = std::make_unique<FakeView>();
    background->name = "Background View";
    background->viewType = 13;
    sheet->views.push_back(std::move(mainView));
    sheet->views.push_back(std::move(background));
    drawing.sheets.push_back(std::move(sheet));
    return *drawing.sheets.back();
}

void FakeCatia::buildTemplate() {
    template_ = std::make_unique<FakeDrawing>();
    template_->name = "CNCFrame_All.CATDrawing";
    template_->path = platform::folderOf(templatePath);
    FakeSheet& a4 = addSheet(*template_, "A4");
    auto frame = std::make_unique<FakeView>();
    frame->name = "A4";
    a4.views.push_back(std::move(frame));
    for (const char* notesName : {"Notes1", "Notes2"}) {
        FakeSheet& sheet = addSheet(*template_, notesName);
        auto view = std::make_unique<FakeView>();
        view->name = notesName;
        sheet.views.push_back(std::move(view));
    }
}

// The frame with the title texts and the operations table, and the notes, as the test set
// them up.
void FakeCatia::fillTemplate() {
    FakeView* frame = template_->sheet("A4")->views.back().get();
    frame->texts.clear();
    frame->tables.clear();
    for (const std::string& name : titleTextNames()) {
        if (missingTitleTexts.count(name)) continue;
        auto text = std::make_unique<FakeText>();
        text->name = name;
        text->text = "-";
        frame->texts.push_back(std::move(text));
    }
    if (templateTable) {
        auto table = std::make_unique<FakeTable>();
        table->cells = *templateTable;
        frame->tables.push_back(std::move(table));
    }
    for (const char* notesName : {"Notes1", "Notes2"}) {
        FakeView* view = template_->sheet(notesName)->views.back().get();
        view->texts.clear();
        auto found = notes.find(notesName);
        if (found == notes.end()) continue;
        auto text = std::make_unique<FakeText>();
        text->text = found->second;
        view->texts.push_back(std::move(text));
    }
}

Object FakeCatia::drawingObject(FakeDrawing& drawing) {
    auto obj = make("DrawingDocument", &drawing);
    obj->property("Name", [&drawing](auto) { return Variant(drawing.name); });
    obj->property("FullName", [&drawing](auto) { return Variant(drawing.fullName()); });
    obj->property("Standard", [&drawing](auto) { return Variant(drawing.standard); },
                  [&drawing](const Variant& v) { drawing.standard = static_cast<int>(v.toLong()); });
    obj->property("Selection", [this, &drawing](auto) { return Variant(selection(true, &drawing)); });
    obj->property("Sheets", [this, &drawing](auto) {
        auto sheets = make("DrawingSheets");
        sheets->property("Count", [&drawing](auto) { return count(drawing.sheets.size()); });
        sheets->method("Item", [this, &drawing](auto args) {
            const Variant& key = argument(args, 0);
            if (key.kind() == Variant::Kind::String) {
                FakeSheet* s = drawing.sheet(key.toString());
                if (!s) refuse("No sheet " + key.toString());
                return Variant(sheetObject(*s));
            }
            return Variant(sheetObject(*drawing.sheets[at(drawing.sheets.size(), key)]));
        });
        sheets->method("Add", [this, &drawing](auto args) {
            return Variant(sheetObject(addSheet(drawing, argument(args, 0).toString())));
        });
        sheets->method("Remove", [&drawing](auto args) {
            if (drawing.sheets.size() == 1) refuse("The last sheet cannot be removed");
            const std::string name = argument(args, 0).toString();
            auto found = std::find_if(drawing.sheets.begin(), drawing.sheets.end(),
                                      [&](const auto& s) { return s->name == name; });
            if (found == drawing.sheets.end()) refuse("No sheet " + name);
            drawing.removed.push_back(std::move(*found));
            drawing.sheets.erase(found);
            return Variant();
        });
        return Variant(Object(sheets));
    });
    auto write = [this, &drawing](const std::string& file) {
        if (disk_.fileExists(file)) overwritten.push_back(file);
        if (!disk_.writeFile(file, "{\"kind\": \"Drawing\"}")) refuse("Cannot write " + file);
        ++drawing.saves;
    };
    obj->method("SaveAs", [&drawing, write](auto args) {
        const std::string file = argument(args, 0).toString() + ".CATDrawing";
        write(file);
        drawing.path = platform::folderOf(file);
        drawing.name = platform::fileNameOf(file);
        return Variant();
    });
    obj->method("Save", [&drawing, write](auto) {
        if (drawing.path.empty()) refuse("Never saved");
        write(drawing.fullName());
        return Variant();
    });
    return Object(obj);
}

Object FakeCatia::sheetObject(FakeSheet& sheet) {
    auto obj = make("DrawingSheet", &sheet);
    obj->property("Name", [&sheet](auto) { return Variant(sheet.name); });
    obj->property("PaperSize", [&sheet](auto) { return Variant(sheet.paperSize); },
                  [&sheet](const Variant& v) { sheet.paperSize = static_cast<int>(v.toLong()); });
    obj->property("ProjectionMethod", [&sheet](auto) { return Variant(sheet.projectionMethod); },
                  [&sheet](const Variant& v) { sheet.projectionMethod = static_cast<int>(v.toLong()); });
    obj->property("Scale2", [&sheet](auto) { return Variant(sheet.scale); },
                  [&sheet](const Variant& v) { sheet.scale = v.toDouble(); });
    obj->method("Activate", [&sheet](auto) {
        ++sheet.activations;
        return Variant();
    });
    obj->property("Views", [this, &sheet](auto) {
        auto views = make("DrawingViews");
        views->property("Count", [&sheet](auto) { return count(sheet.views.size()); });
        views->method("Item", [this, &sheet](auto args) {
            const Variant& key = argument(args, 0);
            if (key.kind() == Variant::Kind::String) {
                for (auto& v : sheet.views) {
                    if (v->name == key.toString()) return Variant(viewObject(*v));
                }
                refuse("No view " + key.toString());
            }
            return Variant(viewObject(*sheet.views[at(sheet.views.size(), key)]));
        });
        views->method("Add", [this, &sheet](auto) {
            auto view = std::make_unique<FakeView>();
            view->name = "View" + std::to_string(sheet.views.size() + 1);
            sheet.views.push_back(std::move(view));
            return Variant(viewObject(*sheet.views.back()));
        });
        return Variant(Object(views));
    });
    return Object(obj);
}

std::array<double, 2> FakeCatia::extentOf(const FakeView& view) const {
    const FakeView* front = view.definition == "projection" ? view.projectedFrom : &view;
    if (!front || !front->document) return {0, 0};
    const Vector3& size = front->document->size;
    const std::array<double, 6>& d = front->direction;
    double width = along(d, 0, size);
    double height = along(d, 3, size);
    if (view.definition == "projection") {
        // Below the front view: the same horizontal, the depth along the front view's normal.
        const std::array<double, 6> normal{d[1] * d[5] - d[2] * d[4], d[2] * d[3] - d[0] * d[5],
                                           d[0] * d[4] - d[1] * d[3], 0, 0, 0};
        height = along(normal, 0, size);
    }
    return {width * view.scale, height * view.scale};
}

Object FakeCatia::viewObject(FakeView& view) {
    auto obj = make("DrawingView", &view);
    obj->property("Name", [&view](auto) { return Variant(view.name); });
    obj->property("ViewType", [&view](auto) { return Variant(view.viewType); });
    obj->property("x", [&view](auto) { return Variant(view.x); }, [&view](const Variant& v) { view.x = v.toDouble(); });
    obj->property("y", [&view](auto) { return Variant(view.y); }, [&view](const Variant& v) { view.y = v.toDouble(); });
    obj->property("Scale2", [&view](auto) { return Variant(view.scale); },
                  [&view](const Variant& v) { view.scale = v.toDouble(); });
    obj->method("Activate", [](auto) { return Variant(); });
    obj->method("Size", [this, &view](auto args) {
        automation::argument(args, 0);
        const auto [w, h] = extentOf(view);
        args[0] = Variant(Variant::Array{view.x - w / 2, view.x + w / 2, view.y - h / 2, view.y + h / 2});
        return Variant();
    });
    obj->property("ReferenceView", {}, [this, &view](const Variant& v) { view.referenceView = nodeOf<FakeView>(v); });
    obj->method("AlignedWithReferenceView", [&view](auto) {
        view.aligned = true;
        return Variant();
    });
    obj->property("GenerativeBehavior", [this, &view](auto) { return Variant(behaviorObject(view)); });
    obj->property("GenerativeLinks", [this, &view](auto) {
        auto links = make("DrawingViewGenerativeLinks", &view);
        links->method("CopyLinksTo", [this](auto args) {
            nodeOf<FakeView>(argument(args, 0))->copiedLinks = true;
            return Variant();
        });
        return Variant(Object(links));
    });
    obj->property("Texts", [this, &view](auto) {
        auto texts = make("DrawingTexts");
        texts->property("Count", [&view](auto) { return count(view.texts.size()); });
        texts->method("Item", [this, &view](auto args) {
            return Variant(textObject(*view.texts[at(view.texts.size(), argument(args, 0))]));
        });
        texts->method("Add", [this, &view](auto args) {
            auto text = std::make_unique<FakeText>();
            text->text = argument(args, 0).toString();
            text->x = argument(args, 1).toDouble();
            text->y = argument(args, 2).toDouble();
            view.texts.push_back(std::move(text));
            return Variant(textObject(*view.texts.back()));
        });
        return Variant(Object(texts));
    });
    obj->property("Factory2D", [this, &view](auto) {
        auto factory = make("Factory2D");
        factory->method("CreateLine", [this, &view](auto args) {
            view.lines.push_back({argument(args, 0).toDouble(), argument(args, 1).toDouble(),
                                  argument(args, 2).toDouble(), argument(args, 3).toDouble()});
            return Variant(Object(make("Line2D")));
        });
        return Variant(Object(factory));
    });
    obj->property("Tables", [this, &view](auto) {
        auto tables = make("DrawingTables");
        tables->property("Count", [&view](auto) { return count(view.tables.size()); });
        tables->method("Item", [this, &view](auto args) {
            return Variant(tableObject(*view.tables[at(view.tables.size(), argument(args, 0))]));
        });
        return Variant(Object(tables));
    });
    obj->property("Components", [this, &view](auto) {
        auto components = make("DrawingComponents");
        components->method("Add", [this, &view](auto args) {
            FakeView* source = nodeOf<FakeView>(argument(args, 0));
            auto component = std::make_unique<FakeComponent>();
            component->source = source;
            component->owner = &view;
            component->x = argument(args, 1).toDouble();
            component->y = argument(args, 2).toDouble();
            for (const auto& t : source->texts) component->texts.push_back(std::make_unique<FakeText>(*t));
            for (const auto& t : source->tables) component->tables.push_back(std::make_unique<FakeTable>(*t));
            view.components.push_back(std::move(component));
            return Variant(componentObject(*view.components.back()));
        });
        return Variant(Object(components));
    });
    return Object(obj);
}

Object FakeCatia::behaviorObject(FakeView& view) {
    auto obj = make("DrawingViewGenerativeBehavior", &view);
    obj->property("Document", {}, [this, &view](const Variant& v) { view.document = nodeOf<FakeProduct>(v); });
    obj->method("DefineFrontView", [&view](auto args) {
        view.definition = "front";
        view.direction = sixDoubles(args);
        return Variant();
    });
    obj->method("DefineIsometricView", [&view](auto args) {
        view.definition = "isometric";
        view.direction = sixDoubles(args);
        return Variant();
    });
    obj->method("DefineProjectionView", [this, &view](auto args) {
        view.definition = "projection";
        view.projectedFrom = nodeOf<FakeView>(argument(args, 0));
        view.projectionType = static_cast<int>(argument(args, 1).toLong());
        return Variant();
    });
    obj->method("SetAxisSysteme", [this, &view](auto args) {
        view.axisProduct = nodeOf<FakeProduct>(argument(args, 0));
        view.axisSystem = nodeOf<FakeAxisSystem>(argument(args, 1));
        return Variant();
    });
    obj->method("Update", [&view](auto) {
        ++view.updates;
        return Variant();
    });
    return Object(obj);
}

Object FakeCatia::textObject(FakeText& text) {
    auto obj = make("DrawingText", &text);
    obj->property("Name", [&text](auto) { return Variant(text.name); });
    obj->property("Text", [&text](auto) { return Variant(text.text); },
                  [&text](const Variant& v) { text.text = v.toString(); });
    return Object(obj);
}

Object FakeCatia::componentObject(FakeComponent& component) {
    auto obj = make("DrawingComponent", &component);
    obj->method("GetModifiableObject", [this, &component](auto args) {
        const std::string name = argument(args, 0).toString();
        for (auto& t : component.texts) {
            if (t->name == name) return Variant(textObject(*t));
        }
        refuse("No object " + name);
    });
    obj->method("Explode", [&component](auto) {
        if (component.exploded) refuse("Already exploded");
        component.exploded = true;
        for (auto& t : component.texts) component.owner->texts.push_back(std::move(t));
        for (auto& t : component.tables) component.owner->tables.push_back(std::move(t));
        component.texts.clear();
        component.tables.clear();
        return Variant();
    });
    return Object(obj);
}

Object FakeCatia::tableObject(FakeTable& table) {
    auto obj = make("DrawingTable", &table);
    auto cell = [&table](MemberTable::Args args) -> std::string& {
        const std::size_t row = at(table.rows(), argument(args, 0));
        const std::size_t column = at(table.columns(), argument(args, 1));
        return table.cells[row][column];
    };
    auto logCall = [&table](const std::string& member, MemberTable::Args args) {
        std::string line = member;
        for (std::size_t i = 0; i < args.size(); ++i) line += (i == 0 ? " " : ",") + args[i].toString();
        table.log.push_back(line);
    };
    obj->property("Name", [&table](auto) { return Variant(table.name); });
    obj->property("NumberOfRows", [&table](auto) { return count(table.rows()); });
    obj->property("NumberOfColumns", [&table](auto) { return count(table.columns()); });
    obj->property("ComputeMode", [&table](auto) { return Variant(table.computeMode); },
                  [&table](const Variant& v) {
                      table.computeMode = static_cast<int>(v.toLong());
                      table.log.push_back("ComputeMode " + v.toString());
                  });
    obj->method("GetCellString", [cell](auto args) { return Variant(cell(args)); });
    obj->method("SetCellString", [cell, logCall](auto args) {
        cell(args) = argument(args, 2).toString();
        logCall("SetCellString", args);
        return Variant();
    });
    obj->method("AddRow", [&table, logCall](auto args) {
        const std::size_t row = at(table.rows() + 1, argument(args, 0));
        table.cells.insert(table.cells.begin() + static_cast<long>(row), std::vector<std::string>(table.columns()));
        logCall("AddRow", args);
        return Variant();
    });
    obj->method("RemoveRow", [&table, logCall](auto args) {
        const std::size_t row = at(table.rows(), argument(args, 0));
        table.cells.erase(table.cells.begin() + static_cast<long>(row));
        logCall("RemoveRow", args);
        return Variant();
    });
    obj->method("RemoveColumn", [&table, logCall](auto args) {
        const std::size_t column = at(table.columns(), argument(args, 0));
        for (auto& row : table.cells) row.erase(row.begin() + static_cast<long>(column));
        logCall("RemoveColumn", args);
        return Variant();
    });
    obj->method("MergeCells", [&table, logCall](auto args) {
        const long long row = argument(args, 0).toLong();
        const long long column = argument(args, 1).toLong();
        at(table.rows(), Variant(row + argument(args, 2).toLong() - 1));
        at(table.columns(), Variant(column + argument(args, 3).toLong() - 1));
        logCall("MergeCells", args);
        return Variant();
    });
    return Object(obj);
}

}  // namespace qvl::millsheet::testing
