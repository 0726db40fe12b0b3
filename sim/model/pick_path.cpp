#include "sim/model/pick_path.h"

#include <vector>

#include "headless/script_fault.h"
#include "sim/model/drawing/drawing.h"
#include "sim/model/process/process.h"
#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

std::vector<std::string_view> splitNames(std::string_view path) {
    std::vector<std::string_view> names;
    std::size_t start = 0;
    for (;;) {
        std::size_t slash = path.find('/', start);
        names.push_back(path.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start));
        if (slash == std::string_view::npos) return names;
        start = slash + 1;
    }
}

// In a drawing: a sheet, a view of it, or a text or component of that view.
Element resolveInDrawing(const std::shared_ptr<Document>& document, const std::vector<std::string_view>& steps) {
    const Drawing& drawing = document->drawing();
    std::optional<std::size_t> sheetAt = drawing.findSheet(steps[0]);
    if (!sheetAt) throw Refusal(document->name() + " has no sheet " + std::string(steps[0]));
    const auto& sheet = drawing.sheets[*sheetAt];
    if (steps.size() == 1) return Element{document, sheet};
    auto view = sheet->findView(steps[1]);
    if (!view) throw Refusal("the sheet " + sheet->name + " has no view " + std::string(steps[1]));
    if (steps.size() == 2) return Element{document, view};
    if (steps.size() == 3) {
        for (const auto& text : view->content.texts) {
            if (text->name == steps[2]) return Element{document, text};
        }
        for (const auto& component : view->components) {
            if (component->name == steps[2]) return Element{document, component};
        }
    }
    throw Refusal("the view " + view->name + " holds no " + std::string(steps[2]));
}

// In a process document: the process, then activities, setups, programs and operations below
// it, each by its name.
Element resolveInProcess(const std::shared_ptr<Document>& document, const std::vector<std::string_view>& steps) {
    ProcessActivity* node = document->process().root.get();
    if (steps.front() != node->name()) {
        throw Refusal("the process of " + document->name() + " is " + node->name() + ", not " + std::string(steps.front()));
    }
    for (std::size_t i = 1; i < steps.size(); ++i) {
        ProcessActivity* child = node->findChild(steps[i]);
        if (!child) throw Refusal(node->name() + " holds no " + std::string(steps[i]));
        node = child;
    }
    return Element{document, node};
}

}  // namespace

Element resolvePickPath(const Session& session, std::string_view path) {
    auto fault = [&](const std::string& why) {
        return platform::ScriptFault("pick " + std::string(path) + ": " + why);
    };

    std::shared_ptr<Document> document;
    std::string_view names = path;
    if (std::size_t colon = path.find(':'); colon != std::string_view::npos) {
        document = session.findOpen(path.substr(0, colon));
        if (!document) throw fault("no open document is named " + std::string(path.substr(0, colon)));
        names = path.substr(colon + 1);
    } else {
        document = session.active();
        if (!document) throw fault("no document is active in CATIA");
    }
    std::vector<std::string_view> steps = splitNames(names);
    if (document->kind() == DocumentKind::Drawing || document->kind() == DocumentKind::Process) {
        try {
            return document->kind() == DocumentKind::Drawing ? resolveInDrawing(document, steps)
                                                              : resolveInProcess(document, steps);
        } catch (const Refusal& e) {
            throw fault(e.what());
        }
    }
    Product* node = &document->product();
    if (steps.front() != node->name()) {
        throw fault("the root of " + document->name() + " is " + node->name() + ", not " + std::string(steps.front()));
    }
    for (std::size_t i = 1; i < steps.size(); ++i) {
        Product* child = nullptr;
        try {
            child = node->findChild(steps[i]);
        } catch (const Refusal& e) {
            throw fault(e.what());
        }
        if (!child) throw fault(node->name() + " has no child " + std::string(steps[i]));
        node = child;
    }
    return Element{node->document().shared_from_this(), node};
}

}  // namespace qvl::sim
