// qvl-scenario FILE [--keep DIR] [--calls LOG]: plays a scenario against the simulated CATIA and
// prints the transcript, one JSON object a line. With --calls, every CATIA call of the program
// is written to LOG as "LINE TYPE.MEMBER" (the script line during which it was made).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

#include "scenario/runner.h"
#include "scenario/script.h"
#include "scenario/workspace.h"
#include "sim/render/drawing_svg.h"

namespace fs = std::filesystem;

namespace {

int usage() {
    std::cerr << "usage: qvl-scenario FILE [--keep DIR] [--calls LOG]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::string> file;
    std::optional<std::string> keep;
    std::optional<std::string> calls;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
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

    std::ifstream in(qvl::platform::pathFromUtf8(*file), std::ios::binary);
    if (!in) {
        std::cerr << *file << ":0: the scenario file cannot be read\n";
        return 2;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    qvl::scenario::Workspace workspace(keep ? std::optional<fs::path>(qvl::platform::pathFromUtf8(*keep))
                                            : std::nullopt);
    try {
        std::vector<qvl::scenario::ScriptLine> lines = qvl::scenario::parseScript(text);
        fs::path folder = qvl::platform::pathFromUtf8(*file).parent_path();
        // Declared before the runner, so that it outlives every call the runner reports.
        std::ofstream callLog;
        qvl::scenario::Runner runner(folder, workspace.path(), [](const qvl::platform::Json& event) {
            std::cout << event.dump(-1, ' ', false, qvl::platform::Json::error_handler_t::replace) << '\n';
        });
        if (calls) {
            callLog.open(qvl::platform::pathFromUtf8(*calls), std::ios::binary);
            if (!callLog) {
                std::cerr << *calls << ":0: the call log cannot be written\n";
                return 2;
            }
            runner.logCalls([&callLog](const std::string& line) { callLog << line << '\n'; });
        }
        runner.run(lines);
        if (keep) {
            // People look at what a run produced: every drawing on the disk gets its picture.
            for (const std::string& problem : qvl::sim::renderSavedDrawings(runner.disk())) {
                std::cerr << "warning: no picture of " << problem << '\n';
            }
        }
    } catch (const qvl::scenario::ScriptError& e) {
        std::cout.flush();
        std::cerr << *file << ':' << e.line() << ": " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << *file << ":0: " << e.what() << '\n';
        return 2;
    }
    std::cout.flush();
    return 0;
}
