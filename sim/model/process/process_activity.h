#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/model/process/machining_tool.h"

namespace qvl::sim {

// The kinds of node in a process tree: process activities (the process itself among them),
// which hold setups, programs and further process activities; machining setups, which hold
// programs; programs, which hold operations; and machining operations.
enum class ActivityKind { ProcessActivity, Setup, Program, Operation };

// A node of a process document's tree. Nodes are held by pointer so that references to them
// stay valid; the tree does not change once it is read.
class ProcessActivity {
public:
    ProcessActivity(ActivityKind kind, std::string name) : kind_(kind), name_(std::move(name)) {}
    ProcessActivity(const ProcessActivity&) = delete;
    ProcessActivity& operator=(const ProcessActivity&) = delete;

    ActivityKind kind() const noexcept { return kind_; }
    const std::string& name() const noexcept { return name_; }
    // CATIA's type name: "PPRActivity", "ManufacturingSetup", "ManufacturingProgram" or
    // "ManufacturingOperation".
    std::string typeName() const;
    // What `Type` answers: an operation's own type ("Pocketing", "ToolChange", ...), the type
    // name for every other node.
    std::string type() const;

    std::string comment;
    bool active = true;

    // Operations only: their type, machining time, tool, tool assembly and own parameters.
    std::string operationType;
    double totalTime = 0;
    std::optional<MachiningTool> tool;
    std::optional<ToolAssembly> assembly;
    std::vector<NamedValue> parameters;

    // The node that holds this one; null for the process itself.
    ProcessActivity* parent() const noexcept { return parent_; }
    const std::vector<std::unique_ptr<ProcessActivity>>& children() const noexcept { return children_; }
    ProcessActivity& add(std::unique_ptr<ProcessActivity> child);
    // The child of that name, or null.
    ProcessActivity* findChild(std::string_view childName) const;
    // Whether this node is `ancestor` or lies below it.
    bool isWithin(const ProcessActivity& ancestor) const;

    // The tool and tool assembly of an operation; refused when it has none.
    const MachiningTool& machiningTool() const;
    const ToolAssembly& toolAssembly() const;

    // The parameters of this node (only operations have any), and with `recursive` those of
    // every node below it too, depth first in tree order.
    std::vector<const NamedValue*> parametersBelow(bool recursive) const;

private:
    ActivityKind kind_;
    std::string name_;
    ProcessActivity* parent_ = nullptr;
    std::vector<std::unique_ptr<ProcessActivity>> children_;
};

}  // namespace qvl::sim
