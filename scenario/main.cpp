// qvl-scenario FILE [--keep DIR] [--calls LOG]: plays a scenario against the simulated CATIA and
// prints the transcript, one JSON object a line. With --calls, every CATIA call of the program
// is written to LOG as "LINE TYPE.MEMBER KIND ARGC" (the script line during which it was made,
// how the program asked for it and with how many arguments). In the
// Windows build, `--com` plays it against the simulated CATIA in a process of its own, reached
// over COM.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "scenario/runner.h"
#include "scenario/script.h"
#include "scenario/workspace.h"
#include "sim/render/drawing_svg.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "scenario/com_scenario.h"
#endif

namespace fs = std::filesystem;

namespace {

int usage() {
#ifdef _WIN32
    std::cerr << "usage: qvl-scenario [--com] FILE [--keep DIR] [--calls LOG]\n";
#else
    std::cerr << "usage: qvl-scenario FILE [--keep DIR] [--calls LOG]\n";
#endif
    return 2;
}

void print(const std::string& line) { std::cout << line << '\n'; }

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::string> file;
    std::optional<std::string> keep;
    std::optional<std::string> calls;
    [[maybe_unused]] bool com = false;
#ifdef _WIN32
    // The transcript's lines end in "\n" on every system.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
#ifdef _WIN32
        if (arg == "--com") {
            com = true;
            continue;
        }
#endif
        if (arg == "--keep") {
            if (++i >= argc || keep) return usage();
            keep = argv[i];
        } else if (arg == "--calls") {
            if (++i >= argc || calls) return usage();
            calls = argv[i];
        } else if (!file) {
            file = arg;
        } else {
            return usage();
        }
    }
    if (!file) return usage();

    std::optional<std::string> text = qvl::scenario::readScriptFile(*file);
    if (!text) {
        std::cerr << *file << ":0: the scenario file cannot be read\n";
        return 2;
    }

    qvl::scenario::Workspace workspace(keep ? std::optional<fs::path>(qvl::platform::pathFromUtf8(*keep))
                                            : std::nullopt);
    // Events of a CATIA in another process are printed before each event of this one.
    std::function<void()> printCatiaEvents = [] {};
#ifdef _WIN32
    std::unique_ptr<qvl::scenario::ComScenario> overCom;
#endif
    try {
        std::vector<qvl::scenario::ScriptLine> lines = qvl::scenario::parseScript(*text);
        fs::path folder = qvl::platform::pathFromUtf8(*file).parent_path();
        // Declared before the runner, so that it outlives every call the runner reports.
        std::ofstream callLog;
        qvl::scenario::Runner::CatiaMaker makeCatia;
#ifdef _WIN32
        if (com) {
            overCom = std::make_unique<qvl::scenario::ComScenario>(workspace.path());
            makeCatia = overCom->catiaMaker();
            printCatiaEvents = [&overCom] { overCom->takeEvents(print); };
        }
#endif
        qvl::scenario::Runner runner(
            folder, workspace.path(),
            [&printCatiaEvents](const qvl::platform::Json& event) {
                printCatiaEvents();
                print(event.dump(-1, ' ', false, qvl::platform::Json::error_handler_t::replace));
            },
            makeCatia);
        if (calls) {
            callLog.open(qvl::platform::pathFromUtf8(*calls), std::ios::binary);
            if (!callLog) {
                std::cerr << *calls << ":0: the call log cannot be written\n";
                return 2;
            }
            runner.logCalls([&callLog](const std::string& line) { callLog << line << '\n'; });
        }
        runner.run(lines);
        printCatiaEvents();
        if (keep) {
            // People look at what a run produced: every drawing on the disk gets its picture.
            for (const std::string& problem : qvl::sim::renderSavedDrawings(runner.disk())) {
                std::cerr << "warning: no picture of " << problem << '\n';
            }
        }
    } catch (const qvl::scenario::ScriptError& e) {
        printCatiaEvents();
        std::cout.flush();
        std::cerr << *file << ':' << e.line() << ": " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        printCatiaEvents();
        std::cout.flush();
        std::cerr << *file << ":0: " << e.what() << '\n';
        return 2;
    }
    std::cout.flush();
    return 0;
}
