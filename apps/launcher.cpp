#include "apps/launcher.h"

#include "common/catia/window_placement.h"

namespace qvl::apps {

RunningProgram::RunningProgram(Machine& machine, catia::ConnectionPolicy policy, const WindowMaker& makeWindow)
    : connection_(std::move(policy), machine.automation, machine.services), window_(makeWindow(connection_)) {
    catia::Main(*window_, machine.windows);
}

}  // namespace qvl::apps
