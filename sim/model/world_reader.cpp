#include "sim/model/world_reader.h"

#include "common/platform/windows_path.h"
#include "sim/model/drawing/drawing_reader.h"
#include "sim/model/json_shape.h"
#include "sim/model/process/process_reader.h"
#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

using namespace json_shape;

bool sameExtension(std::string_view a, const char* b) { return platform::samePath(a, b); }

ProductProperties readProperties(const Json& root, const std::string& fullPath) {
    ProductProperties p;
    p.partNumber = optionalString(root, "partNumber", "", platform::baseNameOf(fullPath));
    p.nomenclature = optionalString(root, "nomenclature", "");
    p.definition = optionalString(root, "definition", "");
    p.analysis.mass = optionalNumber(root, "mass", "");
    p.analysis.volume = optionalNumber(root, "volume", "");
    p.analysis.wetArea = optionalNumber(root, "wetArea", "");
    return p;
}

std::unique_ptr<Part> readPart(const Json& root) {
    auto part = std::make_unique<Part>();
    const Json& bodies = optionalArray(root, "bodies", "");
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        std::string where = at("bodies", i);
        requireObject(bodies[i], where);
        auto body = std::make_unique<Body>();
        body->name = requiredString(bodies[i], "name", where);
        const Json& boxes = optionalArray(bodies[i], "boxes", where);
        for (std::size_t b = 0; b < boxes.size(); ++b) body->boxes.push_back(box(boxes[b], at(at(where, "boxes"), b)));
        part->bodies.push_back(std::move(body));
    }
    if (!root.contains("bodies")) part->bodies.push_back(std::make_unique<Body>(Body{"PartBody", {}}));

    const Json& axes = optionalArray(root, "axisSystems", "");
    for (std::size_t i = 0; i < axes.size(); ++i) {
        std::string where = at("axisSystems", i);
        requireObject(axes[i], where);
        auto axis = std::make_unique<AxisSystem>();
        axis->name = requiredString(axes[i], "name", where);
        axis->origin = optionalVec3(axes[i], "origin", where, axis->origin);
        axis->x = optionalVec3(axes[i], "x", where, axis->x);
        axis->y = optionalVec3(axes[i], "y", where, axis->y);
        axis->z = optionalVec3(axes[i], "z", where, axis->z);
        part->axisSystems.push_back(std::move(axis));
    }
    return part;
}

void readChildren(const Json& root, Product& product, const ChildLoader& loadChild) {
    const Json& children = optionalArray(root, "children", "");
    for (std::size_t i = 0; i < children.size(); ++i) {
        std::string where = at("children", i);
        requireObject(children[i], where);
        std::string name = requiredString(children[i], "name", where);
        std::string file = requiredString(children[i], "file", where);
        Vec3 offset = optionalVec3(children[i], "offset", where, {});
        std::string whyNot;
        std::shared_ptr<Document> reference = loadChild(file, whyNot);
        product.children().push_back(std::make_unique<Product>(product, std::move(name), std::move(file), offset,
                                                               std::move(reference), std::move(whyNot)));
    }
}

}  // namespace

std::optional<DocumentKind> kindOfFile(std::string_view path) {
    std::string extension = platform::extensionOf(path);
    for (DocumentKind kind : {DocumentKind::Part, DocumentKind::Product, DocumentKind::Drawing, DocumentKind::Process}) {
        if (sameExtension(extension, extensionOf(kind))) return kind;
    }
    return std::nullopt;
}

std::shared_ptr<Document> readWorldDocument(std::string_view text, const std::string& fullPath,
                                            const ChildLoader& loadChild) {
    std::optional<DocumentKind> kind = kindOfFile(fullPath);
    if (!kind) throw Refusal(fullPath + " is no document that CATIA opens");

    Json root;
    try {
        root = Json::parse(text);
    } catch (const Json::exception& e) {
        throw Refusal(fullPath + ": not a valid JSON document (" + e.what() + ")");
    }
    try {
        requireObject(root, "");
        std::string declared = optionalString(root, "kind", "", kindName(*kind));
        if (declared != kindName(*kind)) {
            throw Refusal("kind: \"" + declared + "\" does not match the file's extension");
        }

        auto document = std::make_shared<Document>(*kind, platform::fileNameOf(fullPath), fullPath);
        if (*kind == DocumentKind::Drawing) {
            document->setDrawing(readDrawing(root, loadChild));
            return document;
        }
        if (*kind == DocumentKind::Process) {
            document->setProcess(readProcess(root, loadChild));
            return document;
        }
        document->setProduct(std::make_unique<Product>(*document, readProperties(root, fullPath)));
        if (*kind == DocumentKind::Part) {
            document->setPart(readPart(root));
        } else {
            readChildren(root, document->product(), loadChild);
        }
        return document;
    } catch (const Refusal& e) {
        throw Refusal(fullPath + ": " + e.what());
    } catch (const Json::exception& e) {
        throw Refusal(fullPath + ": " + e.what());
    }
}

}  // namespace qvl::sim
