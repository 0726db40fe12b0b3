#include "sim/com_server/com_scenario.h"

#include "sim/com_server/remote_catia.h"

namespace qvl::simcatia {

ComScenario::ComScenario(const std::filesystem::path& workspace) : process_(workspace) {}

scenario::Runner::CatiaMaker ComScenario::catiaMaker() {
    return [this](platform::VirtualDisk&, platform::Transcript&) { return std::make_unique<RemoteCatia>(process_); };
}

}  // namespace qvl::simcatia
