// The walk over CATIA's process tree that turns every active machining operation below the
// picked item into one operation record: process activities, their setups, the setups'
// programs and the programs' operations, depth first in CATIA's order.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "common/automation/error_trap.h"
#include "millsheet/main_frm3.h"
#include "millsheet/operations/operation_texts.h"
#include "millsheet/operations/process_types.h"

namespace qvl::millsheet {

using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

// The operation parameters shown in fields 8 to 12, in field order.
constexpr std::array<const char*, 5> parameterNames{"Offset on Contour", "Offset on Bottom", "Machining quality",
                                                    "Machining spindle", "Machining feedrate"};

// The ValueAsString of a tool's attribute; nullopt when it cannot be read.
std::optional<std::string> attributeText(ErrorTrap& trap, const Object& owner, const char* attribute) {
    std::optional<std::string> value;
    trap([&] { value = owner.call("GetAttribute", {Variant(attribute)}).object().get("ValueAsString").toString(); });
    return value;
}

// The Value of a tool assembly's attribute, as text; nullopt when it cannot be read.
std::optional<std::string> attributeValue(ErrorTrap& trap, const Object& owner, const char* attribute) {
    std::optional<std::string> value;
    trap([&] { value = owner.call("GetAttribute", {Variant(attribute)}).object().get("Value").toString(); });
    return value;
}

}  // namespace

void MainFrm3::ProcessFinInfo(const Object& activity) {
    ErrorTrap trap;
    Object children;
    long long count = 0;
    if (!trap([&] {
            children = activity.get("ChildrenActivities").object();
            count = children.get("Count").toLong();
        })) {
        return;
    }
    for (long long i = 1; i <= count; ++i) {
        // The child is read afresh for each use.
        auto child = [&] { return children.call("Item", {Variant(i)}); };
        std::string type;
        if (!trap([&] { type = child().typeName(); })) continue;
        if (type != setupType && type != activityType) continue;
        bool active = false;
        trap([&] { active = child().object().get("Active").toBool(); });
        if (!active) continue;
        if (type == setupType) {
            trap([&] { PoToolList(child()); });
        } else {
            trap([&] { ProcessFinInfo(child().object()); });
        }
    }
}

void MainFrm3::PoToolList(const Variant& setup) {
    if (setup.typeName() != setupType) return;
    const Object programs = setup.object().get("Programs").object();
    const long long count = programs.get("Count").toLong();
    for (long long i = 1; i <= count; ++i) {
        const Variant program = programs.call("GetElement", {Variant(i)});
        if (program.object().get("Active").toBool()) ToolInfo(program);
    }
}

void MainFrm3::ToolInfo(const Variant& program) {
    if (program.typeName() != programType) return;
    const Object& prog = program.object();
    ErrorTrap trap;
    Object operations;
    long long count = 0;
    trap([&] { operations = prog.get("Activities").object(); });
    trap([&] { count = operations.get("Count").toLong(); });

    for (long long i = 1; i <= count; ++i) {
        // Everything below is read for this operation alone: a value that cannot be read stays
        // empty and is never taken over from the operation before.
        Object op;
        if (!trap([&] { op = operations.call("GetElement", {Variant(i)}).object(); })) continue;
        bool active = false;
        trap([&] { active = op.get("Active").toBool(); });
        if (!active) continue;
        std::string type;
        trap([&] { type = op.get("Type").toString(); });
        if (IsExcludedOperationType(type)) continue;
        // The sequence number is a 16-bit counter: past its end no more records are added.
        if (OperationCount == std::numeric_limits<std::int16_t>::max()) continue;
        ++OperationCount;

        Object tool;
        trap([&] { tool = op.get("Tool").object(); });
        std::string toolNumber;
        trap([&] { toolNumber = tool.get("ToolNumber").toString(); });
        const std::optional<std::string> cuttingLength = attributeText(trap, tool, "MFG_CUT_LENGTH");
        const std::optional<std::string> radius = attributeText(trap, tool, "MFG_CORNER_RAD");
        std::string toolType;
        trap([&] { toolType = tool.get("ToolType").toString(); });
        const std::string diameterName = DiameterAttributeName(toolType);
        const std::optional<std::string> diameter = attributeText(trap, tool, diameterName.c_str());

        OperationRecord record{};
        record[0] = std::to_string(OperationCount);
        trap([&] { record[1] = prog.get("Name").toString(); });
        trap([&] { record[2] = prog.get("Comment").toString(); });
        Object assembly;
        trap([&] { assembly = op.get("ToolAssembly").object(); });
        record[3] = attributeValue(trap, assembly, "MFG_NAME").value_or("");
        record[4] = toolNumber;
        trap([&] { record[5] = tool.get("Name").toString(); });
        record[6] = DiameterRadiusText(diameter, radius);
        record[7] = LengthsText(cuttingLength, attributeValue(trap, assembly, "MFG_ASS_GAGE_1"));

        Object parameters;
        trap([&] { parameters = ProcessParameters.call("SubList", {Variant(op), Variant(false)}).object(); });
        for (std::size_t p = 0; p < parameterNames.size(); ++p) {
            trap([&] {
                record[8 + p] =
                    parameters.call("Item", {Variant(parameterNames[p])}).object().get("ValueAsString").toString();
            });
        }
        trap([&] { record[13] = MachiningTimeText(op.get("totaltime").toDouble()); });

        if (!OperationRecords.Exists(OperationCount)) OperationRecords.Add(OperationCount, std::move(record));
    }
}

}  // namespace qvl::millsheet
