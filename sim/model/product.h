#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/model/geometry.h"

namespace qvl::sim {

class Document;
class Product;

// What the physical analysis of a product reports; a value the model does not carry is absent.
struct Analysis {
    std::optional<double> mass;     // kg
    std::optional<double> volume;   // mm³
    std::optional<double> wetArea;  // mm²

    bool any() const { return mass || volume || wetArea; }
};

// The properties that belong to the reference product of a document (its root product) and
// that every instance of that document shows.
struct ProductProperties {
    std::string partNumber;
    std::string nomenclature;
    std::string definition;
    Analysis analysis;
    int workMode = 0;
    std::vector<std::unique_ptr<Product>> children;  // the instances, in tree order
};

// A node of a product structure, as CATIA has it: either the root (reference) product of a part
// or product document, or an instance inside a reference product that places the root product
// of another document at an offset. An instance shows the properties and children of the
// product it instantiates; when that document could not be loaded, the instance stays in the
// tree and refuses everything that needs it.
class Product {
public:
    // The root product of `document`.
    Product(Document& document, ProductProperties properties);
    // An instance named `name` in `parent` of the document `reference` (null when the file
    // `file` could not be loaded, for the reason `unresolvedReason`).
    Product(Product& parent, std::string name, std::string file, Vec3 offset,
            std::shared_ptr<Document> reference, std::string unresolvedReason);
    ~Product();
    Product(const Product&) = delete;
    Product& operator=(const Product&) = delete;

    bool isRoot() const noexcept { return parent_ == nullptr; }
    // The document whose structure holds this node.
    Document& document() const noexcept { return *document_; }
    // The reference product that holds this instance; null for a root product.
    Product* parent() const noexcept { return parent_; }

    // A root product is named by its part number, an instance by its instance name.
    const std::string& name() const;

    // The root product that this node stands for: itself, or the instantiated document's root.
    // Refuses when the instantiated document could not be loaded.
    Product& reference();
    const Product& reference() const;
    ProductProperties& properties() { return reference().own_; }
    const ProductProperties& properties() const { return reference().own_; }
    std::vector<std::unique_ptr<Product>>& children() { return properties().children; }
    Product* findChild(std::string_view instanceName);

    // Instance data; empty for a root product.
    const std::string& file() const noexcept { return file_; }
    const Vec3& offset() const noexcept { return offset_; }
    bool isResolved() const noexcept { return isRoot() || referenceDocument_ != nullptr; }
    const std::shared_ptr<Document>& referenceDocument() const noexcept { return referenceDocument_; }

    // The solid geometry that this node shows, in the coordinates of the product that holds it
    // (an instance's offset applied). Unresolved instances contribute nothing.
    std::vector<Box> boxes() const;

private:
    Document* document_;
    Product* parent_ = nullptr;
    ProductProperties own_;  // used by a root product only
    std::string instanceName_;
    std::string file_;
    Vec3 offset_;
    std::shared_ptr<Document> referenceDocument_;
    std::string unresolvedReason_;
};

}  // namespace qvl::sim
