#pragma once

#include <chrono>
#include <map>
#include <string>
#include <string_view>

namespace qvl::bench {

// What the program asked of the automation server: how many calls, how many of them failed,
// and how long the program waited inside them and inside the releases of the server's objects
// (the server tears down what the program no longer holds then, as a COM server does in
// Release). Figures per member are kept only on request, since keeping them costs time on the
// program's side of every call.
class CallMeter {
public:
    using Clock = std::chrono::steady_clock;

    struct MemberFigures {
        long long calls = 0;
        long long failedCalls = 0;
        Clock::duration timeInside{};
    };

    // Starts counting afresh; whether member figures are kept stays as it was.
    void reset();
    void keepMemberFigures(bool on) { keepMembers_ = on; }

    long long calls() const noexcept { return calls_; }
    long long failedCalls() const noexcept { return failedCalls_; }
    long long releases() const noexcept { return releases_; }
    // Time inside calls and releases together.
    Clock::duration timeInside() const noexcept { return inside_; }
    Clock::duration timeReleasing() const noexcept { return releasing_; }
    // By member name as the program wrote it, when member figures are kept.
    const std::map<std::string, MemberFigures, std::less<>>& members() const noexcept { return members_; }

    // Times one call from the moment the program makes it until the answer is back; a call
    // that throws counts as failed. Calls made while another one is being timed (none are
    // expected: the server never calls back) are counted but not timed twice.
    class Call {
    public:
        Call(CallMeter& meter, std::string_view member);
        ~Call();
        void succeeded() noexcept { failed_ = false; }
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

    private:
        CallMeter& meter_;
        MemberFigures* member_ = nullptr;
        bool outermost_;
        bool failed_ = true;
        Clock::time_point start_;
    };

    // Times the release of one server object.
    class Release {
    public:
        explicit Release(CallMeter& meter);
        ~Release();
        Release(const Release&) = delete;
        Release& operator=(const Release&) = delete;

    private:
        CallMeter& meter_;
        bool outermost_;
        Clock::time_point start_;
    };

private:
    bool keepMembers_ = false;
    int depth_ = 0;
    long long calls_ = 0;
    long long failedCalls_ = 0;
    long long releases_ = 0;
    Clock::duration inside_{};
    Clock::duration releasing_{};
    std::map<std::string, MemberFigures, std::less<>> members_;
};

}  // namespace qvl::bench
