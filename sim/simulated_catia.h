#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/automation/object_factory.h"
#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "sim/catia_types.h"
#include "sim/dispatch/server.h"

namespace qvl::sim {

// The machine's CATIA behind the SimCatia facade: whether it runs, and the automation server
// through which the programs reach it.
class SimulatedCatia : public automation::ObjectFactory {
public:
    SimulatedCatia(platform::VirtualDisk& disk, platform::Transcript& transcript);

    automation::Object getActiveObject(std::string_view className) override;
    automation::Object createObject(std::string_view className) override;

    void setAvailability(Availability availability);
    Session& session() { return server_->session(); }
    const Session& session() const { return server_->session(); }
    Server& server() { return *server_; }
    const Server& server() const { return *server_; }
    const platform::VirtualDisk& disk() const { return disk_; }

    // The person works in CATIA; refused (ScriptFault) while no CATIA runs.
    Session& runningSession();

private:
    bool isCatiaClass(std::string_view className) const;

    platform::VirtualDisk& disk_;
    std::shared_ptr<Server> server_;
    Availability availability_ = Availability::Running;
    bool running_ = true;
};

}  // namespace qvl::sim
