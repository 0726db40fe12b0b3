#include "win32/automation/com_dispatch.h"

#include <map>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/hresult_errors.h"
#include "common/automation/member_table.h"
#include "win32/automation/busy_retry.h"
#include "win32/automation/call_counts.h"
#include "win32/automation/com_error.h"
#include "win32/automation/variant_conversion.h"
#include "win32/base/com_bstr.h"
#include "win32/base/com_variant.h"
#include "win32/base/wide_text.h"

namespace qvl::win32 {

using automation::CallKind;
using automation::Variant;

// A type of the server's objects: its name and the ids of the members called so far.
struct ComType {
    std::string name;
    std::map<std::string, DISPID, automation::MemberNameLess> ids;
};

namespace {

// Types by their type information, which the server hands out once per type; the cache keeps
// each ITypeInfo so that a later object of the type finds its entry without asking again.
struct TypeCache {
    std::map<IUnknown*, std::pair<ComPtr<IUnknown>, std::shared_ptr<ComType>>> byTypeInfo;
};

TypeCache& typeCache() {
    static TypeCache cache;
    return cache;
}

// The live objects by their COM identity.
std::map<IUnknown*, std::weak_ptr<ComDispatch>>& liveObjects() {
    static std::map<IUnknown*, std::weak_ptr<ComDispatch>> objects;
    return objects;
}

std::shared_ptr<ComType> learnType(IDispatch* dispatch) {
    ComPtr<ITypeInfo> info;
    ++callCounts().getTypeInfo;
    HRESULT hr = callWhileBusy([&] { return dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put()); });
    if (FAILED(hr) || !info) {
        if (automation::isServerGone(static_cast<std::int32_t>(hr))) throw errorFromCall(hr);
        // An object without type information: a type of its own, named as VB names it.
        auto type = std::make_shared<ComType>();
        type->name = "Object";
        return type;
    }
    ComPtr<IUnknown> key = info.query<IUnknown>();
    auto& cache = typeCache().byTypeInfo;
    if (auto found = cache.find(key.get()); found != cache.end()) return found->second.second;
    UniqueBstr name;
    ++callCounts().getDocumentation;
    hr = callWhileBusy([&] { return info->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr); });
    if (FAILED(hr)) throw errorFromCall(hr);
    auto type = std::make_shared<ComType>();
    type->name = name.utf8();
    cache.emplace(key.get(), std::make_pair(key, type));
    return type;
}

std::function<void()>& failedCallObserver() {
    static std::function<void()> observer;
    return observer;
}

WORD invokeFlags(CallKind kind, std::span<Variant> args) {
    switch (kind) {
        case CallKind::Get: return DISPATCH_PROPERTYGET;
        case CallKind::Method: return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
        case CallKind::Put:
            return !args.empty() && args.back().isObject() && !args.back().isNothing() ? DISPATCH_PROPERTYPUTREF
                                                                                       : DISPATCH_PROPERTYPUT;
    }
    return DISPATCH_METHOD;
}

}  // namespace

automation::Object ComDispatch::objectOf(IDispatch* dispatch) {
    ComPtr<IUnknown> identity;
    ++callCounts().queryInterface;
    HRESULT hr = dispatch->QueryInterface(IID_IUnknown, identity.putVoid());
    if (FAILED(hr)) throw errorFromCall(hr);
    auto& objects = liveObjects();
    if (auto found = objects.find(identity.get()); found != objects.end()) {
        if (auto alive = found->second.lock()) return automation::Object(std::move(alive));
    }
    auto object = std::make_shared<ComDispatch>(ComPtr<IDispatch>(dispatch), identity);
    objects[identity.get()] = object;
    return automation::Object(std::move(object));
}

ComDispatch::ComDispatch(ComPtr<IDispatch> dispatch, ComPtr<IUnknown> identity)
    : dispatch_(std::move(dispatch)), identity_(std::move(identity)) {
    ++callCounts().objectsAlive;
}

ComDispatch::~ComDispatch() {
    --callCounts().objectsAlive;
    auto& objects = liveObjects();
    if (auto found = objects.find(identity_.get()); found != objects.end() && found->second.expired()) {
        objects.erase(found);
    }
}

ComType& ComDispatch::type() const {
    if (!type_) type_ = learnType(dispatch_.get());
    return *type_;
}

std::string ComDispatch::typeName() const { return type().name; }

DISPID ComDispatch::memberId(std::string_view member) const {
    ComType& t = type();
    if (auto found = t.ids.find(member); found != t.ids.end()) return found->second;
    std::wstring wide = toWide(member);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    ++callCounts().getIDsOfNames;
    HRESULT hr = callWhileBusy([&] { return dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); });
    if (FAILED(hr)) throw errorFromCall(hr);
    t.ids.emplace(std::string(member), id);
    return id;
}

automation::Variant ComDispatch::invoke(std::string_view member, CallKind kind, std::span<Variant> args) {
    ++callCounts().automationCalls;
    const DISPID id = memberId(member);

    // Arguments go in reverse order. A method's arguments go by reference, as a VB client
    // passes its variables, so that the server can fill them; their values come back below.
    const bool byReference = kind == CallKind::Method;
    std::vector<UniqueVariant> values(args.size());
    std::vector<VARIANT> passed(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::size_t slot = args.size() - 1 - i;
        toVariant(args[i], *values[slot].put(), dispatchOf);
        if (byReference) {
            passed[slot].vt = VT_BYREF | VT_VARIANT;
            passed[slot].pvarVal = &values[slot].get();
        } else {
            passed[slot] = values[slot].get();
        }
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{passed.data(), nullptr, static_cast<UINT>(passed.size()), 0};
    if (kind == CallKind::Put) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }

    UniqueVariant result;
    ExceptionInfo exception;
    UINT badArgument = 0;
    HRESULT hr = callWhileBusy([&] {
        ++callCounts().invoke;
        exception.clear();
        return dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, invokeFlags(kind, args), &params,
                                 kind == CallKind::Put ? nullptr : result.put(), &exception.info, &badArgument);
    });
    if (FAILED(hr)) {
        if (failedCallObserver()) failedCallObserver()();
        throw errorFromCall(hr, &exception);
    }

    if (byReference) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            args[i] = fromVariant(values[args.size() - 1 - i].get(), ComDispatch::objectOf);
        }
    }
    return fromVariant(result.get(), ComDispatch::objectOf);
}

void setFailedCallObserver(std::function<void()> observer) { failedCallObserver() = std::move(observer); }

IDispatch* dispatchOf(const automation::Object& object) {
    auto* com = dynamic_cast<ComDispatch*>(object.dispatch().get());
    if (!com) throw automation::Error(automation::errc::objectRequired, "Object required");
    com->dispatch()->AddRef();
    return com->dispatch();
}

}  // namespace qvl::win32
