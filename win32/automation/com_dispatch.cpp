#include "win32/automation/com_dispatch.h"

#include <deque>
#include <map>
#include <optional>
#include <set>
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

// A type of the server's objects: its name, the ids of the members called so far, and the
// members whose object assignment it takes only as a plain put.
struct ComType {
    std::string name;
    std::map<std::string, DISPID, automation::MemberNameLess> ids;
    std::set<DISPID> setByPut;
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

// The client's objects: the live ones, by the IDispatch they hold and by their COM identity
// (IUnknown), and the ones released lately, kept for a while with what was learned about them.
// A program reads the same CATIA object again and again (the active document, a sheet's views);
// one it read lately comes back without asking CATIA for its identity or type again. An
// interface pointer that an object holds cannot name another object meanwhile, so a known
// IDispatch needs no QueryInterface.
struct Released {
    ComPtr<IDispatch> dispatch;
    ComPtr<IUnknown> identity;
    std::shared_ptr<ComType> type;
};

struct ObjectTable {
    std::map<IDispatch*, std::weak_ptr<ComDispatch>> byDispatch;
    std::map<IUnknown*, std::weak_ptr<ComDispatch>> byIdentity;
    std::deque<Released> released;  // newest first
    static constexpr std::size_t keptReleased = 256;
};

ObjectTable& objectTable() {
    static ObjectTable table;
    return table;
}

template <typename Map, typename Key>
std::shared_ptr<ComDispatch> liveIn(const Map& map, Key key) {
    auto found = map.find(key);
    return found == map.end() ? nullptr : found->second.lock();
}

template <typename Matches>
std::optional<Released> takeReleased(Matches matches) {
    auto& released = objectTable().released;
    for (auto it = released.begin(); it != released.end(); ++it) {
        if (matches(*it)) {
            Released entry = std::move(*it);
            released.erase(it);
            return entry;
        }
    }
    return std::nullopt;
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

// The flags of a call, as Visual Basic sends them. A read, with or without arguments, goes as
// a method call does, DISPATCH_METHOD | DISPATCH_PROPERTYGET: VB cannot tell `o.P` from `o.F`
// nor `o.Item(1)` from a call, and a type library's dispatch matches either flag, so the read
// reaches a property's get as well as a Func. `o.P = v` (VB's Let) goes as
// DISPATCH_PROPERTYPUT, an object value as it is; `Set o.P = obj` as DISPATCH_PROPERTYPUTREF.
WORD invokeFlags(CallKind kind) {
    switch (kind) {
        case CallKind::Get:
        case CallKind::Method: return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
        case CallKind::Put: return DISPATCH_PROPERTYPUT;
        case CallKind::PutRef: return DISPATCH_PROPERTYPUTREF;
    }
    return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
}

}  // namespace

automation::Object ComDispatch::objectOf(IDispatch* dispatch) {
    ObjectTable& table = objectTable();
    auto revive = [&table](Released entry) {
        auto object = std::make_shared<ComDispatch>(std::move(entry.dispatch), std::move(entry.identity));
        object->type_ = std::move(entry.type);
        table.byDispatch[object->dispatch_.get()] = object;
        table.byIdentity[object->identity_.get()] = object;
        return automation::Object(std::move(object));
    };
    if (auto alive = liveIn(table.byDispatch, dispatch)) return automation::Object(std::move(alive));
    if (auto kept = takeReleased([dispatch](const Released& r) { return r.dispatch.get() == dispatch; })) {
        return revive(std::move(*kept));
    }
    ComPtr<IUnknown> identity;
    ++callCounts().identityQueries;
    HRESULT hr = dispatch->QueryInterface(IID_IUnknown, identity.putVoid());
    if (FAILED(hr)) throw errorFromCall(hr);
    if (auto alive = liveIn(table.byIdentity, identity.get())) return automation::Object(std::move(alive));
    std::shared_ptr<ComType> type;
    if (auto kept = takeReleased([&identity](const Released& r) { return r.identity.get() == identity.get(); })) {
        type = std::move(kept->type);
    }
    return revive(Released{ComPtr<IDispatch>(dispatch), std::move(identity), std::move(type)});
}

void ComDispatch::releaseKeptObjects() { objectTable().released.clear(); }

std::int64_t ComDispatch::keptObjects() { return static_cast<std::int64_t>(objectTable().released.size()); }

ComDispatch::ComDispatch(ComPtr<IDispatch> dispatch, ComPtr<IUnknown> identity)
    : dispatch_(std::move(dispatch)), identity_(std::move(identity)) {
    ++callCounts().objectsAlive;
}

ComDispatch::~ComDispatch() {
    --callCounts().objectsAlive;
    ObjectTable& table = objectTable();
    if (auto found = table.byDispatch.find(dispatch_.get()); found != table.byDispatch.end() && found->second.expired()) {
        table.byDispatch.erase(found);
    }
    if (auto found = table.byIdentity.find(identity_.get()); found != table.byIdentity.end() && found->second.expired()) {
        table.byIdentity.erase(found);
    }
    table.released.push_front(Released{std::move(dispatch_), std::move(identity_), std::move(type_)});
    if (table.released.size() > ObjectTable::keptReleased) table.released.pop_back();
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

    // Arguments go in reverse order, as Visual Basic passes them: a method's as the caller's
    // Variant variables, by reference, so that the server can fill them (their values come
    // back below); a read's (an index, a name) and an assignment's new value by value, as VB
    // passes literals and expressions.
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
    const bool assignment = kind == CallKind::Put || kind == CallKind::PutRef;
    if (assignment) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }

    UniqueVariant result;
    ExceptionInfo exception;
    UINT badArgument = 0;
    auto send = [&](WORD flags) {
        return callWhileBusy([&] {
            ++callCounts().invoke;
            exception.clear();
            return dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                     assignment ? nullptr : result.put(), &exception.info, &badArgument);
        });
    };
    // A `Set` of a setter declared as a plain put (every setter CATIA declares) is not found as
    // a put by reference: it is made again as a put, and for this member of the type from then
    // on at once.
    std::set<DISPID>& setByPut = type().setByPut;
    const bool putOnly = kind == CallKind::PutRef && setByPut.contains(id);
    HRESULT hr = send(putOnly ? DISPATCH_PROPERTYPUT : invokeFlags(kind));
    if (hr == DISP_E_MEMBERNOTFOUND && kind == CallKind::PutRef && !putOnly) {
        hr = send(DISPATCH_PROPERTYPUT);
        if (hr != DISP_E_MEMBERNOTFOUND) setByPut.insert(id);
    }
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
