#pragma once

#include <functional>
#include <vector>

#include <nlohmann/json.hpp>

namespace qvl::platform {

using Json = nlohmann::ordered_json;

// What a person would have seen during a run, one event at a time, in the order in which it
// happened. Every event carries "event" first.
class Transcript {
public:
    using Listener = std::function<void(const Json&)>;

    void setListener(Listener listener) { listener_ = std::move(listener); }

    void record(Json event) {
        if (listener_) listener_(event);
        events_.push_back(std::move(event));
    }

    const std::vector<Json>& events() const noexcept { return events_; }

    // Starts an event object with its "event" field.
    static Json event(const char* name) {
        Json e = Json::object();
        e["event"] = name;
        return e;
    }

private:
    Listener listener_;
    std::vector<Json> events_;
};

}  // namespace qvl::platform
