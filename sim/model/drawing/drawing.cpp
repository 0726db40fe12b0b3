#include "sim/model/drawing/drawing.h"

#include <algorithm>

#include "sim/model/refusal.h"

namespace qvl::sim {

std::unique_ptr<Drawing> Drawing::makeNew() {
    auto drawing = std::make_unique<Drawing>();
    drawing->addSheet("Sheet.1");
    return drawing;
}

std::optional<std::size_t> Drawing::findSheet(std::string_view sheetName) const {
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (sheets[i]->name == sheetName) return i;
    }
    return std::nullopt;
}

std::shared_ptr<DrawingSheet> Drawing::addSheet(const std::string& sheetName, bool detail) {
    auto sheet = makeSheet(sheetName);
    sheet->detail = detail;
    sheets.push_back(sheet);
    active_ = sheet;
    return sheet;
}

void Drawing::removeSheet(std::size_t position) {
    if (position >= sheets.size()) throw Refusal("the drawing has no sheet " + std::to_string(position + 1));
    if (sheets.size() == 1) throw Refusal("the last sheet of a drawing cannot be removed");
    sheets[position]->markRemoved();
    sheets.erase(sheets.begin() + static_cast<std::ptrdiff_t>(position));
}

std::shared_ptr<DrawingSheet> Drawing::activeSheet() const {
    if (auto sheet = active_.lock(); sheet && !sheet->removed) return sheet;
    return sheets.empty() ? nullptr : sheets.front();
}

std::shared_ptr<DrawingSheet> Drawing::sheetHolding(const DrawingView& view) const {
    for (const auto& sheet : sheets) {
        for (const auto& v : sheet->views) {
            if (v.get() == &view) return sheet;
        }
    }
    return nullptr;
}

std::shared_ptr<DrawingView> Drawing::viewHolding(const DrawingComponent& component) const {
    for (const auto& sheet : sheets) {
        for (const auto& view : sheet->views) {
            for (const auto& c : view->components) {
                if (c.get() == &component) return view;
            }
        }
    }
    return nullptr;
}

std::vector<std::shared_ptr<Document>> Drawing::linkedDocuments() const {
    std::vector<std::shared_ptr<Document>> documents;
    for (const auto& sheet : sheets) {
        for (const auto& view : sheet->views) {
            for (const GenerativeLink& link : view->generative.links) {
                if (link.element && std::find(documents.begin(), documents.end(), link.element->document) == documents.end()) {
                    documents.push_back(link.element->document);
                }
            }
        }
    }
    return documents;
}

}  // namespace qvl::sim
