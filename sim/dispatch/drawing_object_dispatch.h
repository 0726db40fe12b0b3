#pragma once

#include <memory>
#include <optional>
#include <string>

#include "sim/dispatch/sim_dispatch.h"
#include "sim/model/document.h"
#include "sim/model/drawing/drawing.h"
#include "sim/model/refusal.h"

namespace qvl::sim {

// An automation object of a drawing document's content.
class DrawingObjectDispatch : public SimDispatch {
public:
    DrawingObjectDispatch(std::string typeName, Server& server, std::shared_ptr<Document> document)
        : SimDispatch(std::move(typeName), server, std::move(document)) {}

protected:
    Drawing& drawing() const { return owner()->drawing(); }
    // The document has changes that are not in its file.
    void changed() const { owner()->setModified(true); }
};

// A drawing object that was deleted (with its view or sheet) or exploded fails every call.
template <class T>
T& alive(const std::shared_ptr<T>& object) {
    if (object->removed) throw Refusal("the object has been deleted");
    return *object;
}

// The view that an automation object of the simulated CATIA stands for or belongs to (a view,
// its generative behaviour or links), with its sheet and document.
struct ViewBinding {
    std::shared_ptr<Document> document;
    std::shared_ptr<DrawingSheet> sheet;
    std::shared_ptr<DrawingView> view;
};

// The base of the objects bound to one view.
class ViewBoundDispatch : public DrawingObjectDispatch {
public:
    ViewBoundDispatch(std::string typeName, Server& server, std::shared_ptr<Document> document,
                      std::shared_ptr<DrawingSheet> sheet, std::shared_ptr<DrawingView> view)
        : DrawingObjectDispatch(std::move(typeName), server, std::move(document)),
          sheet_(std::move(sheet)),
          view_(std::move(view)) {}

    ViewBinding binding() const { return {owner(), sheet_, view_}; }

protected:
    DrawingSheet& sheet() const { return alive(sheet_); }
    DrawingView& view() const { return alive(view_); }
    const std::shared_ptr<DrawingSheet>& sheetPointer() const { return sheet_; }
    const std::shared_ptr<DrawingView>& viewPointer() const { return view_; }

private:
    std::shared_ptr<DrawingSheet> sheet_;
    std::shared_ptr<DrawingView> view_;
};

// The view behind an object; refuses any other object and a deleted view.
ViewBinding viewBindingOf(const automation::Object& object);

}  // namespace qvl::sim
