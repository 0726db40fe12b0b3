#include "common/automation/member_table.h"

#include <algorithm>

namespace qvl::automation {
namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

[[noreturn]] void notSupported() { throw memberNotSupportedError(); }

}  // namespace

bool MemberNameLess::operator()(std::string_view a, std::string_view b) const noexcept {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return upper(x) < upper(y); });
}

std::vector<std::string> MemberTable::memberNames() const {
    std::vector<std::string> names;
    for (const auto& entry : members_) names.push_back(entry.first);
    return names;
}

void MemberTable::property(std::string_view name, Getter getter, Setter setter) {
    Member& m = members_[std::string(name)];
    m.getter = std::move(getter);
    m.setter = std::move(setter);
}

void MemberTable::method(std::string_view name, Method method) {
    members_[std::string(name)].method = std::move(method);
}

Variant MemberTable::invoke(std::string_view member, CallKind kind, std::span<Variant> args) {
    auto found = members_.find(member);
    if (found == members_.end()) notSupported();
    beforeCall(member);
    Member& m = found->second;
    switch (kind) {
        case CallKind::Put:
        case CallKind::PutRef:
            if (!m.setter || args.empty()) notSupported();
            m.setter(args.back());
            return {};
        case CallKind::Get:
            if (m.getter) return m.getter(args);
            if (m.method) return m.method(args);
            notSupported();
        case CallKind::Method:
            if (m.method) return m.method(args);
            if (m.getter) return m.getter(args);
            notSupported();
    }
    notSupported();
}

const Variant& argument(std::span<Variant> args, std::size_t index) {
    if (index >= args.size()) throw wrongArgumentCountError();
    return args[index];
}

Variant optionalArgument(std::span<Variant> args, std::size_t index, Variant fallback) {
    if (index >= args.size() || args[index].isEmpty()) return fallback;
    return args[index];
}

}  // namespace qvl::automation
