#pragma once

#include <span>
#include <string>
#include <string_view>

#include "common/automation/variant.h"

namespace qvl::automation {

// How a client calls a member, as Visual Basic writes it: a read (`x = o.P`, `o.F(1)`), a
// property assignment (`o.P = v`), an object assignment (`Set o.P = obj`) or a call.
enum class CallKind { Get, Put, PutRef, Method };

// The server side of a late-bound object. `invoke` receives the member name as the client
// wrote it; servers compare it case-insensitively. For a Put or PutRef the new value is the
// last argument. Arguments are writable so that a server can fill by-reference parameters.
class Dispatch {
public:
    virtual ~Dispatch() = default;
    virtual std::string typeName() const = 0;
    virtual Variant invoke(std::string_view member, CallKind kind, std::span<Variant> args) = 0;

    // The object behind this wrapper. Two wrappers of one server object (two COM interface
    // pointers to the same object, say) answer the same identity, so that VB's `Is` holds
    // between them; a wrapper that is its own object keeps the default.
    virtual const void* identity() const noexcept { return this; }
};

}  // namespace qvl::automation
