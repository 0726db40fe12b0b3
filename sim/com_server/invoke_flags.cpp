#include "sim/com_server/invoke_flags.h"

namespace qvl::simcatia {

using automation::CallKind;
using sim::reference::MemberKind;

std::optional<CallKind> reachedCall(const sim::reference::Member* member, WORD flags) {
    if (!member) {
        if (flags & DISPATCH_PROPERTYPUTREF) return CallKind::PutRef;
        if (flags & DISPATCH_PROPERTYPUT) return CallKind::Put;
        if (flags & DISPATCH_METHOD) return CallKind::Method;
        return CallKind::Get;
    }
    if (member->kind != MemberKind::Property) {
        if (flags & DISPATCH_METHOD) return CallKind::Method;
        return std::nullopt;
    }
    if (flags & DISPATCH_PROPERTYPUT) return CallKind::Put;
    if (flags & DISPATCH_PROPERTYGET) return CallKind::Get;
    return std::nullopt;
}

}  // namespace qvl::simcatia
