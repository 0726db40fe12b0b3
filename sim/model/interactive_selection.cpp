#include "sim/model/interactive_selection.h"

#include <algorithm>

#include "headless/script_fault.h"
#include "sim/model/pick_path.h"

namespace qvl::sim {
namespace {

const char* statusText(PickAnswer::Kind kind) {
    switch (kind) {
        case PickAnswer::Kind::Normal: return "Normal";
        case PickAnswer::Kind::Cancel: return "Cancel";
        case PickAnswer::Kind::Undo: return "Undo";
        case PickAnswer::Kind::Redo: return "Redo";
    }
    return "Normal";
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

std::string selectInteractively(Session& session, Selection& into, const std::vector<std::string>& filter,
                                const std::string& prompt, bool useSelectionBefore) {
    if (useSelectionBefore) {
        std::vector<Element> fitting;
        std::copy_if(into.items().begin(), into.items().end(), std::back_inserter(fitting), [&](const Element& e) {
            return std::find(filter.begin(), filter.end(), e.typeName()) != filter.end();
        });
        if (!fitting.empty()) {
            into.replace(std::move(fitting));
            return statusText(PickAnswer::Kind::Normal);
        }
    }
    PickAnswer answer = session.nextPick("the selection in CATIA \"" + prompt + "\"");
    bool selects = answer.kind == PickAnswer::Kind::Normal || answer.kind == PickAnswer::Kind::Cancel;

    std::vector<Element> picked;
    std::vector<std::string> paths;
    if (selects) {
        for (const std::string& path : answer.paths) {
            Element element = resolvePickPath(session, path);
            std::string type = element.typeName();
            if (std::find(filter.begin(), filter.end(), type) == filter.end()) {
                throw platform::ScriptFault("pick " + path + ": a " + type + " cannot be picked where CATIA asks for " +
                                            joined(filter));
            }
            picked.push_back(std::move(element));
            paths.push_back(path);
        }
    }

    platform::Json event = platform::Transcript::event("pick");
    event["prompt"] = prompt;
    event["filter"] = filter;
    event["status"] = statusText(answer.kind);
    event["selected"] = paths;
    session.transcript().record(std::move(event));

    if (selects) into.replace(std::move(picked));
    return statusText(answer.kind);
}

}  // namespace qvl::sim
