#pragma once

#include <string>
#include <vector>

#include "common/automation/object_factory.h"
#include "common/catia/connection.h"
#include "common/platform/services.h"
#include "planwright/main_frm.h"
#include "planwright/unattended/batch_arguments.h"
#include "planwright/unattended/batch_log.h"
#include "planwright/unattended/unattended_services.h"

namespace qvl::planwright {

// Exit statuses of an unattended run.
inline constexpr int everyModelProjected = 0;
inline constexpr int someModelsFailed = 1;
inline constexpr int batchCouldNotRun = 2;

// Planwright started with a command line (see BatchArguments): the models of a list projected
// with the saved options, without showing the window and without waiting for anybody. CATIA is
// attached, or started, as at start-up. The log records the run; the reason a run cannot start
// goes to the log and to the console.
class UnattendedBatch {
public:
    UnattendedBatch(platform::Services& services, automation::ObjectFactory& automation, std::string programFolder,
                    std::vector<std::string> arguments, std::string currentFolder);

    // Runs the batch; the exit status.
    int run();
    // The window whose options and work list the run uses; it is never shown.
    MainFrm& window() { return *window_; }

private:
    // Reads the list and prepares the window; the reason the batch cannot run, or "".
    std::string prepare(const BatchArguments& arguments);
    int cannotRun(const std::string& reason);
    void logOptions();

    platform::Services& machine_;
    std::vector<std::string> arguments_;
    std::string currentFolder_;
    BatchLog log_;
    UnattendedServices services_;
    catia::Connection connection_;
    std::unique_ptr<MainFrm> window_;
    std::string listPath_;
};

}  // namespace qvl::planwright
