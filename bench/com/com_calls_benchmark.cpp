// What automation over COM costs in calls between processes: Planwright's batch of sample
// models (each output mode), Millsheet's demo and Orderloom's demo, each played as a scenario
// against simcatia.exe exactly as `qvl-scenario --com` plays it. For each run it reports the
// program's automation calls, the COM calls that crossed to CATIA's process for them (Invoke,
// GetIDsOfNames, GetTypeInfo, the type information's GetDocumentation and QueryInterface, as
// the client counts them), their ratio, what the server counted, the identity queries that
// each proxy answers in this process (QIid, not crossing), and the client's automation objects
// (and proxies) still alive once the program has ended.
//
//   com_calls_benchmark.exe [--models N]     (run under Wine from inside the source tree)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/planwright/sample_models.h"
#include "headless/virtual_disk.h"
#include "scenario/com_scenario.h"
#include "scenario/runner.h"
#include "scenario/script.h"
#include "scenario/workspace.h"
#include "win32/automation/call_counts.h"
#include "win32/automation/com_dispatch.h"

namespace fs = std::filesystem;
using qvl::platform::Json;

namespace {

fs::path samplesFolder() {
    for (fs::path p = fs::current_path(); !p.empty(); p = p.parent_path()) {
        if (fs::exists(p / "samples" / "world")) return p / "samples";
        if (p == p.root_path()) break;
    }
    throw std::runtime_error("run from inside the source tree: no samples folder found");
}

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A script token for any text: quoted, with backslashes and quotes escaped.
std::string token(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string planwrightBatch(qvl::platform::VirtualDisk& disk, const fs::path& world, int models, int mode) {
    qvl::bench::SampleBatch batch = qvl::bench::writeSampleBatch(disk, "D:\\bench\\models", models);
    if (!disk.createFolder("D:\\bench\\out")) throw std::runtime_error("the output folder cannot be made");
    std::string script = "program planwright\nworld " + token(world.string()) + "\nstart\nanswer files";
    for (const std::string& path : batch.paths) script += " " + token(path);
    script += "\nclick cmdFolderSel\nanswer folder D:\\bench\\out\nclick cmdChangeDir\n";
    script += "choose op1st\ncheck chkMutiBodies 1\nset cbxlstSize A0\ncheck chkAddFrm 1\ncheck chkAddDes 1\n";
    script += "check chkNotes 1\ncheck chkDwg 0\nchoose opOut" + std::to_string(mode) + "\n";
    if (mode != 3) script += "answer input QVL-Bench-Mode" + std::to_string(mode) + "\n";
    script += "click cmdRun\n";
    return script;
}

struct Outcome {
    qvl::win32::CallCounts client;
    Json server;
    int events = 0;
    int saved = 0;
};

template <typename Prepare>
Outcome play(const fs::path& scriptFolder, Prepare prepare) {
    Outcome outcome;
    qvl::scenario::Workspace workspace(std::nullopt);
    qvl::platform::VirtualDisk disk(workspace.path());
    std::string script = prepare(disk);
    auto count = [&outcome](const std::string& line) {
        ++outcome.events;
        if (std::getenv("QVL_SHOW_EVENTS")) std::fprintf(stderr, "%s\n", line.c_str());
        if (line.rfind("{\"event\":\"saved\"", 0) == 0) ++outcome.saved;
    };
    qvl::scenario::ComScenario overCom(workspace.path());
    qvl::win32::callCounts() = qvl::win32::CallCounts{};
    {
        qvl::scenario::Runner runner(
            scriptFolder, workspace.path(),
            [&](const Json& event) {
                overCom.takeEvents(count);
                count(event.dump());
            },
            overCom.catiaMaker());
        runner.run(qvl::scenario::parseScript(script));
    }
    overCom.takeEvents(count);
    // The runner's CATIA (and with it the client's objects kept for reuse) has gone.
    outcome.client = qvl::win32::callCounts();
    outcome.client.objectsAlive += qvl::win32::ComDispatch::keptObjects();
    outcome.server = overCom.serverCalls();
    return outcome;
}

void report(const char* name, const Outcome& o) {
    const auto& c = o.client;
    const double ratio = c.automationCalls ? static_cast<double>(c.crossProcessCalls()) / c.automationCalls : 0;
    std::printf("%-22s %9lld %9lld %6.3f  %8lld %6lld %6lld %6lld %6lld   %8lld %6lld %6lld %6lld %6lld  %5lld %6d %5d\n", name,
                static_cast<long long>(c.automationCalls), static_cast<long long>(c.crossProcessCalls()), ratio,
                static_cast<long long>(c.invoke), static_cast<long long>(c.getIDsOfNames),
                static_cast<long long>(c.getTypeInfo), static_cast<long long>(c.getDocumentation),
                static_cast<long long>(c.queryInterface), o.server.value("invoke", 0LL),
                o.server.value("getIDsOfNames", 0LL), o.server.value("getTypeInfo", 0LL),
                o.server.value("getDocumentation", 0LL), static_cast<long long>(c.identityQueries), static_cast<long long>(c.objectsAlive), o.events, o.saved);
}

}  // namespace

int main(int argc, char** argv) {
    int models = 200;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--models" && i + 1 < argc) models = std::atoi(argv[++i]);
    }
    try {
        const fs::path samples = samplesFolder();
        std::printf("%-22s %9s %9s %6s  %8s %6s %6s %6s %6s   %8s %6s %6s %6s %6s  %5s %6s %5s\n", "run", "autom.", "cross",
                    "ratio", "Invoke", "IDs", "TInfo", "TDoc", "QI", "srv Inv", "IDs", "TInfo", "TDoc", "QIid", "alive",
                    "events", "saved");
        for (int mode = 1; mode <= 3; ++mode) {
            Outcome o = play(samples / "demo", [&](qvl::platform::VirtualDisk& disk) {
                return planwrightBatch(disk, samples / "world", models, mode);
            });
            report(("planwright mode " + std::to_string(mode) + " x" + std::to_string(models)).c_str(), o);
        }
        for (const char* demo : {"millsheet-sheet", "orderloom-sort"}) {
            Outcome o = play(samples / "demo", [&](qvl::platform::VirtualDisk&) {
                return readText(samples / "demo" / (std::string(demo) + ".scn"));
            });
            report(demo, o);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "com_calls_benchmark: %s\n", e.what());
        return 1;
    }
    return 0;
}
