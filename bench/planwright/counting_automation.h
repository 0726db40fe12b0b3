#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "call_meter.h"
#include "common/automation/dispatch.h"
#include "common/automation/object_factory.h"

namespace qvl::bench {

// An automation factory that stands between a program and its server and counts and times
// every call the program makes: the factory's own two calls, every member call and every
// TypeName query, on every object that the server hands out, however it was reached.
//
// Objects pass through unchanged in meaning: every object that the server returns (as a result,
// inside an array, or in a by-reference argument) reaches the program wrapped, and every wrapped
// object that the program passes back reaches the server as the server's own object, so that
// the server still recognises its objects. One server object has one wrapper while the program
// holds it, so that VB's `Is` answers as it would without the meter.
class CountingAutomation : public automation::ObjectFactory {
public:
    CountingAutomation(automation::ObjectFactory& server, CallMeter& meter);
    ~CountingAutomation() override;
    CountingAutomation(const CountingAutomation&) = delete;
    CountingAutomation& operator=(const CountingAutomation&) = delete;

    automation::Object getActiveObject(std::string_view className) override;
    automation::Object createObject(std::string_view className) override;

    // The program's view of a server object and back; Nothing and non-wrapped objects pass.
    automation::Object wrap(const automation::Object& serverObject);
    automation::Object unwrap(const automation::Object& programObject) const;
    void wrapAll(automation::Variant& value);
    void unwrapAll(automation::Variant& value) const;

    CallMeter& meter() const noexcept { return meter_; }

private:
    class CountingDispatch;

    void forgetReleasedWrappers();

    automation::ObjectFactory& server_;
    CallMeter& meter_;
    std::unordered_map<const automation::Dispatch*, std::weak_ptr<CountingDispatch>> wrappers_;
    std::size_t pruneAt_ = 1024;
};

}  // namespace qvl::bench
