#include "scenario/programs.h"

#include "apps/millsheet/launcher.h"
#include "apps/orderloom/launcher.h"
#include "apps/planwright/launcher.h"
#include "millsheet/connection_policy.h"
#include "orderloom/connection_policy.h"
#include "planwright/connection_policy.h"

namespace qvl::scenario {

const std::map<std::string, ProgramEntry>& programLaunchers() {
    static const std::map<std::string, ProgramEntry> programs{
        {"planwright", {apps::launchPlanwright, planwright::connectionPolicy().title, apps::makePlanwrightWindow,
                        planwright::connectionPolicy, "Planwright.exe"}},
        {"millsheet", {apps::launchMillsheet, millsheet::connectionPolicy().title, apps::makeMillsheetWindow,
                       millsheet::connectionPolicy, "Millsheet.exe"}},
        {"orderloom", {apps::launchOrderloom, orderloom::connectionPolicy().title, apps::makeOrderloomWindow,
                       orderloom::connectionPolicy, "Orderloom.exe"}},
    };
    return programs;
}

}  // namespace qvl::scenario
