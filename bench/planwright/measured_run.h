#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "headless/transcript.h"
#include "sample_models.h"

namespace qvl::bench {

// How a run is watched: not at all (the program reaches the simulated CATIA and the platform
// directly), counted and timed, or counted and timed member by member as well.
enum class Metering { None, Counted, ByMember };

// One batch run of Planwright on a machine of its own, and what it did.
struct MeasuredRun {
    int mode = 0;
    SampleBatch batch;

    // The calls (Metering::None leaves these 0).
    long long calls = 0;
    long long failedCalls = 0;
    long long releases = 0;
    double secondsInside = 0;  // automation calls and releases
    double secondsReleasing = 0;
    double secondsInPlatform = 0;
    // Per member (Metering::ByMember), the members that took longest first.
    struct Member {
        std::string name;
        long long calls = 0;
        long long failedCalls = 0;
        double milliseconds = 0;
    };
    std::vector<Member> slowestMembers;

    double seconds = 0;  // wall time of the run command

    // The outcome.
    int drawings = 0;
    int sheets = 0;          // detail sheets left out
    int projectedViews = 0;  // generated views
    std::optional<int> reportedFailures;  // from the final message; nullopt when none came
    int markedLines = 0;                  // work-list lines marked as failed
    std::string escaped;                  // an error that left the run command
    std::map<std::string, std::string> outputFiles;  // name -> bytes, in the output folder
    std::vector<platform::Json> events;             // the transcript from the run command on
};

// Starts Planwright on a fresh machine with the sample world and `models` generated models,
// lists them through the file dialog, chooses the output folder and output mode, answers the
// drawing name, and clicks the run command.
MeasuredRun runBatch(const std::filesystem::path& sampleWorld, int mode, int models, Metering metering);

}  // namespace qvl::bench
