#include "sim/com_server/com_object.h"

#include <map>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/hresult_errors.h"
#include "headless/script_fault.h"
#include "sim/com_server/invoke_flags.h"
#include "sim/com_server/member_ids.h"
#include "sim/com_server/server_calls.h"
#include "sim/com_server/simcatia_ids.h"
#include "sim/com_server/type_info.h"
#include "sim/reference/catia_reference.h"
#include "win32/automation/variant_conversion.h"
#include "win32/base/com_bstr.h"
#include "win32/base/wide_text.h"

namespace qvl::simcatia {

using automation::CallKind;
using automation::Variant;

namespace {

// The live COM objects by the simulator object they serve; guarded by the server's lock.
std::map<const automation::Dispatch*, ComObject*>& liveObjects() {
    static std::map<const automation::Dispatch*, ComObject*> objects;
    return objects;
}

}  // namespace

HRESULT reportError(const automation::Error& error, EXCEPINFO* exception) {
    const std::int32_t status = automation::exceptionStatusForNumber(error.code());
    if (!exception) return status;
    *exception = EXCEPINFO{};
    exception->scode = status;
    exception->bstrSource = win32::UniqueBstr("CATIA").detach();
    exception->bstrDescription = win32::UniqueBstr(error.description()).detach();
    return DISP_E_EXCEPTION;
}

IDispatch* ComObject::of(const automation::Object& object) {
    std::lock_guard guard(serverState().lock);
    auto& objects = liveObjects();
    if (auto found = objects.find(object.dispatch().get()); found != objects.end()) {
        found->second->AddRef();
        return found->second;
    }
    auto* created = new ComObject(object.dispatch());
    objects[object.dispatch().get()] = created;
    return created;
}

automation::Object ComObject::objectOf(IDispatch* dispatch) {
    ComObject* own = nullptr;
    if (FAILED(dispatch->QueryInterface(ownObjectInterfaceId, reinterpret_cast<void**>(&own))) || !own) {
        throw automation::Error(automation::errc::objectRequired, "Object required");
    }
    automation::Object object(own->target_);
    own->Release();
    return object;
}

ComObject::ComObject(std::shared_ptr<automation::Dispatch> target) : target_(std::move(target)) {
    serverState().holdProcess();
}

ComObject::~ComObject() { serverState().releaseProcess(); }

HRESULT ComObject::QueryInterface(REFIID iid, void** out) {
    ++serverState().calls.queryInterface;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == ownObjectInterfaceId) {
        AddRef();
        *out = static_cast<IDispatch*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG ComObject::AddRef() { return ++references_; }

ULONG ComObject::Release() {
    std::lock_guard guard(serverState().lock);
    ULONG left = --references_;
    if (left == 0) {
        liveObjects().erase(target_.get());
        delete this;
    }
    return left;
}

HRESULT ComObject::GetTypeInfoCount(UINT* count) {
    ++serverState().calls.getTypeInfoCount;
    *count = 1;
    return S_OK;
}

HRESULT ComObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    ++serverState().calls.getTypeInfo;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    if (serverState().isBusy()) return RPC_E_SERVERCALL_RETRYLATER;
    std::lock_guard guard(serverState().lock);
    *info = typeInfoFor(target_->typeName());
    (*info)->AddRef();
    return S_OK;
}

HRESULT ComObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    ++serverState().calls.getIDsOfNames;
    if (serverState().isBusy()) return RPC_E_SERVERCALL_RETRYLATER;
    for (UINT i = 0; i < count; ++i) ids[i] = memberId(win32::toUtf8(names[i]));
    return S_OK;
}

HRESULT ComObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                          EXCEPINFO* exception, UINT*) {
    ++serverState().calls.invoke;
    if (serverState().isBusy()) return RPC_E_SERVERCALL_RETRYLATER;
    std::optional<std::string> member = memberName(id);
    if (!member) return DISP_E_MEMBERNOTFOUND;
    const HRESULT status = invokeTarget(*member, flags, params, result, exception);
    serverState().afterCall();
    return status;
}

HRESULT ComObject::invokeTarget(const std::string& member, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* exception) {
    std::lock_guard guard(serverState().lock);
    try {
        // The flags a type library's dispatch would not match fail as it fails them, with the
        // HRESULT alone, so that a client can try other flags.
        const std::optional<CallKind> kind =
            reachedCall(sim::reference::Reference::catia().member(target_->typeName(), member), flags);
        if (!kind) return DISP_E_MEMBERNOTFOUND;
        // Arguments arrive last first; a property's new value is the named argument, last.
        const UINT count = params ? params->cArgs : 0;
        std::vector<Variant> args;
        args.reserve(count);
        for (UINT i = 0; i < count; ++i) {
            args.push_back(win32::fromVariant(params->rgvarg[count - 1 - i], ComObject::objectOf));
        }
        Variant value = target_->invoke(member, *kind, args);
        for (UINT i = 0; i < count; ++i) {
            VARIANT& passed = params->rgvarg[count - 1 - i];
            if (passed.vt == (VT_BYREF | VT_VARIANT) && passed.pvarVal) {
                VariantClear(passed.pvarVal);
                win32::toVariant(args[i], *passed.pvarVal, ComObject::of);
            }
        }
        if (result) win32::toVariant(value, *result, ComObject::of);
        return S_OK;
    } catch (const automation::Error& e) {
        // A CATIA that turned busy in this call rejects it, as it rejects the calls that follow.
        if (automation::isBusy(e.code())) return static_cast<HRESULT>(e.code());
        return reportError(e, exception);
    } catch (const platform::ScriptFault& e) {
        serverState().scriptFault = e.what();
        return reportError(automation::Error(automation::errc::serverFailure, e.what()), exception);
    } catch (const std::exception& e) {
        return reportError(automation::Error(automation::errc::serverFailure, e.what()), exception);
    }
}

}  // namespace qvl::simcatia
