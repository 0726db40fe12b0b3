#pragma once

#include <memory>

#include "sim/model/document.h"
#include "sim/model/product.h"
#include "sim/reorder/reorder_target.h"

namespace qvl::sim {

// The product in CATIA's selection as the graph-tree-reordering dialog sees it: its children's
// instance names, and a new order committed to the product that holds them.
class ProductReorderTarget : public reorder::ReorderTarget {
public:
    ProductReorderTarget(std::shared_ptr<Document> holder, Product& product)
        : holder_(std::move(holder)), product_(product) {}

    std::vector<std::string> childNames() const override;
    void commitOrder(const std::vector<std::size_t>& order) override;

private:
    std::shared_ptr<Document> holder_;  // keeps the product's document loaded
    Product& product_;
};

}  // namespace qvl::sim
