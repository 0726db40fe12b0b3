#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "headless/transcript.h"

namespace qvl::simcatia {

// A simcatia.exe that this process started and controls: the scenario's CATIA half goes to it
// as control requests over its standard input and output, and what happens in it comes back
// through an events file. The server is the one registered for "CATIA.Application" (or the one
// that QVL_SIMCATIA names). It ends when this object goes.
class CatiaProcess {
public:
    explicit CatiaProcess(const std::filesystem::path& workspace);
    ~CatiaProcess();
    CatiaProcess(const CatiaProcess&) = delete;
    CatiaProcess& operator=(const CatiaProcess&) = delete;

    // Sends one request and returns its result; a request that the simulated CATIA refuses
    // throws platform::ScriptFault with its reason.
    platform::Json request(const platform::Json& request);

    // Hands every event line written since the last call to `take`, in order.
    void takeEvents(const std::function<void(const std::string&)>& take);

    // Ends the server at once, as when CATIA crashes.
    void kill();
    // Whether the server's process has ended (it crashed or was killed), waiting up to `wait`
    // for it to end.
    bool hasEnded(std::chrono::milliseconds wait = std::chrono::milliseconds(0)) const;

private:
    void writeLine(const std::string& line);
    std::string readLine();

    HANDLE process_ = nullptr;
    HANDLE toServer_ = nullptr;
    HANDLE fromServer_ = nullptr;
    HANDLE events_ = INVALID_HANDLE_VALUE;
    std::filesystem::path eventsPath_;
    std::string pendingEvents_;
    std::string pendingReply_;
};

// The command line that starts the registered simulated CATIA; empty when none is registered.
std::wstring registeredServerPath();

}  // namespace qvl::simcatia
