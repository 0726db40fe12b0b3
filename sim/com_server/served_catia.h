#pragma once

#include <windows.h>

#include <oaidl.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "sim/com_server/real_dialog_thread.h"
#include "sim/sim_catia.h"

namespace qvl::simcatia {

// The simulated CATIA of this process as COM sees it: CATIA.Application's class object, the
// running object while CATIA runs, and the scenario's CATIA half (control requests). What a
// person would see in CATIA (picks, saves, exports, commands, alerts) is appended to an events
// file, one JSON object a line, as it happens.
class ServedCatia {
public:
    ServedCatia(std::filesystem::path workspace, std::optional<std::filesystem::path> eventsFile);
    ~ServedCatia();
    ServedCatia(const ServedCatia&) = delete;
    ServedCatia& operator=(const ServedCatia&) = delete;

    // Registers the class object (and the running object, when CATIA runs). A CATIA that COM
    // started for a client lists its application weakly, so that it ends when its clients let go.
    void start(bool startedForClient = false);
    // Revokes both.
    void stop();

    // CreateObject: the application, made visible only by its client; after it CATIA runs.
    HRESULT createApplication(REFIID iid, void** out);

    // Executes one control request ({"op": ..., ...}) and answers {"ok": result} or
    // {"fault": text}.
    platform::Json control(const platform::Json& request);

private:
    // The running object table lists the application exactly while CATIA runs.
    void publishRunningObject();
    platform::Json execute(const std::string& op, const platform::Json& request);
    // From now on CATIA's dialogs are real windows of this process, on the steady clock.
    void showDialogsAsWindows();

    platform::VirtualDisk disk_;
    platform::Transcript transcript_;
    std::ofstream events_;
    sim::SimCatia catia_;
    DWORD classCookie_ = 0;
    DWORD runningCookie_ = 0;
    bool classRegistered_ = false;
    bool running_ = false;
    bool startedForClient_ = false;
    // The clock of the machine that controls this CATIA, as of its last request.
    double clock_ = 0;
    // The person's planned actions that this process posts to the program's window itself,
    // and those made due for the controlling process to take.
    std::map<int, platform::Json> posts_;
    std::vector<int> dueActions_;
    IClassFactory* factory_ = nullptr;
    // Last: its thread works on the simulator and ends before it.
    std::unique_ptr<RealDialogThread> realDialogs_;
};

}  // namespace qvl::simcatia
