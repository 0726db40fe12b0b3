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

// An object of a document that can be selected: the node itself and the document that holds it,
// which keeps the node alive.
struct Element {
    std::shared_ptr<Document> document;
    std::variant<Product*, Part*, Body*, AxisSystem*> target;

    // CATIA's type name of the object ("Product", "Body", ...).
    std::string typeName() const;

    friend bool operator==(const Element& a, const Element& b) { return a.target == b.target; }
};

}  // namespace qvl::sim
