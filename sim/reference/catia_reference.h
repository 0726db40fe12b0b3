#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/automation/member_table.h"

namespace qvl::sim::reference {

// What CATIA's automation reference documents a member to be.
enum class MemberKind { Property, Sub, Func };

struct Argument {
    std::string name;
    std::string type;  // CATBSTR, long, double, CATVariant, CATSafeArrayVariant, an interface, ...
    bool optional = false;
};

struct Member {
    std::string name;        // as the reference spells it
    std::string declaredOn;  // the interface whose page documents it
    MemberKind kind = MemberKind::Sub;
    bool readOnly = false;   // a property that cannot be set
    bool writeOnly = false;  // a property that cannot be read
    std::vector<Argument> arguments;
    std::string type;        // the value's type; empty for a Sub

    std::size_t requiredArguments() const;
};

struct Interface {
    std::string name;
    std::vector<std::string> inherits;  // documented ancestors, nearest first
    std::map<std::string, Member, automation::MemberNameLess> members;
};

// CATIA V5's automation interfaces as its reference documents them: the table that the
// simulated CATIA holds every type name and member it serves to. The table is data written from
// the reference (sim/reference/catia_reference.json, made by tools/extract_catia_reference.py).
class Reference {
public:
    // The reference of CATIA, read once from the table built into the program.
    static const Reference& catia();

    // Reads a table in the layout of catia_reference.json; throws std::runtime_error when the
    // text is not such a table.
    static Reference parse(std::string_view json);

    const Interface* find(std::string_view typeName) const;
    // The member `name` of `typeName`: declared on it or, nearest first, on an ancestor. Null
    // when the type is unknown or neither it nor an ancestor documents the member.
    const Member* member(std::string_view typeName, std::string_view name) const;

private:
    std::map<std::string, Interface, automation::MemberNameLess> interfaces_;
};

}  // namespace qvl::sim::reference
