#pragma once

#include <windows.h>

#include <oaidl.h>

#include <atomic>
#include <memory>
#include <string>

#include "common/automation/dispatch.h"
#include "common/automation/error.h"
#include "common/automation/object.h"

namespace qvl::simcatia {

// One of the simulator's automation objects served over COM: IDispatch calls are forwarded to
// the simulator's Dispatch by member name, as the kind of call that their flags reach of the
// member that CATIA's reference declares (invoke_flags.h), arguments converted once each way
// and by-reference arguments written back. Errors leave as DISP_E_EXCEPTION with the simulator's number and text.
class ComObject final : public IDispatch {
public:
    // The COM object of a simulator object, with a new reference: the same COM object for the
    // same simulator object while it lives (a client's `Is`).
    static IDispatch* of(const automation::Object& object);
    // The simulator object of a COM object that this server made; Nothing for any other.
    static automation::Object objectOf(IDispatch* dispatch);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override;

private:
    explicit ComObject(std::shared_ptr<automation::Dispatch> target);
    ~ComObject();
    // Invoke with the server's lock held.
    HRESULT invokeTarget(const std::string& member, WORD flags, DISPPARAMS* params, VARIANT* result,
                         EXCEPINFO* exception);

    std::atomic<ULONG> references_{1};
    std::shared_ptr<automation::Dispatch> target_;
};

// Turns an error that the simulator raised into what an IDispatch call returns.
HRESULT reportError(const automation::Error& error, EXCEPINFO* exception);

}  // namespace qvl::simcatia
