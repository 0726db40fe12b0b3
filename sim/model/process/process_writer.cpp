#include "sim/model/process/process_writer.h"

#include "sim/model/world_number.h"

namespace qvl::sim {
namespace {

using platform::Json;

Json valuesJson(const std::vector<NamedValue>& values) {
    Json out = Json::object();
    for (const NamedValue& value : values) {
        if (const auto* text = std::get_if<std::string>(&value.value)) {
            out[value.name] = *text;
        } else {
            out[value.name] = worldNumber(std::get<double>(value.value));
        }
    }
    return out;
}

Json nodeJson(const ProcessActivity& node);

Json childrenJson(const ProcessActivity& node) {
    Json children = Json::array();
    for (const auto& child : node.children()) children.push_back(nodeJson(*child));
    return children;
}

Json nodeJson(const ProcessActivity& node) {
    Json out = Json::object();
    out["type"] = node.type();
    out["name"] = node.name();
    out["active"] = node.active;
    out["comment"] = node.comment;
    switch (node.kind()) {
        case ActivityKind::ProcessActivity: out["activities"] = childrenJson(node); break;
        case ActivityKind::Setup: out["programs"] = childrenJson(node); break;
        case ActivityKind::Program: out["operations"] = childrenJson(node); break;
        case ActivityKind::Operation:
            out["totaltime"] = worldNumber(node.totalTime);
            if (node.tool) {
                out["tool"] = {{"name", node.tool->name},
                               {"number", node.tool->number},
                               {"type", node.tool->type},
                               {"attributes", valuesJson(node.tool->attributes)}};
            }
            if (node.assembly) out["assembly"] = {{"attributes", valuesJson(node.assembly->attributes)}};
            out["parameters"] = valuesJson(node.parameters);
            break;
    }
    return out;
}

}  // namespace

Json processJson(const Process& process) {
    Json out = Json::object();
    out["kind"] = "Process";
    Json products = Json::array();
    for (const ProcessProduct& product : process.products) products.push_back(product.file);
    out["products"] = products;
    Json tree = Json::object();
    tree["name"] = process.root->name();
    tree["comment"] = process.root->comment;
    tree["activities"] = childrenJson(*process.root);
    out["process"] = tree;
    return out;
}

}  // namespace qvl::sim
