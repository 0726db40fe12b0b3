// The walk over CATIA's process tree that turns every active machining operation below the
// picked item into one operation record: process activities, their setups, the setups'
// programs and the programs' operations, depth first in CATIA's order.

#include <bitset>
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

// How an attribute's value is read: the typed parameter's own `Value` (a text, or a number
// shown as Visual Basic shows a Double), or the text CATIA makes of it (`ValueAsString`, a
// method).
enum class Reading { Value, ValueAsString };

// The value of a named attribute of a tool or tool assembly; nullopt when it cannot be read.
// An attribute that the owner does not have is left empty without a word; one that is there
// but cannot be read clears `read`.
std::optional<std::string> attributeText(ErrorTrap& trap, const Object& owner, const char* attribute, Reading reading,
                                         bool& read) {
    Object value;
    if (!trap([&] { value = owner.call("GetAttribute", {Variant(attribute)}).object(); })) return std::nullopt;
    std::optional<std::string> text;
    const bool done = trap([&] {
        text = (reading == Reading::Value ? value.get("Value") : value.call("ValueAsString")).toString();
    });
    if (!done) read = false;
    return text;
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
        missOperationsOf(activity);
        return;
    }
    for (long long i = 1; i <= count; ++i) {
        // The child is read afresh for each use.
        auto child = [&] { return children.call("Item", {Variant(i)}); };
        std::string type;
        if (!trap([&] { type = child().typeName(); })) {
            missOperationsOf(activity);
            continue;
        }
        if (type != setupType && type != activityType) continue;
        // A child whose Active cannot be read (a process activity has none) is walked, as the
        // error-ignoring test lets it through; one that reads False is skipped.
        bool active = true;
        trap([&] { active = child().object().get("Active").toBool(); });
        if (!active) continue;
        if (type == setupType) {
            if (!trap([&] { PoToolList(child()); })) missOperationsOf(activity);
        } else {
            if (!trap([&] { ProcessFinInfo(child().object()); })) missOperationsOf(activity);
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
    const bool listed = trap([&] { operations = prog.get("Activities").object(); });
    if (!trap([&] { count = operations.get("Count").toLong(); }) || !listed) missOperationsOf(prog);

    for (long long i = 1; i <= count; ++i) {
        // Everything below is read for this operation alone: a value that cannot be read stays
        // empty and is never taken over from the operation before.
        Object op;
        if (!trap([&] { op = operations.call("GetElement", {Variant(i)}).object(); })) {
            missOperationsOf(prog);
            continue;
        }
        bool active = false;
        if (!trap([&] { active = op.get("Active").toBool(); })) missOperationsOf(prog);
        if (!active) continue;
        // An operation whose type cannot be read is listed, but its row may not belong there.
        std::string type;
        const bool typeRead = trap([&] { type = op.get("Type").toString(); });
        if (IsExcludedOperationType(type)) continue;
        // The sequence number is a 16-bit counter: past its end no more records are added.
        if (OperationCount == std::numeric_limits<std::int16_t>::max()) continue;
        ++OperationCount;

        // A value that is there but cannot be read leaves its field incomplete. A tool, a tool
        // assembly, an attribute or a parameter that the operation does not have is left
        // empty without a word.
        std::bitset<operationFieldCount> unread;
        auto read = [&](std::size_t field, const Object& owner, const auto& statement) {
            if (!trap(statement) && !owner.isNothing()) unread.set(field);
        };
        auto attribute = [&](std::size_t field, const Object& owner, const char* name, Reading reading) {
            bool ok = true;
            std::optional<std::string> text = attributeText(trap, owner, name, reading, ok);
            if (!ok) unread.set(field);
            return text;
        };
        Object tool;
        trap([&] { tool = op.get("Tool").object(); });
        std::string toolNumber;
        read(4, tool, [&] { toolNumber = tool.get("ToolNumber").toString(); });
        const std::optional<std::string> cuttingLength = attribute(7, tool, "MFG_CUT_LENGTH", Reading::ValueAsString);
        const std::optional<std::string> radius = attribute(6, tool, "MFG_CORNER_RAD", Reading::ValueAsString);
        // Without the tool's type the diameter may be read under the wrong name.
        std::string toolType;
        read(6, tool, [&] { toolType = tool.get("ToolType").toString(); });
        const std::string diameterName = DiameterAttributeName(toolType);
        const std::optional<std::string> diameter = attribute(6, tool, diameterName.c_str(), Reading::ValueAsString);

        OperationRecord record{};
        record[0] = std::to_string(OperationCount);
        read(1, prog, [&] { record[1] = prog.get("Name").toString(); });
        read(2, prog, [&] { record[2] = prog.get("Comment").toString(); });
        Object assembly;
        trap([&] { assembly = op.get("ToolAssembly").object(); });
        record[3] = attribute(3, assembly, "MFG_NAME", Reading::Value).value_or("");
        record[4] = toolNumber;
        read(5, tool, [&] { record[5] = tool.get("Name").toString(); });
        record[6] = DiameterRadiusText(diameter, radius);
        record[7] = LengthsText(cuttingLength, attribute(7, assembly, "MFG_ASS_GAGE_1", Reading::Value));

        Object parameters;
        if (!trap([&] { parameters = ProcessParameters.call("SubList", {Variant(op), Variant(false)}).object(); })) {
            for (std::size_t p = 0; p < parameterNames.size(); ++p) unread.set(8 + p);
        }
        for (std::size_t p = 0; p < parameterNames.size(); ++p) {
            Object parameter;
            if (!trap([&] { parameter = parameters.call("Item", {Variant(parameterNames[p])}).object(); })) continue;
            read(8 + p, parameter, [&] { record[8 + p] = parameter.call("ValueAsString").toString(); });
        }
        read(13, op, [&] { record[13] = MachiningTimeText(op.get("totaltime").toDouble()); });

        // Only what the table shows counts: a field of an unticked column is removed anyway.
        bool incomplete = !typeRead;
        for (std::size_t field = 0; field < operationFieldCount; ++field) {
            if (unread.test(field) && ColumnShown(static_cast<int>(field) + 1)) incomplete = true;
        }
        if (incomplete) Missing.add(missingOperationPiece(record));
        if (!OperationRecords.Exists(OperationCount)) OperationRecords.Add(OperationCount, std::move(record));
    }
}

void MainFrm3::missOperationsOf(const Object& node) {
    std::string name;
    ErrorTrap trap;
    trap([&] { name = node.get("Name").toString(); });
    Missing.add(name.empty() ? std::string("工序") : name + " 中的工序");
}

}  // namespace qvl::millsheet
