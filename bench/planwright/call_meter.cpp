#include "call_meter.h"

namespace qvl::bench {

void CallMeter::reset() {
    calls_ = 0;
    failedCalls_ = 0;
    releases_ = 0;
    inside_ = {};
    releasing_ = {};
    members_.clear();
}

CallMeter::Call::Call(CallMeter& meter, std::string_view member) : meter_(meter), outermost_(meter.depth_ == 0) {
    ++meter_.depth_;
    ++meter_.calls_;
    if (meter_.keepMembers_) {
        auto found = meter_.members_.find(member);
        if (found == meter_.members_.end()) found = meter_.members_.emplace(std::string(member), MemberFigures{}).first;
        member_ = &found->second;
        ++member_->calls;
    }
    // The clock starts last, so that the bookkeeping above counts on the program's side.
    if (outermost_) start_ = Clock::now();
}

CallMeter::Call::~Call() {
    if (outermost_) {
        const Clock::duration spent = Clock::now() - start_;
        meter_.inside_ += spent;
        if (member_) member_->timeInside += spent;
    }
    --meter_.depth_;
    if (failed_) {
        ++meter_.failedCalls_;
        if (member_) ++member_->failedCalls;
    }
}

CallMeter::Release::Release(CallMeter& meter) : meter_(meter), outermost_(meter.depth_ == 0) {
    ++meter_.depth_;
    ++meter_.releases_;
    if (outermost_) start_ = Clock::now();
}

CallMeter::Release::~Release() {
    if (outermost_) {
        const Clock::duration spent = Clock::now() - start_;
        meter_.inside_ += spent;
        meter_.releasing_ += spent;
    }
    --meter_.depth_;
}

}  // namespace qvl::bench
