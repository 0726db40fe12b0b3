#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/model/drawing/drawing_sheet.h"

namespace qvl::sim {

// What a drawing document holds: its sheets in order and which one is active.
class Drawing {
public:
    std::optional<long long> standard;
    std::vector<std::shared_ptr<DrawingSheet>> sheets;

    // A new drawing has one sheet, "Sheet.1".
    static std::unique_ptr<Drawing> makeNew();

    // The position (from 0) of the sheet with that name; nullopt when there is none.
    std::optional<std::size_t> findSheet(std::string_view sheetName) const;
    // A new sheet, after the others, made active. Names need not be unique, as in CATIA. A
    // detail sheet holds artwork that other sheets instantiate.
    std::shared_ptr<DrawingSheet> addSheet(const std::string& sheetName, bool detail = false);
    // Removes the sheet at `position` (from 0). Refuses to remove the last sheet.
    void removeSheet(std::size_t position);

    // The active sheet: the one last activated or added; the first when that one is gone.
    std::shared_ptr<DrawingSheet> activeSheet() const;
    void activate(const std::shared_ptr<DrawingSheet>& sheet) { active_ = sheet; }

    // The sheet that holds the view, the view that holds the component; null when none does.
    std::shared_ptr<DrawingSheet> sheetHolding(const DrawingView& view) const;
    std::shared_ptr<DrawingView> viewHolding(const DrawingComponent& component) const;

    // Every document that the views project, for keeping them loaded.
    std::vector<std::shared_ptr<Document>> linkedDocuments() const;

private:
    std::weak_ptr<DrawingSheet> active_;
};

}  // namespace qvl::sim
