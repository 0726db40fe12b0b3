#include "sim/model/product.h"

#include "sim/model/document.h"
#include "sim/model/refusal.h"

namespace qvl::sim {

Product::Product(Document& document, ProductProperties properties)
    : document_(&document), own_(std::move(properties)) {}

Product::Product(Product& parent, std::string name, std::string file, Vec3 offset,
                 std::shared_ptr<Document> reference, std::string unresolvedReason)
    : document_(&parent.document()),
      parent_(&parent),
      instanceName_(std::move(name)),
      file_(std::move(file)),
      offset_(offset),
      referenceDocument_(std::move(reference)),
      unresolvedReason_(std::move(unresolvedReason)) {}

Product::~Product() = default;

const std::string& Product::name() const { return isRoot() ? own_.partNumber : instanceName_; }

Product& Product::reference() {
    if (isRoot()) return *this;
    if (!referenceDocument_) {
        throw Refusal("the document of " + instanceName_ + " (" + file_ + ") is not loaded: " + unresolvedReason_);
    }
    return referenceDocument_->product();
}

const Product& Product::reference() const { return const_cast<Product*>(this)->reference(); }

Product* Product::findChild(std::string_view instanceName) {
    for (auto& child : children()) {
        if (child->name() == instanceName) return child.get();
    }
    return nullptr;
}

std::vector<Box> Product::boxes() const {
    std::vector<Box> all;
    if (!isResolved()) return all;
    const Product& ref = reference();
    const Document& doc = ref.document();
    if (doc.hasPart()) {
        all = doc.part().boxes();
    } else {
        for (const auto& child : ref.own_.children) {
            std::vector<Box> inner = child->boxes();
            all.insert(all.end(), inner.begin(), inner.end());
        }
    }
    if (!isRoot()) {
        for (Box& box : all) box = box.translated(offset_);
    }
    return all;
}

}  // namespace qvl::sim
