#include "sim/reference/catia_reference.h"

#include <stdexcept>

#include <nlohmann/json.hpp>

namespace qvl::sim::reference {

// The text of catia_reference.json, built into the program.
extern const char* const catiaReferenceJson;

namespace {

using Json = nlohmann::json;

MemberKind kindOf(const std::string& text) {
    if (text == "property") return MemberKind::Property;
    if (text == "sub") return MemberKind::Sub;
    if (text == "func") return MemberKind::Func;
    throw std::runtime_error("unknown member kind: " + text);
}

Member memberOf(const std::string& interfaceName, const std::string& name, const Json& facts) {
    Member member;
    member.name = name;
    member.declaredOn = interfaceName;
    member.kind = kindOf(facts.at("kind").get<std::string>());
    member.readOnly = facts.value("read_only", false);
    member.writeOnly = facts.value("write_only", false);
    if (facts.contains("type") && facts.at("type").is_string()) member.type = facts.at("type").get<std::string>();
    for (const Json& argument : facts.at("args")) {
        member.arguments.push_back({argument.at("name").get<std::string>(), argument.at("type").get<std::string>(),
                                    argument.value("optional", false)});
    }
    return member;
}

}  // namespace

std::size_t Member::requiredArguments() const {
    std::size_t required = 0;
    for (const Argument& argument : arguments) required += argument.optional ? 0 : 1;
    return required;
}

const Reference& Reference::catia() {
    static const Reference reference = parse(catiaReferenceJson);
    return reference;
}

Reference Reference::parse(std::string_view json) {
    Reference reference;
    try {
        const Json table = Json::parse(json);
        for (const auto& [name, facts] : table.items()) {
            Interface& interface = reference.interfaces_[name];
            interface.name = name;
            interface.inherits = facts.at("inherits").get<std::vector<std::string>>();
            for (const auto& [memberName, memberFacts] : facts.at("members").items()) {
                interface.members.emplace(memberName, memberOf(name, memberName, memberFacts));
            }
        }
    } catch (const Json::exception& e) {
        throw std::runtime_error(std::string("the reference table cannot be read: ") + e.what());
    }
    return reference;
}

const Interface* Reference::find(std::string_view typeName) const {
    auto found = interfaces_.find(typeName);
    return found == interfaces_.end() ? nullptr : &found->second;
}

const Member* Reference::member(std::string_view typeName, std::string_view name) const {
    const Interface* type = find(typeName);
    if (!type) return nullptr;
    if (auto own = type->members.find(name); own != type->members.end()) return &own->second;
    for (const std::string& ancestor : type->inherits) {
        const Interface* base = find(ancestor);
        if (!base) continue;
        if (auto inherited = base->members.find(name); inherited != base->members.end()) return &inherited->second;
    }
    return nullptr;
}

}  // namespace qvl::sim::reference
