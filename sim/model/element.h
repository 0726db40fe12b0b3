#pragma once

#include <memory>
#include <string>
#include <variant>

namespace qvl::sim {

class Document;
class Product;
struct Part;
struct Body;
struct AxisSystem;
class DrawingSheet;
class DrawingView;
struct DrawingText;
struct DrawingComponent;
class ProcessActivity;

// An object of a document that can be selected: the node itself and the document that holds it,
// which keeps the node alive. Drawing elements can be deleted, so they are held by shared
// pointer.
struct Element {
    std::shared_ptr<Document> document;
    std::variant<Product*, Part*, Body*, AxisSystem*, std::shared_ptr<DrawingSheet>, std::shared_ptr<DrawingView>,
                 std::shared_ptr<DrawingText>, std::shared_ptr<DrawingComponent>, ProcessActivity*>
        target;

    // CATIA's type name of the object ("Product", "Body", "DrawingView", "ManufacturingSetup", ...).
    std::string typeName() const;

    friend bool operator==(const Element& a, const Element& b) { return a.target == b.target; }
};

}  // namespace qvl::sim
