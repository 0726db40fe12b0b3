#pragma once

#include <windows.h>

#include <oaidl.h>

#include <functional>
#include <cstdint>
#include <memory>
#include <string>

#include "common/automation/dispatch.h"
#include "common/automation/object.h"
#include "win32/base/com_ptr.h"

namespace qvl::win32 {

struct ComType;

// An automation object of another process, reached through its IDispatch. Its type is learned
// once (GetTypeInfo) and member ids are shared by every object of the type, so that a member
// name is looked up once per type. Calls go with the flags and arguments that Visual Basic
// sends. Every failing call throws automation::Error.
class ComDispatch : public automation::Dispatch {
public:
    // The Object of `dispatch`: the same Object for the same COM object (VB's `Is`).
    static automation::Object objectOf(IDispatch* dispatch);
    // Lets go of the objects released lately that the client keeps for reuse; their number.
    static void releaseKeptObjects();
    static std::int64_t keptObjects();

    ComDispatch(ComPtr<IDispatch> dispatch, ComPtr<IUnknown> identity);
    ~ComDispatch() override;
    ComDispatch(const ComDispatch&) = delete;
    ComDispatch& operator=(const ComDispatch&) = delete;

    std::string typeName() const override;
    // The COM identity (IUnknown) of the object.
    const void* identity() const noexcept override { return identity_.get(); }
    automation::Variant invoke(std::string_view member, automation::CallKind kind,
                               std::span<automation::Variant> args) override;

    IDispatch* dispatch() const noexcept { return dispatch_.get(); }

private:
    ComType& type() const;
    DISPID memberId(std::string_view member) const;

    ComPtr<IDispatch> dispatch_;
    ComPtr<IUnknown> identity_;
    mutable std::shared_ptr<ComType> type_;
};

// Called before a failed call's error is raised, so that whoever embeds the client can learn
// more about the failure from the server (a test rig asks its server why); empty by default.
void setFailedCallObserver(std::function<void()> observer);

// The IDispatch (with a new reference) of an Object that names a COM object; error 424 for
// any other object.
IDispatch* dispatchOf(const automation::Object& object);

}  // namespace qvl::win32
