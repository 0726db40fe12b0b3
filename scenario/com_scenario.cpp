#include "scenario/com_scenario.h"

#include <chrono>

#include "sim/com_server/remote_catia.h"

namespace qvl::scenario {

ComScenario::ComScenario(const std::filesystem::path& workspace) : process_(workspace) {}

Runner::CatiaMaker ComScenario::catiaMaker() {
    return [this](platform::VirtualDisk&, platform::Transcript&) {
        return std::make_unique<simcatia::RemoteCatia>(process_);
    };
}

void ComScenario::postDuring(const std::string& typeName, const std::string& member, int n,
                             const platform::Json& post) {
    process_.request({{"op", "actduring"}, {"type", typeName}, {"member", member}, {"n", n},
                      {"action", -(++postedActions_)}, {"post", post}});
}

std::string ComScenario::takeScriptFault() {
    if (process_.hasEnded()) return {};
    try {
        return process_.request({{"op", "scriptfault"}}).get<std::string>();
    } catch (const std::exception&) {
        // A CATIA that crashed meanwhile has nothing to hand.
        if (process_.hasEnded(std::chrono::seconds(5))) return {};
        throw;
    }
}

}  // namespace qvl::scenario
