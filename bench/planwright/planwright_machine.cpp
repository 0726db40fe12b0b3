#include "planwright/connection_policy.h"
#include "planwright_machine.h"

#include <stdexcept>
#include <system_error>

#include "common/catia/window_placement.h"

namespace qvl::bench {

namespace fs = std::filesystem;

namespace {

fs::path copiedWorld(const fs::path& world, const fs::path& disk) {
    std::error_code ec;
    fs::copy(world, disk, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    if (ec) throw std::runtime_error("the sample world cannot be copied from " + world.string() + ": " + ec.message());
    return disk;
}

}  // namespace

PlanwrightMachine::PlanwrightMachine(const fs::path& sampleWorld, bool metered)
    : workspace_(std::nullopt),
      disk_(copiedWorld(sampleWorld, workspace_.path())),
      services_(disk_, transcript_),
      timedServices_(services_),
      catia_(disk_, transcript_),
      automation_(catia_.factory(), meter_),
      programAutomation_(metered ? static_cast<automation::ObjectFactory&>(automation_) : catia_.factory()),
      programPlatform_(metered ? static_cast<platform::Services&>(timedServices_) : services_),
      windows_(programPlatform_),
      connection_(planwright::connectionPolicy(), programAutomation_, programPlatform_),
      window_(connection_, programPlatform_, "C:\\QVL") {
    catia_.setClock([this] { return services_.clock(); });
    catia::Main(window_, windows_);
}

}  // namespace qvl::bench
