// qvl-drive FILE [--keep DIR]: plays a scenario on the real executable of its program, as a
// person at the screen would, from this second process. The scenario's CATIA half goes to the
// simulated CATIA (simcatia.exe) that the program reaches over COM; the person's half acts on
// the program's real windows and answers its dialogs. Prints the transcript as qvl-scenario
// does; what this machine cannot show as the headless one would is named on the standard error
// as "not observable: EVENT: reason". With --keep, the drives after the run are copied to DIR
// and a picture of every window and dialog met is saved in DIR\screens.
//
// The drives are the folders that QVL_DRIVES names (see drive_folders.h); the executables are
// looked up in QVL_PROGRAMS, or in ..\programs beside this program's folder.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "drive/drive_folders.h"
#include "drive/screenshots.h"
#include "drive/window_person.h"
#include "headless/virtual_disk.h"
#include "scenario/com_scenario.h"
#include "scenario/runner.h"
#include "scenario/script.h"
#include "win32/base/wide_text.h"

namespace fs = std::filesystem;
using qvl::platform::Json;

namespace {

int usage() {
    std::cerr << "usage: qvl-drive FILE [--keep DIR]\n";
    return 2;
}

void print(const std::string& line) { std::cout << line << '\n' << std::flush; }

fs::path programsFolder() {
    wchar_t value[32768] = {};
    if (GetEnvironmentVariableW(L"QVL_PROGRAMS", value, 32768) > 0) return fs::path(value);
    wchar_t self[32768] = {};
    GetModuleFileNameW(nullptr, self, 32768);
    return fs::path(self).parent_path().parent_path() / L"programs";
}

// The program's executable lies in its folder because the run put it there: a listing of that
// folder shows what the program and the scenario put there, as on the headless machine.
void leaveOutExecutable(Json& event, const fs::path& executable) {
    if (executable.empty() || event.value("event", "") != "files" || !event.contains("names")) return;
    Json kept = Json::array();
    for (const auto& name : event["names"]) {
        fs::path full = fs::path(qvl::win32::toWide(event["path"].get<std::string>())) /
                        qvl::win32::toWide(name.get<std::string>());
        if (_wcsicmp(full.lexically_normal().c_str(), executable.lexically_normal().c_str()) != 0) kept.push_back(name);
    }
    event["names"] = std::move(kept);
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::optional<std::string> file;
    std::optional<std::string> keep;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--keep") {
            if (++i >= argc || keep) return usage();
            keep = argv[i];
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

    int status = 0;
    try {
        std::vector<qvl::scenario::ScriptLine> lines = qvl::scenario::parseScript(*text);
        fs::path folder = qvl::platform::pathFromUtf8(*file).parent_path();
        qvl::drive::DriveFolders drives = qvl::drive::DriveFolders::fromEnvironment();
        drives.clear();
        qvl::drive::Screenshots screenshots(keep ? std::optional<fs::path>(qvl::platform::pathFromUtf8(*keep) / "screens")
                                                 : std::nullopt);
        qvl::scenario::ComScenario catia(drives.root());
        catia.showDialogsAsWindows();
        auto printCatiaEvents = [&catia] { catia.takeEvents(print); };
        {
            qvl::drive::WindowPerson* person = nullptr;
            qvl::scenario::Runner runner(
                folder, drives.root(),
                [&](const Json& event) {
                    printCatiaEvents();
                    Json shown = event;
                    if (person) leaveOutExecutable(shown, person->placedExecutable());
                    print(shown.dump(-1, ' ', false, Json::error_handler_t::replace));
                },
                catia.catiaMaker(),
                [&](qvl::platform::VirtualDisk&, qvl::platform::Transcript& transcript, qvl::sim::CatiaMachine&) {
                    auto made = std::make_unique<qvl::drive::WindowPerson>(
                        transcript, programsFolder(), screenshots, [&catia] { return catia.takeScriptFault(); },
                        [&catia](const qvl::scenario::PlannedCall& call, const Json& post) {
                            catia.postDuring(call.typeName, call.member, call.n, post);
                        });
                    person = made.get();
                    return made;
                });
            // However the run ends, what happened in CATIA and what could not be observed are told.
            auto tellTheEnd = [&] {
                printCatiaEvents();
                for (const auto& [event, reason] : person->unobservable()) {
                    std::cerr << "not observable: " << event << ": " << reason << '\n';
                }
            };
            try {
                runner.run(lines);
                // The person closes the program at the end, as after any session.
                person->close();
            } catch (...) {
                tellTheEnd();
                throw;
            }
            tellTheEnd();
        }
        if (keep) drives.keep(qvl::platform::pathFromUtf8(*keep));
    } catch (const qvl::drive::NotPlayable& e) {
        // The run ends where the person could not go on; that is no fault of the scenario.
        std::cout.flush();
        std::cerr << "not observable: the rest: " << e.what() << '\n';
    } catch (const qvl::scenario::ScriptError& e) {
        std::cout.flush();
        std::cerr << *file << ':' << e.line() << ": " << e.what() << '\n';
        status = 2;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << *file << ":0: " << e.what() << '\n';
        status = 2;
    }
    std::cout.flush();
    return status;
}
