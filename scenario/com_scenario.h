#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "scenario/runner.h"
#include "sim/com_server/catia_process.h"
#include "win32/base/com_apartment.h"

namespace qvl::scenario {

// What a scenario run over COM needs in the runner's process: COM, and the simulated CATIA
// started once for the run over the run's workspace.
class ComScenario {
public:
    explicit ComScenario(const std::filesystem::path& workspace);

    // Makes the runner's CATIA: the one in the server process.
    Runner::CatiaMaker catiaMaker();
    // Hands on what happened in CATIA since the last call, one transcript line each.
    void takeEvents(const std::function<void(const std::string&)>& take) { process_.takeEvents(take); }
    // The calls the server received, by kind.
    platform::Json serverCalls() { return process_.request({{"op", "calls"}}); }
    // CATIA's dialogs become real windows that other processes find and message.
    void showDialogsAsWindows() { process_.request({{"op", "windows"}}); }
    // While the n-th call from now of `member` on `typeName` is under way, the simulated CATIA
    // posts a person's action to the program's real window (see person_action_post.h).
    void postDuring(const std::string& typeName, const std::string& member, int n, const platform::Json& post);
    // The fault of the scenario that a call of another process met in CATIA (a pick that
    // names nothing), once; empty when there is none or CATIA has ended.
    std::string takeScriptFault();

private:
    win32::ComApartment apartment_;
    simcatia::CatiaProcess process_;
    // Actions posted by the server are numbered apart from those the runner's person takes.
    int postedActions_ = 0;
};

}  // namespace qvl::scenario
