#include "tests/planwright/fake_drawing_catia.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/automation/error.h"
#include "common/platform/windows_path.h"
#include "common/text/vb_number.h"
#include "tests/support/fake_server.h"

namespace qvl::planwright::testing {

using automation::argument;
using automation::Error;
using automation::MemberTable;

namespace {

using ::qvl::testing::along;
using ::qvl::testing::count;
using ::qvl::testing::position;
using ::qvl::testing::refuse;

const std::vector<std::string> titleTextNames{"TitleName",     "TitlePN",      "TitleMaterial",
                                              "TitleScale",    "TitleMass",    "TitleDesigner",
                                              "TitleDrawner",  "TitleDate1",   "TitleDate2"};

}  // namespace

// A member table that refuses calls on a closed document and the calls the test marked.
class FakeDrawingCatia::Table : public MemberTable {
public:
    Table(std::string typeName, FakeDrawingCatia& catia, const bool* closed)
        : MemberTable(std::move(typeName)), catia_(catia), closed_(closed) {}

    // Registers the hidden member through which the fake finds the state behind an object.
    void refersTo(FakeNode* node) {
        property("FakeRef",
                 [node](auto) { return Variant(static_cast<long long>(reinterpret_cast<std::intptr_t>(node))); });
    }

protected:
    void beforeCall(std::string_view member) override {
        if (closed_ && *closed_) refuse("The document has been closed");
        const std::string key = typeName() + "." + std::string(member);
        const int call = ++catia_.calls[key];
        auto planned = catia_.failingCalls.find(key);
        if (catia_.failing.count(key) || (planned != catia_.failingCalls.end() && planned->second.count(call))) {
            refuse("Injected fault of " + key);
        }
    }

private:
    FakeDrawingCatia& catia_;
    const bool* closed_;
};

FakeView* FakeSheet::background() const {
    for (const auto& view : views) {
        if (view->viewType == 13) return view.get();
    }
    return nullptr;
}

std::vector<FakeView*> FakeSheet::addedViews() const {
    std::vector<FakeView*> added;
    for (std::size_t i = 2; i < views.size(); ++i) added.push_back(views[i].get());
    return added;
}

std::vector<std::string> FakeDrawing::sheetNames() const {
    std::vector<std::string> names;
    for (const auto& s : sheets) names.push_back(s->name);
    return names;
}

FakeSheet* FakeDrawing::sheet(const std::string& sheetName) const {
    for (const auto& s : sheets) {
        if (s->name == sheetName) return s.get();
    }
    return nullptr;
}

template <class T>
T* FakeDrawingCatia::node(const Variant& reference) {
    if (!reference.isObject() || reference.isNothing()) refuse("Object required");
    const Variant ref = reference.object().get("FakeRef");
    return dynamic_cast<T*>(reinterpret_cast<FakeNode*>(static_cast<std::intptr_t>(ref.toLong())));
}

std::shared_ptr<FakeDrawingCatia::Table> FakeDrawingCatia::table(std::string typeName, const bool* closed) {
    return std::make_shared<Table>(std::move(typeName), *this, closed);
}

FakeDrawingCatia::FakeDrawingCatia(platform::VirtualDisk& disk) : disk_(disk) {
    auto app = table("Application");
    app->property("DisplayFileAlerts", [this](auto) { return Variant(displayFileAlerts); },
                  [this](const Variant& v) { displayFileAlerts = v.toBool(); });
    app->property("Visible", [](auto) { return Variant(true); }, [](const Variant&) {});
    app->property("StatusBar", [this](auto) { return Variant(statusBar); });
    app->property("ActiveDocument", [this](auto) -> Variant {
        if (active_.isNothing()) refuse("No active document");
        return Variant(active_);
    });
    app->property("Documents", [this](auto) { return Variant(documents()); });
    app->property("ActiveWindow", [this](auto) -> Variant {
        for (auto& [caption, document] : windows_) {
            if (document.is(active_)) return Variant(windowObject(caption, document));
        }
        refuse("No active window");
    });
    app->property("Windows", [this](auto) {
        auto windows = table("Windows");
        windows->property("Count", [this](auto) { return count(windows_.size()); });
        windows->method("Item", [this](auto args) {
            const long long at = argument(args, 0).toLong();
            if (at < 1 || at > static_cast<long long>(windows_.size())) refuse("No window");
            auto& [caption, document] = windows_[static_cast<std::size_t>(at - 1)];
            return Variant(windowObject(caption, document));
        });
        return Variant(Object(windows));
    });
    app->method("StartCommand", [this](auto args) {
        log.push_back("StartCommand " + argument(args, 0).toString());
        return Variant();
    });
    app_ = Object(app);
}

FakeModel& FakeDrawingCatia::addPart(const std::string& fullName, const std::string& partNumber, Extents size) {
    FakeModel& model = models[fullName];
    model.fullName = fullName;
    model.partNumber = partNumber;
    model.size = size;
    auto body = std::make_unique<FakeBody>();
    body->name = "PartBody";
    body->size = size;
    body->model = &model;
    model.bodies.push_back(std::move(body));
    return model;
}

FakeModel& FakeDrawingCatia::addAssembly(const std::string& fullName, const std::string& partNumber, Extents size) {
    FakeModel& model = models[fullName];
    model.fullName = fullName;
    model.partNumber = partNumber;
    model.assembly = true;
    model.size = size;
    return model;
}

std::vector<FakeDrawing*> FakeDrawingCatia::openDrawings() const {
    std::vector<FakeDrawing*> open;
    for (const auto& d : drawings) {
        if (!d->isTemplate && !d->closed) open.push_back(d.get());
    }
    return open;
}

FakeDrawing* FakeDrawingCatia::drawingNamed(const std::string& name) const {
    for (const auto& d : drawings) {
        if (!d->isTemplate && d->name == name) return d.get();
    }
    return nullptr;
}

std::vector<std::string> FakeDrawingCatia::logOf(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : log) {
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    }
    return found;
}

// ---- Documents --------------------------------------------------------------------------------

Object FakeDrawingCatia::documents() {
    auto docs = table("Documents");
    docs->method("Open", [this](auto args) { return Variant(openModel(argument(args, 0).toString())); });
    docs->method("NewFrom", [this](auto args) {
        const std::string path = argument(args, 0).toString();
        if (!templates.count(path)) refuse("No file " + path);
        log.push_back("NewFrom " + path);
        FakeDrawing& drawing = newDrawing("Drawing" + std::to_string(++drawingCounter_) + ".CATDrawing", false);
        for (int i = 1; i <= templateSheetCount; ++i) addSheet(drawing, "Template sheet " + std::to_string(i));
        Object document = documentObject(drawing);
        windows_.emplace_back(drawing.name, document);
        active_ = document;
        return Variant(document);
    });
    docs->method("Read", [this](auto args) {
        const std::string path = argument(args, 0).toString();
        if (!templates.count(path)) refuse("No file " + path);
        log.push_back("Read " + path);
        alertsDuringRead.push_back(displayFileAlerts);
        FakeDrawing& drawing = newDrawing(platform::fileNameOf(path), true);
        fillTemplate(drawing);
        return Variant(documentObject(drawing));
    });
    return Object(docs);
}

Object FakeDrawingCatia::openModel(const std::string& fullName) {
    auto found = models.find(fullName);
    if (found == models.end()) refuse("No file " + fullName);
    FakeModel& model = found->second;
    log.push_back("Open " + fullName);
    model.open = true;
    Object document = modelDocument(model);
    windows_.emplace_back(platform::fileNameOf(fullName), document);
    active_ = document;
    return document;
}

Object FakeDrawingCatia::modelDocument(FakeModel& model) {
    auto doc = table(model.assembly ? "ProductDocument" : "PartDocument");
    doc->refersTo(&model);
    const std::string name = platform::fileNameOf(model.fullName);
    doc->property("Name", [name](auto) { return Variant(name); });
    doc->property("FullName", [&model](auto) { return Variant(model.fullName); });
    doc->property("Path", [&model](auto) { return Variant(platform::folderOf(model.fullName)); });
    doc->property("Product", [this, &model](auto) { return Variant(productObject(model)); });
    if (!model.assembly) doc->property("Part", [this, &model](auto) { return Variant(partObject(model)); });
    doc->method("Close", [this, &model, name](auto) {
        if (!model.open) refuse("The document has been closed");
        log.push_back("Close " + name);
        model.open = false;
        std::erase_if(windows_, [&](const auto& w) { return w.first == name; });
        return Variant();
    });
    doc->property("Selection", [this](auto) { return Variant(selectionObject(nullptr)); });
    return Object(doc);
}

Object FakeDrawingCatia::productObject(FakeModel& model) {
    auto product = table("Product");
    product->refersTo(&model);
    product->property("PartNumber", [&model](auto) { return Variant(model.partNumber); });
    product->property("Name", [&model](auto) { return Variant(model.partNumber); });
    product->property("Definition", [&model](auto) { return Variant(model.definition); });
    product->property("Nomenclature", [&model](auto) { return Variant(model.nomenclature); });
    product->property("Parent", [this, &model](auto) { return Variant(modelDocument(model)); });
    product->property("Products", [this, &model](auto) {
        auto products = table("Products");
        products->property("Count", [&model](auto) { return Variant(model.assembly ? 2 : 0); });
        return Variant(Object(products));
    });
    product->property("Analyze", [this, &model](auto) {
        if (!model.analysis) refuse("No analysis");
        auto analyze = table("Analyze");
        const auto values = *model.analysis;
        analyze->property("Mass", [values](auto) { return Variant(values[0]); });
        analyze->property("Volume", [values](auto) { return Variant(values[1]); });
        analyze->property("WetArea", [values](auto) { return Variant(values[2]); });
        return Variant(Object(analyze));
    });
    return Object(product);
}

Object FakeDrawingCatia::partObject(FakeModel& model) {
    auto part = table("Part");
    part->property("Name", [&model](auto) { return Variant(model.partNumber); });
    part->property("Parent", [this, &model](auto) { return Variant(modelDocument(model)); });
    part->property("Bodies", [this, &model](auto) {
        auto bodies = table("Bodies");
        bodies->property("Count", [&model](auto) { return count(model.bodies.size()); });
        bodies->method("Item", [this, &model](auto args) {
            return Variant(bodyObject(*model.bodies[position(model.bodies, argument(args, 0),
                                                             [](const FakeBody& b) { return b.name; })]));
        });
        bodies->property("Parent", [this, &model](auto) { return Variant(partObject(model)); });
        return Variant(Object(bodies));
    });
    part->property("AxisSystems", [this, &model](auto) {
        auto axes = table("AxisSystems");
        axes->property("Count", [&model](auto) { return count(model.axisSystems.size()); });
        axes->method("Item", [this, &model](auto args) {
            const long long at = argument(args, 0).toLong();
            if (at < 1 || at > static_cast<long long>(model.axisSystems.size())) refuse("No axis system");
            const auto axesOf = model.axisSystems[static_cast<std::size_t>(at - 1)];
            auto axis = table("AxisSystem");
            auto fill = [](auto args, const Extents& v) {
                argument(args, 0);
                args[0] = Variant(Variant::Array{v[0], v[1], v[2]});
                return Variant();
            };
            axis->method("GetYAxis", [fill, axesOf](auto args) { return fill(args, axesOf.first); });
            axis->method("GetZAxis", [fill, axesOf](auto args) { return fill(args, axesOf.second); });
            return Variant(Object(axis));
        });
        return Variant(Object(axes));
    });
    return Object(part);
}

Object FakeDrawingCatia::bodyObject(FakeBody& body) {
    auto object = table("Body");
    object->refersTo(&body);
    object->property("Name", [&body](auto) { return Variant(body.name); });
    object->property("Parent", [this, &body](auto) {
        auto bodies = table("Bodies");
        bodies->property("Parent", [this, &body](auto) { return Variant(partObject(*body.model)); });
        return Variant(Object(bodies));
    });
    return Object(object);
}

Object FakeDrawingCatia::windowObject(const std::string& caption, Object document) {
    auto window = table("Window");
    window->property("Caption", [caption](auto) { return Variant(caption); });
    window->method("Activate", [this, caption, document](auto) {
        log.push_back("Activate window " + caption);
        active_ = document;
        return Variant();
    });
    window->property("ActiveViewer", [this](auto) {
        auto viewer = table("Viewer");
        viewer->method("Reframe", [this](auto) {
            log.push_back("Reframe");
            return Variant();
        });
        return Variant(Object(viewer));
    });
    return Object(window);
}

// ---- Drawings ---------------------------------------------------------------------------------

FakeDrawing& FakeDrawingCatia::newDrawing(const std::string& name, bool isTemplate) {
    auto drawing = std::make_unique<FakeDrawing>();
    drawing->name = name;
    drawing->isTemplate = isTemplate;
    drawings.push_back(std::move(drawing));
    return *drawings.back();
}

FakeSheet& FakeDrawingCatia::addSheet(FakeDrawing& drawing, const std::string& name) {
    auto sheet = std::make_unique<FakeSheet>();
    sheet->name = name;
    for (int viewType : {0, 13}) {
        auto view = std::make_unique<FakeView>();
        view->name = viewType == 13 ? "Background View" : "Main View";
        view->viewType = viewType;
        sheet->views.push_back(std::move(view));
    }
    drawing.sheets.push_back(std::move(sheet));
    return *drawing.sheets.back();
}

// Frames of the six papers with their title texts, and the eight notes blocks.
void FakeDrawingCatia::fillTemplate(FakeDrawing& drawing) {
    const std::vector<std::string> frames{"A0", "A1", "A2", "A3", "A4", "Ax"};
    const std::vector<std::string> notes{"Notes_General", "Notes_Injection", "Notes_Stamping", "Notes_Machining",
                                         "Notes_Casting", "Notes_Rubber",    "Notes_Forging",  "Notes_Cust"};
    auto piece = [&](const std::string& name) -> FakeView* {
        if (missingTemplatePieces.count(name)) return nullptr;
        auto sheet = std::make_unique<FakeSheet>();
        sheet->name = name;
        auto view = std::make_unique<FakeView>();
        view->name = name;
        sheet->views.push_back(std::move(view));
        drawing.sheets.push_back(std::move(sheet));
        return drawing.sheets.back()->views.back().get();
    };
    for (const std::string& frame : frames) {
        if (FakeView* view = piece(frame)) {
            for (const std::string& textName : titleTextNames) {
                if (missingTitleTexts.count(textName)) continue;
                auto text = std::make_unique<FakeText>();
                text->name = textName;
                text->text = "template";
                view->texts.push_back(std::move(text));
            }
        }
    }
    for (const std::string& block : notes) {
        if (FakeView* view = piece(block)) {
            auto text = std::make_unique<FakeText>();
            text->name = "Text.1";
            text->text = "技术要求 " + block;
            view->texts.push_back(std::move(text));
        }
    }
}

void FakeDrawingCatia::saveTo(FakeDrawing& drawing, const std::string& pathWithoutExtension) {
    const std::string file = pathWithoutExtension + ".CATDrawing";
    if (!disk_.writeFile(file, "drawing")) refuse("Cannot write " + file);
    drawing.name = platform::fileNameOf(file);
    drawing.path = platform::folderOf(file);
}

Object FakeDrawingCatia::documentObject(FakeDrawing& drawing) {
    auto doc = table("DrawingDocument", &drawing.closed);
    doc->refersTo(&drawing);
    doc->property("Name", [&drawing](auto) { return Variant(drawing.name); });
    doc->property("Path", [&drawing](auto) { return Variant(drawing.path); });
    doc->property("FullName", [&drawing](auto) {
        return Variant(drawing.path.empty() ? drawing.name : drawing.path + "\\" + drawing.name);
    });
    doc->property("Sheets", [this, &drawing](auto) { return Variant(sheetsObject(drawing)); });
    doc->property("Selection", [this, &drawing](auto) { return Variant(selectionObject(&drawing)); });
    doc->method("Activate", [this, &drawing](auto) {
        for (auto& [caption, document] : windows_) {
            if (node<FakeDrawing>(Variant(document)) == &drawing) active_ = document;
        }
        return Variant();
    });
    doc->method("SaveAs", [this, &drawing](auto args) {
        const std::string path = argument(args, 0).toString();
        log.push_back("SaveAs " + path);
        const std::string oldName = drawing.name;
        saveTo(drawing, path);
        for (auto& window : windows_) {
            if (window.first == oldName) window.first = drawing.name;
        }
        return Variant();
    });
    doc->method("Save", [this, &drawing](auto) {
        if (drawing.path.empty()) refuse("The document was never saved");
        log.push_back("Save " + drawing.name);
        saveTo(drawing, drawing.path + "\\" + platform::baseNameOf(drawing.name));
        return Variant();
    });
    doc->method("Close", [this, &drawing](auto) {
        log.push_back("Close " + drawing.name);
        drawing.closed = true;
        std::erase_if(windows_, [&](const auto& w) { return w.first == drawing.name; });
        return Variant();
    });
    doc->method("ExportData", [this](auto args) {
        log.push_back("ExportData " + argument(args, 0).toString() + " " + argument(args, 1).toString());
        return Variant();
    });
    return Object(doc);
}

Object FakeDrawingCatia::sheetsObject(FakeDrawing& drawing) {
    auto sheets = table("DrawingSheets", &drawing.closed);
    const bool* closed = &drawing.closed;
    auto nameOf = [](const FakeSheet& s) { return s.name; };
    sheets->property("Count", [&drawing](auto) { return count(drawing.sheets.size()); });
    sheets->method("Item", [this, &drawing, closed, nameOf](auto args) {
        return Variant(sheetObject(*drawing.sheets[position(drawing.sheets, argument(args, 0), nameOf)], closed));
    });
    sheets->method("Add", [this, &drawing, closed](auto args) {
        const std::string name = argument(args, 0).toString();
        log.push_back("Add sheet " + name);
        return Variant(sheetObject(addSheet(drawing, name), closed));
    });
    sheets->method("Remove", [this, &drawing, nameOf](auto args) {
        const std::size_t at = position(drawing.sheets, argument(args, 0), nameOf);
        if (drawing.sheets.size() == 1) refuse("The last sheet cannot be removed");
        log.push_back("Remove sheet " + drawing.sheets[at]->name);
        drawing.removed.push_back(std::move(drawing.sheets[at]));
        drawing.sheets.erase(drawing.sheets.begin() + static_cast<std::ptrdiff_t>(at));
        return Variant();
    });
    return Object(sheets);
}

Object FakeDrawingCatia::sheetObject(FakeSheet& sheet, const bool* closed) {
    auto object = table("DrawingSheet", closed);
    object->refersTo(&sheet);
    object->property("Name", [&sheet](auto) { return Variant(sheet.name); });
    object->property("PaperSize", [&sheet](auto) { return Variant(sheet.paperSize); },
                     [&sheet](const Variant& v) { sheet.paperSize = static_cast<int>(v.toLong()); });
    object->property("ProjectionMethod", [&sheet](auto) { return Variant(sheet.projectionMethod); },
                     [&sheet](const Variant& v) { sheet.projectionMethod = static_cast<int>(v.toLong()); });
    object->property("Scale2", [&sheet](auto) { return Variant(sheet.scale); },
                     [&sheet](const Variant& v) { sheet.scale = v.toDouble(); });
    object->method("Update", [&sheet](auto) {
        ++sheet.updates;
        return Variant();
    });
    object->method("Activate", [](auto) { return Variant(); });
    object->property("Views", [this, &sheet, closed](auto) { return Variant(viewsObject(sheet, closed)); });
    return Object(object);
}

Object FakeDrawingCatia::viewsObject(FakeSheet& sheet, const bool* closed) {
    auto views = table("DrawingViews", closed);
    views->property("Count", [&sheet](auto) { return count(sheet.views.size()); });
    views->method("Item", [this, &sheet, closed](auto args) {
        return Variant(viewObject(
            *sheet.views[position(sheet.views, argument(args, 0), [](const FakeView& v) { return v.name; })], closed));
    });
    views->method("Add", [this, &sheet, closed](auto) {
        auto view = std::make_unique<FakeView>();
        view->name = "View." + std::to_string(sheet.views.size() + 1);
        sheet.views.push_back(std::move(view));
        return Variant(viewObject(*sheet.views.back(), closed));
    });
    return Object(views);
}

std::array<double, 4> FakeDrawingCatia::extentOf(const FakeView& view) const {
    auto sizeOf = [](const FakeNode* subject) -> Extents {
        if (auto* model = dynamic_cast<const FakeModel*>(subject)) return model->size;
        if (auto* body = dynamic_cast<const FakeBody*>(subject)) return body->size;
        refuse("The view shows nothing");
    };
    const Extents size = sizeOf(view.subject);
    double width = 0;
    double height = 0;
    if (view.definition == "front" || view.definition == "isometric") {
        width = along(view.direction, 0, size);
        height = along(view.direction, 3, size);
    } else if (view.definition == "projection" && view.projectedFrom) {
        const auto& d = view.projectedFrom->direction;
        const std::array<double, 6> normal{d[1] * d[5] - d[2] * d[4], d[2] * d[3] - d[0] * d[5],
                                           d[0] * d[4] - d[1] * d[3], 0, 0, 0};
        const double depth = along(normal, 0, size);
        const bool side = view.projectionType == 0 || view.projectionType == 1;
        width = side ? depth : along(d, 0, size);
        height = side ? along(d, 3, size) : depth;
    } else {
        refuse("The view is not defined");
    }
    width *= view.scale;
    height *= view.scale;
    return {view.x - width / 2, view.x + width / 2, view.y - height / 2, view.y + height / 2};
}

Object FakeDrawingCatia::viewObject(FakeView& view, const bool* closed) {
    auto object = table("DrawingView", closed);
    object->refersTo(&view);
    object->property("Name", [&view](auto) { return Variant(view.name); });
    object->property("ViewType", [&view](auto) { return Variant(view.viewType); });
    object->property("x", [&view](auto) { return Variant(view.x); },
                     [&view](const Variant& v) { view.x = v.toDouble(); });
    object->property("y", [&view](auto) { return Variant(view.y); },
                     [&view](const Variant& v) { view.y = v.toDouble(); });
    object->property("Scale2", [&view](auto) { return Variant(view.scale); },
                     [&view](const Variant& v) { view.scale = v.toDouble(); });
    object->method("Activate", [](auto) { return Variant(); });
    object->method("Size", [this, &view](auto args) {
        argument(args, 0);
        const auto box = extentOf(view);
        args[0] = Variant(Variant::Array{box[0], box[1], box[2], box[3]});
        return Variant();
    });
    object->property("ReferenceView", {}, [&view](const Variant& v) { view.referenceView = node<FakeView>(v); });
    object->method("AlignedWithReferenceView", [&view](auto) {
        view.aligned = true;
        return Variant();
    });
    object->property("GenerativeLinks", [this, &view, closed](auto) { return Variant(linksObject(view, closed)); });
    object->property("GenerativeBehavior",
                     [this, &view, closed](auto) { return Variant(behaviorObject(view, closed)); });
    object->property("Texts", [this, &view, closed](auto) {
        auto texts = table("DrawingTexts", closed);
        texts->property("Count", [&view](auto) { return count(view.texts.size()); });
        texts->method("Add", [this, &view, closed](auto args) {
            auto text = std::make_unique<FakeText>();
            text->text = argument(args, 0).toString();
            text->x = argument(args, 1).toDouble();
            text->y = argument(args, 2).toDouble();
            view.texts.push_back(std::move(text));
            return Variant(textObject(*view.texts.back(), closed));
        });
        return Variant(Object(texts));
    });
    object->property("Components", [this, &view, closed](auto) {
        auto components = table("DrawingComponents", closed);
        components->property("Count", [&view](auto) { return count(view.components.size()); });
        components->method("Item", [this, &view, closed](auto args) {
            const long long at = argument(args, 0).toLong();
            if (at < 1 || at > static_cast<long long>(view.components.size())) refuse("No component");
            return Variant(componentObject(*view.components[static_cast<std::size_t>(at - 1)], closed));
        });
        components->method("Add", [this, &view, closed](auto args) {
            FakeView* source = node<FakeView>(argument(args, 0));
            if (!source) refuse("Not a view");
            auto component = std::make_unique<FakeComponent>();
            component->source = source->name;
            component->x = argument(args, 1).toDouble();
            component->y = argument(args, 2).toDouble();
            component->owner = &view;
            for (const auto& text : source->texts) component->texts.push_back(std::make_unique<FakeText>(*text));
            view.components.push_back(std::move(component));
            return Variant(componentObject(*view.components.back(), closed));
        });
        return Variant(Object(components));
    });
    return Object(object);
}

Object FakeDrawingCatia::textObject(FakeText& text, const bool* closed) {
    auto object = table("DrawingText", closed);
    object->property("Text", [&text](auto) { return Variant(text.text); },
                     [&text](const Variant& v) { text.text = v.toString(); });
    object->property("TextProperties", [this, &text, closed](auto) {
        // As in CATIA, a changed anchor reaches the text at Update.
        auto properties = table("DrawingTextProperties", closed);
        auto anchor = std::make_shared<int>(text.anchor);
        properties->property("AnchorPoint", [anchor](auto) { return Variant(*anchor); },
                             [anchor](const Variant& v) { *anchor = static_cast<int>(v.toLong()); });
        properties->method("Update", [&text, anchor](auto) {
            text.anchor = *anchor;
            return Variant();
        });
        return Variant(Object(properties));
    });
    object->method("SetFontSize", [&text](auto args) {
        if (argument(args, 0).toLong() != 0 || argument(args, 1).toLong() != 0) refuse("Only the whole text");
        text.fontSize = argument(args, 2).toDouble();
        return Variant();
    });
    return Object(object);
}

Object FakeDrawingCatia::componentObject(FakeComponent& component, const bool* closed) {
    auto object = table("DrawingComponent", closed);
    object->refersTo(&component);
    object->method("GetModifiableObject", [this, &component, closed](auto args) {
        const std::string name = argument(args, 0).toString();
        for (auto& text : component.texts) {
            if (text->name == name) return Variant(textObject(*text, closed));
        }
        refuse("No object named " + name);
    });
    // The component's texts become texts of its view; the component is gone.
    object->method("Explode", [this, &component](auto) {
        FakeView& view = *component.owner;
        auto found = std::find_if(view.components.begin(), view.components.end(),
                                  [&](const auto& c) { return c.get() == &component; });
        if (found == view.components.end()) refuse("The component no longer exists");
        log.push_back("Explode " + component.source);
        for (const auto& text : component.texts) {
            view.texts.push_back(std::make_unique<FakeText>(*text));
            view.texts.back()->x += component.x;
            view.texts.back()->y += component.y;
        }
        view.exploded.push_back(component.source + " " + text::cstr(component.x) + "," + text::cstr(component.y));
        view.gone.push_back(std::move(*found));
        view.components.erase(found);
        return Variant();
    });
    return Object(object);
}

Object FakeDrawingCatia::behaviorObject(FakeView& view, const bool* closed) {
    auto behavior = table("DrawingViewGenerativeBehavior", closed);
    behavior->refersTo(&view);
    behavior->property(
        "Document",
        [this, &view](auto) -> Variant {
            if (auto* model = dynamic_cast<FakeModel*>(view.subject)) return Variant(productObject(*model));
            if (auto* body = dynamic_cast<FakeBody*>(view.subject)) return Variant(bodyObject(*body));
            refuse("The view shows nothing");
        },
        [&view](const Variant& v) { view.subject = node<FakeNode>(v); });
    auto define = [&view](const char* definition, int viewType, auto args) {
        view.definition = definition;
        view.viewType = viewType;
        for (std::size_t i = 0; i < 6; ++i) view.direction[i] = argument(args, i).toDouble();
        return Variant();
    };
    behavior->method("DefineFrontView", [define](auto args) { return define("front", 1, args); });
    behavior->method("DefineIsometricView", [define](auto args) { return define("isometric", 7, args); });
    behavior->method("DefineProjectionView", [&view](auto args) {
        view.definition = "projection";
        view.viewType = 3;
        view.projectedFrom = node<FakeView>(argument(args, 0));
        view.projectionType = static_cast<int>(argument(args, 1).toLong());
        return Variant();
    });
    behavior->method("Update", [&view](auto) {
        ++view.updates;
        return Variant();
    });
    return Object(behavior);
}

Object FakeDrawingCatia::linksObject(FakeView& view, const bool* closed) {
    auto links = table("DrawingViewGenerativeLinks", closed);
    links->refersTo(&view);
    links->method("AddLink", [&view](auto args) {
        view.subject = node<FakeNode>(argument(args, 0));
        return Variant();
    });
    links->method("CopyLinksTo", [&view](auto args) {
        node<FakeView>(argument(args, 0))->subject = view.subject;
        return Variant();
    });
    return Object(links);
}

Object FakeDrawingCatia::selectionObject(FakeDrawing* drawing) {
    auto selection = table("Selection");
    selection->method("Clear", [this, drawing](auto) {
        selected_[drawing].clear();
        return Variant();
    });
    selection->method("Add", [this, drawing](auto args) {
        auto* component = node<FakeComponent>(argument(args, 0));
        if (!component) {
            log.push_back("Select " + argument(args, 0).object().get("Name").toString());
            return Variant();
        }
        selected_[drawing].push_back(component);
        return Variant();
    });
    selection->method("Delete", [this, drawing](auto) {
        auto& chosen = selected_[drawing];
        if (chosen.empty()) refuse("Nothing selected");
        log.push_back("Delete " + std::to_string(chosen.size()));
        for (FakeComponent* component : chosen) {
            auto& components = component->owner->components;
            auto found = std::find_if(components.begin(), components.end(),
                                      [&](const auto& c) { return c.get() == component; });
            if (found == components.end()) continue;
            component->owner->gone.push_back(std::move(*found));
            components.erase(found);
        }
        chosen.clear();
        return Variant();
    });
    selection->method("SelectElement2", [this](auto) {
        if (picks.empty()) throw std::logic_error("the test queued no pick");
        auto [status, picked] = picks.front();
        picks.pop_front();
        picked_ = picked;
        return Variant(status);
    });
    selection->method("Item2", [this](auto) {
        auto element = table("SelectedElement");
        const Object picked = picked_;
        element->property("Value", [picked](auto) { return Variant(picked); });
        return Variant(Object(element));
    });
    return Object(selection);
}

}  // namespace qvl::planwright::testing
