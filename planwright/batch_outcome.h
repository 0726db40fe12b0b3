#pragma once

#include <string>

namespace qvl::planwright {

// How a batch run ended.
struct BatchOutcome {
    // Whether the run went past its questions (a work list, a drawing name) to its models.
    bool started = false;
    int failures = 0;       // models (and, in modes 1 and 2, the run's drawing) with a problem
    int unprojected = 0;    // models not begun: the run was stopped, or CATIA went away
    bool catiaGone = false;
};

// What a batch run tells as it goes, for a record of the run: the models it begins and ends and
// the files it writes (a drawing saved, a drawing exported). A file written outside a model
// belongs to the run.
class BatchObserver {
public:
    virtual ~BatchObserver() = default;
    virtual void modelBegun(int line, int lines, const std::string& path) = 0;
    virtual void fileWritten(const std::string& path) = 0;
    virtual void modelEnded(int line, bool failed) = 0;
};

}  // namespace qvl::planwright
