#include "sim/model/process/process_reader.h"

#include "sim/model/json_shape.h"
#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

using namespace json_shape;

std::vector<NamedValue> readValues(const Json& object, const char* key, const std::string& where) {
    std::vector<NamedValue> values;
    auto found = object.find(key);
    if (found == object.end()) return values;
    std::string valuesWhere = at(where, key);
    requireObject(*found, valuesWhere);
    for (const auto& [name, value] : found->items()) {
        if (value.is_string()) {
            values.push_back({name, value.get<std::string>()});
        } else if (value.is_number()) {
            values.push_back({name, value.get<double>()});
        } else {
            throw Refusal(at(valuesWhere, name.c_str()) + ": expected a text or a number");
        }
    }
    return values;
}

MachiningTool readTool(const Json& value, const std::string& where) {
    requireObject(value, where);
    MachiningTool tool;
    tool.name = requiredString(value, "name", where);
    tool.number = optionalInteger(value, "number", where).value_or(tool.number);
    tool.type = optionalString(value, "type", where, tool.type);
    tool.attributes = readValues(value, "attributes", where);
    return tool;
}

// The keys that every node has: its name, whether it is active and its comment.
std::unique_ptr<ProcessActivity> readNode(ActivityKind kind, const Json& value, const std::string& where) {
    requireObject(value, where);
    auto node = std::make_unique<ProcessActivity>(kind, requiredString(value, "name", where));
    node->active = optionalBool(value, "active", where).value_or(true);
    node->comment = optionalString(value, "comment", where);
    return node;
}

std::unique_ptr<ProcessActivity> readOperation(const Json& value, const std::string& where) {
    auto operation = readNode(ActivityKind::Operation, value, where);
    operation->operationType = requiredString(value, "type", where);
    operation->totalTime = optionalNumber(value, "totaltime", where).value_or(0);
    if (value.contains("tool")) operation->tool = readTool(value["tool"], at(where, "tool"));
    if (value.contains("assembly")) {
        std::string assemblyWhere = at(where, "assembly");
        requireObject(value["assembly"], assemblyWhere);
        operation->assembly = ToolAssembly{readValues(value["assembly"], "attributes", assemblyWhere)};
    }
    operation->parameters = readValues(value, "parameters", where);
    return operation;
}

std::unique_ptr<ProcessActivity> readProgram(const Json& value, const std::string& where) {
    auto program = readNode(ActivityKind::Program, value, where);
    const Json& operations = optionalArray(value, "operations", where);
    for (std::size_t i = 0; i < operations.size(); ++i) {
        program->add(readOperation(operations[i], at(at(where, "operations"), i)));
    }
    return program;
}

std::unique_ptr<ProcessActivity> readSetup(const Json& value, const std::string& where) {
    auto setup = readNode(ActivityKind::Setup, value, where);
    const Json& programs = optionalArray(value, "programs", where);
    for (std::size_t i = 0; i < programs.size(); ++i) setup->add(readProgram(programs[i], at(at(where, "programs"), i)));
    return setup;
}

void readActivities(const Json& value, const std::string& where, ProcessActivity& into);

std::unique_ptr<ProcessActivity> readActivity(const Json& value, const std::string& where) {
    requireObject(value, where);
    std::string type = requiredString(value, "type", where);
    if (type == "ManufacturingSetup") return readSetup(value, where);
    if (type == "ManufacturingProgram") return readProgram(value, where);
    if (type != "PPRActivity") {
        throw Refusal(at(where, "type") + ": expected \"ManufacturingSetup\", \"PPRActivity\" or \"ManufacturingProgram\"");
    }
    auto activity = readNode(ActivityKind::ProcessActivity, value, where);
    readActivities(value, where, *activity);
    return activity;
}

void readActivities(const Json& value, const std::string& where, ProcessActivity& into) {
    const Json& activities = optionalArray(value, "activities", where);
    for (std::size_t i = 0; i < activities.size(); ++i) {
        into.add(readActivity(activities[i], at(at(where, "activities"), i)));
    }
}

}  // namespace

std::unique_ptr<Process> readProcess(const platform::Json& root, const ProcessProductLoader& loadProduct) {
    auto process = std::make_unique<Process>();
    const Json& products = optionalArray(root, "products", "");
    for (std::size_t i = 0; i < products.size(); ++i) {
        if (!products[i].is_string()) throw Refusal(at("products", i) + ": expected a file name");
        ProcessProduct product;
        product.file = products[i].get<std::string>();
        product.document = loadProduct(product.file, product.unresolvedReason);
        process->products.push_back(std::move(product));
    }
    static const Json noProcess = Json::object();
    const Json& tree = root.contains("process") ? root["process"] : noProcess;
    requireObject(tree, "process");
    process->root = std::make_unique<ProcessActivity>(ActivityKind::ProcessActivity,
                                                      optionalString(tree, "name", "process", "Process"));
    process->root->comment = optionalString(tree, "comment", "process");
    readActivities(tree, "process", *process->root);
    return process;
}

}  // namespace qvl::sim
