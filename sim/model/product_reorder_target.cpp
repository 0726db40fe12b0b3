#include "sim/model/product_reorder_target.h"

#include <stdexcept>

namespace qvl::sim {

std::vector<std::string> ProductReorderTarget::childNames() const {
    std::vector<std::string> names;
    for (const auto& child : product_.reference().properties().children) names.push_back(child->name());
    return names;
}

void ProductReorderTarget::commitOrder(const std::vector<std::size_t>& order) {
    Product& reference = product_.reference();
    auto& children = reference.children();
    if (order.size() != children.size()) throw std::logic_error("a new order must name every child once");
    std::vector<std::unique_ptr<Product>> reordered;
    reordered.reserve(children.size());
    for (std::size_t from : order) reordered.push_back(std::move(children.at(from)));
    children = std::move(reordered);
    // The order belongs to the document of the product whose children moved.
    reference.document().setModified(true);
}

}  // namespace qvl::sim
