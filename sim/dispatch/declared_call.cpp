#include "sim/dispatch/declared_call.h"

#include <string_view>

#include "common/automation/error.h"

namespace qvl::sim {
namespace {

using automation::CallKind;
using reference::MemberKind;

[[noreturn]] void notSupported() { throw automation::memberNotSupportedError(); }

[[noreturn]] void wrongArgumentCount() { throw automation::wrongArgumentCountError(); }

bool isWholeNumberType(std::string_view type) {
    return type == "long" || type == "short" || type == "int" || type == "octet";
}

bool isRealNumberType(std::string_view type) { return type == "double" || type == "float"; }

// The argument as dispatch hands it to a parameter of `type`.
void convert(automation::Variant& argument, std::string_view type) {
    if (argument.kind() != automation::Variant::Kind::String) return;
    if (isWholeNumberType(type)) argument = automation::Variant(argument.toLong());
    else if (isRealNumberType(type)) argument = automation::Variant(argument.toDouble());
}

}  // namespace

void checkDeclaredCall(const reference::Member* member, CallKind kind, std::span<automation::Variant> args) {
    if (!member) notSupported();
    const std::size_t declared = member->arguments.size();
    const std::size_t argumentCount = args.size();
    switch (kind) {
        case CallKind::Put:
        case CallKind::PutRef:
            if (member->kind != MemberKind::Property || member->readOnly) notSupported();
            if (argumentCount != declared + 1) wrongArgumentCount();
            convert(args.back(), member->type);
            return;
        case CallKind::Get:
        case CallKind::Method:
            if (member->kind == MemberKind::Property && member->writeOnly) notSupported();
            if (argumentCount < member->requiredArguments() || argumentCount > declared) wrongArgumentCount();
            break;
    }
    for (std::size_t i = 0; i < declared && i < argumentCount; ++i) convert(args[i], member->arguments[i].type);
}

}  // namespace qvl::sim
