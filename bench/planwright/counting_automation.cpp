#include "counting_automation.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/automation/variant.h"

namespace qvl::bench {

using automation::CallKind;
using automation::Dispatch;
using automation::Object;
using automation::Variant;

// The wrapper of one server object. It keeps the server object alive while the program holds
// the wrapper, and reaches the meter through the factory, which outlives every wrapper it makes.
class CountingAutomation::CountingDispatch : public Dispatch {
public:
    CountingDispatch(std::shared_ptr<Dispatch> inner, CountingAutomation& owner)
        : inner_(std::move(inner)), owner_(owner) {}
    ~CountingDispatch() override {
        // The program let go of its last reference: the server object is released now.
        CallMeter::Release release(owner_.meter());
        inner_.reset();
    }
    CountingDispatch(const CountingDispatch&) = delete;
    CountingDispatch& operator=(const CountingDispatch&) = delete;

    const std::shared_ptr<Dispatch>& inner() const noexcept { return inner_; }

    std::string typeName() const override {
        CallMeter::Call call(owner_.meter(), "TypeName");
        std::string name = inner_->typeName();
        call.succeeded();
        return name;
    }

    Variant invoke(std::string_view member, CallKind kind, std::span<Variant> args) override {
        CallMeter::Call call(owner_.meter(), member);
        std::vector<Variant> serverArgs(args.begin(), args.end());
        for (Variant& arg : serverArgs) owner_.unwrapAll(arg);
        Variant result = inner_->invoke(member, kind, serverArgs);
        // By-reference arguments come back as the server left them, with its objects wrapped.
        for (std::size_t i = 0; i < args.size(); ++i) {
            owner_.wrapAll(serverArgs[i]);
            args[i] = std::move(serverArgs[i]);
        }
        owner_.wrapAll(result);
        call.succeeded();
        return result;
    }

private:
    std::shared_ptr<Dispatch> inner_;
    CountingAutomation& owner_;
};

CountingAutomation::CountingAutomation(automation::ObjectFactory& server, CallMeter& meter)
    : server_(server), meter_(meter) {}

CountingAutomation::~CountingAutomation() = default;

Object CountingAutomation::getActiveObject(std::string_view className) {
    CallMeter::Call call(meter_, "GetObject");
    Object object = wrap(server_.getActiveObject(className));
    call.succeeded();
    return object;
}

Object CountingAutomation::createObject(std::string_view className) {
    CallMeter::Call call(meter_, "CreateObject");
    Object object = wrap(server_.createObject(className));
    call.succeeded();
    return object;
}

Object CountingAutomation::wrap(const Object& serverObject) {
    const std::shared_ptr<Dispatch>& target = serverObject.dispatch();
    if (!target || dynamic_cast<const CountingDispatch*>(target.get())) return serverObject;
    std::weak_ptr<CountingDispatch>& slot = wrappers_[target.get()];
    std::shared_ptr<CountingDispatch> wrapper = slot.lock();
    if (!wrapper) {
        wrapper = std::make_shared<CountingDispatch>(target, *this);
        slot = wrapper;
        if (wrappers_.size() >= pruneAt_) forgetReleasedWrappers();
    }
    return Object(std::move(wrapper));
}

Object CountingAutomation::unwrap(const Object& programObject) const {
    if (const auto* wrapper = dynamic_cast<const CountingDispatch*>(programObject.dispatch().get())) {
        return Object(wrapper->inner());
    }
    return programObject;
}

void CountingAutomation::wrapAll(Variant& value) {
    if (value.isObject()) {
        value = Variant(wrap(value.object()));
    } else if (value.isArray()) {
        for (Variant& item : value.array()) wrapAll(item);
    }
}

void CountingAutomation::unwrapAll(Variant& value) const {
    if (value.isObject()) {
        value = Variant(unwrap(value.object()));
    } else if (value.isArray()) {
        for (Variant& item : value.array()) unwrapAll(item);
    }
}

// A wrapper that the program released has released its server object too; its slot can go.
// The table is pruned when it has doubled, so that its upkeep stays constant per call.
void CountingAutomation::forgetReleasedWrappers() {
    std::erase_if(wrappers_, [](const auto& entry) { return entry.second.expired(); });
    pruneAt_ = std::max<std::size_t>(1024, wrappers_.size() * 2);
}

}  // namespace qvl::bench
