#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/automation/dispatch.h"
#include "common/automation/error.h"

namespace qvl::automation {

// Orders member names as automation does: without regard to letter case.
struct MemberNameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};

// A Dispatch whose members are registered by name: a property reader, a property writer and a
// method each, any of which may be missing. Reading a property that only has a method calls
// the method (a client cannot tell the two apart), and the reverse; the writer takes both a
// value and an object assignment.
class MemberTable : public Dispatch {
public:
    using Args = std::span<Variant>;
    using Getter = std::function<Variant(Args)>;
    using Setter = std::function<void(const Variant&)>;
    using Method = std::function<Variant(Args)>;

    explicit MemberTable(std::string typeName) : typeName_(std::move(typeName)) {}

    std::string typeName() const override { return typeName_; }
    Variant invoke(std::string_view member, CallKind kind, std::span<Variant> args) override;

    // Whether a member of this name is registered.
    bool serves(std::string_view name) const { return members_.find(name) != members_.end(); }
    // The names of the registered members, in name order.
    std::vector<std::string> memberNames() const;

    // Registration; a later registration of the same name replaces the earlier one.
    void property(std::string_view name, Getter getter, Setter setter = {});
    void method(std::string_view name, Method method);

protected:
    // Called before every member call, so that a server can refuse calls (a closed document,
    // an injected fault). The default accepts every call.
    virtual void beforeCall(std::string_view /*member*/) {}

private:
    struct Member {
        Getter getter;
        Setter setter;
        Method method;
    };

    std::string typeName_;
    std::map<std::string, Member, MemberNameLess> members_;
};

// Reads argument `index` or fails as a call with too few arguments does.
const Variant& argument(std::span<Variant> args, std::size_t index);
// Reads an optional argument: `fallback` when it is missing or Empty.
Variant optionalArgument(std::span<Variant> args, std::size_t index, Variant fallback);

}  // namespace qvl::automation
