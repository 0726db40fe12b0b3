#pragma once

#include <filesystem>

#include "call_meter.h"
#include "common/catia/connection.h"
#include "headless/headless_services.h"
#include "headless/headless_window_system.h"
#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "counting_automation.h"
#include "planwright/main_frm.h"
#include "scenario/workspace.h"
#include "sim/sim_catia.h"
#include "timed_services.h"

namespace qvl::bench {

// A machine of its own for one benchmark run: a simulated disk in a temporary folder (removed
// afterwards) that holds the sample world, the in-process simulated CATIA reached through the
// counting factory, and Planwright started headless on it, as the scenario runner starts it,
// with its platform services timed. An unmetered machine gives the program the simulated
// CATIA's factory and the platform directly; its meters stay at 0.
class PlanwrightMachine {
public:
    PlanwrightMachine(const std::filesystem::path& sampleWorld, bool metered);
    PlanwrightMachine(const PlanwrightMachine&) = delete;
    PlanwrightMachine& operator=(const PlanwrightMachine&) = delete;

    platform::VirtualDisk& disk() noexcept { return disk_; }
    // The scripted platform, and the timing layer through which a metered program reaches it.
    platform::HeadlessServices& services() noexcept { return services_; }
    TimedServices& programServices() noexcept { return timedServices_; }
    const platform::Transcript& transcript() const noexcept { return transcript_; }
    CallMeter& meter() noexcept { return meter_; }
    planwright::MainFrm& window() noexcept { return window_; }

private:
    scenario::Workspace workspace_;
    platform::VirtualDisk disk_;
    platform::Transcript transcript_;
    platform::HeadlessServices services_;
    TimedServices timedServices_;
    sim::SimCatia catia_;
    CallMeter meter_;
    CountingAutomation automation_;
    // What the program is given: the meters, or the simulated CATIA and platform directly.
    automation::ObjectFactory& programAutomation_;
    platform::Services& programPlatform_;
    ui::HeadlessWindowSystem windows_;
    catia::Connection connection_;
    planwright::MainFrm window_;
};

}  // namespace qvl::bench
