#include "sim/dispatch/declared_call.h"

#include "common/automation/error.h"

namespace qvl::sim {
namespace {

using automation::CallKind;
using reference::MemberKind;

[[noreturn]] void notSupported() {
    throw automation::Error(automation::errc::memberNotSupported, "Object doesn't support this property or method");
}

[[noreturn]] void wrongArgumentCount() {
    throw automation::Error(automation::errc::wrongArgumentCount,
                            "Wrong number of arguments or invalid property assignment");
}

}  // namespace

void checkDeclaredCall(const reference::Member* member, CallKind kind, std::size_t argumentCount) {
    if (!member) notSupported();
    const std::size_t declared = member->arguments.size();
    switch (kind) {
        case CallKind::Put:
        case CallKind::PutRef:
            if (member->kind != MemberKind::Property || member->readOnly) notSupported();
            if (argumentCount != declared + 1) wrongArgumentCount();
            return;
        case CallKind::Get:
        case CallKind::Method:
            if (member->kind == MemberKind::Property && member->writeOnly) notSupported();
            if (argumentCount < member->requiredArguments() || argumentCount > declared) wrongArgumentCount();
            return;
    }
}

}  // namespace qvl::sim
