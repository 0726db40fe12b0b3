#include "sim/model/process/process_activity.h"

#include "sim/model/refusal.h"

namespace qvl::sim {

std::string ProcessActivity::typeName() const {
    switch (kind_) {
        case ActivityKind::ProcessActivity: return "PPRActivity";
        case ActivityKind::Setup: return "ManufacturingSetup";
        case ActivityKind::Program: return "ManufacturingProgram";
        case ActivityKind::Operation: return "ManufacturingOperation";
    }
    return "";
}

std::string ProcessActivity::type() const { return kind_ == ActivityKind::Operation ? operationType : typeName(); }

ProcessActivity& ProcessActivity::add(std::unique_ptr<ProcessActivity> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
    return *children_.back();
}

ProcessActivity* ProcessActivity::findChild(std::string_view childName) const {
    for (const auto& child : children_) {
        if (child->name() == childName) return child.get();
    }
    return nullptr;
}

bool ProcessActivity::isWithin(const ProcessActivity& ancestor) const {
    for (const ProcessActivity* at = this; at; at = at->parent_) {
        if (at == &ancestor) return true;
    }
    return false;
}

const MachiningTool& ProcessActivity::machiningTool() const {
    if (!tool) throw Refusal(name_ + " has no tool");
    return *tool;
}

const ToolAssembly& ProcessActivity::toolAssembly() const {
    if (!assembly) throw Refusal(name_ + " has no tool assembly");
    return *assembly;
}

std::vector<const NamedValue*> ProcessActivity::parametersBelow(bool recursive) const {
    std::vector<const NamedValue*> found;
    for (const NamedValue& parameter : parameters) found.push_back(&parameter);
    if (recursive) {
        for (const auto& child : children_) {
            std::vector<const NamedValue*> more = child->parametersBelow(true);
            found.insert(found.end(), more.begin(), more.end());
        }
    }
    return found;
}

}  // namespace qvl::sim
