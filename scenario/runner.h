#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "scenario/person.h"
#include "scenario/script.h"
#include "sim/sim_catia.h"

namespace qvl::scenario {

// Plays a scenario: sets up the machine and CATIA, starts the program, acts as the person at
// its window and prints what happens as transcript events.
class Runner {
public:
    // Makes the machine's CATIA over the simulated disk; by default the simulated CATIA in
    // this process.
    using CatiaMaker =
        std::function<std::unique_ptr<sim::CatiaMachine>(platform::VirtualDisk&, platform::Transcript&)>;

    // Makes the person at the program's window; by default the person at a program that runs
    // in this process on the headless machine.
    using PersonMaker = std::function<std::unique_ptr<Person>(platform::VirtualDisk&, platform::Transcript&,
                                                              sim::CatiaMachine&)>;

    // `scriptFolder` resolves `world` folders; `workspace` holds the simulated disk.
    Runner(std::filesystem::path scriptFolder, std::filesystem::path workspace,
           platform::Transcript::Listener listener, const CatiaMaker& makeCatia = {},
           const PersonMaker& makePerson = {});
    ~Runner();

    // Runs every line; a fault of the script throws ScriptError with its line.
    void run(const std::vector<ScriptLine>& lines);

    platform::VirtualDisk& disk() noexcept { return disk_; }

    // Every CATIA call of the programs goes to `sink` as one line "LINE TYPE.MEMBER KIND ARGC":
    // the number of the script line during which it was made, the type name and member, how the
    // program asked for it (get, put, putref, method) and its number of arguments.
    void logCalls(std::function<void(const std::string& line)> sink);

private:
    using Args = std::vector<std::string>;
    using Command = void (Runner::*)(const Args&);

    void execute(const ScriptLine& line);

    // The machine and CATIA.
    void program(const Args& args);
    void world(const Args& args);
    void programFolder(const Args& args);
    void catia(const Args& args);
    void language(const Args& args);
    void statusBar(const Args& args);
    void open(const Args& args);
    void newDocument(const Args& args);
    void activate(const Args& args);
    void today(const Args& args);
    void random(const Args& args);
    void screen(const Args& args);
    void alerts(const Args& args);
    void dialogDelay(const Args& args);
    void commandLine(const Args& args);
    // What the person and the world will do next.
    void answer(const Args& args);
    void pick(const Args& args);
    void fail(const Args& args);
    void crash(const Args& args);
    void busy(const Args& args);
    void during(const Args& args);
    void deleteFile(const Args& args);
    void writeFile(const Args& args);
    // The person at the window.
    void start(const Args& args);
    void restart(const Args& args);
    void set(const Args& args);
    void check(const Args& args);
    void choose(const Args& args);
    void select(const Args& args);
    void click(const Args& args);
    void dblclick(const Args& args);
    // Inspection.
    void dump(const Args& args);

    // The call that a fault, crash, busy spell or the person's action is planned for.
    static PlannedCall plannedCall(const Args& args, std::size_t skipped, const char* command);

    void launch();
    void requireBeforeStart(const char* command) const;

    static const std::map<std::string, Command>& commands();

    std::filesystem::path scriptFolder_;
    platform::VirtualDisk disk_;
    platform::Transcript transcript_;
    std::unique_ptr<sim::CatiaMachine> catia_;
    std::unique_ptr<Person> person_;
    std::string programName_;
    std::string programFolder_ = "C:\\QVL";
    std::string commandLine_;
    bool started_ = false;
    int currentLine_ = 0;
};

}  // namespace qvl::scenario
