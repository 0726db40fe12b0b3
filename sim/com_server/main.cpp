// simcatia.exe: the simulated CATIA served over COM as "CATIA.Application".
//
//   simcatia.exe -Embedding [--workspace DIR]
//       started by COM for a client: serves until the last client lets go.
//   simcatia.exe --control --workspace DIR [--events FILE]
//       started by a scenario runner: serves while its standard input is open, and takes the
//       scenario's CATIA half as control requests, one JSON object a line, answering each with
//       one line. What happens in CATIA is appended to FILE.
//
// DIR is the folder whose subfolders are the drives of the simulated disk (D:\ is DIR\D).
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "headless/virtual_disk.h"
#include "sim/com_server/served_catia.h"
#include "sim/com_server/server_calls.h"
#include "win32/base/com_apartment.h"
#include "win32/base/wide_text.h"

namespace fs = std::filesystem;
using qvl::platform::Json;

namespace {

fs::path defaultWorkspace() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    fs::path folder = fs::path(temp) / L"simcatia";
    std::error_code ec;
    fs::create_directories(folder, ec);
    return folder;
}

int serveControlRequests(qvl::simcatia::ServedCatia& catia) {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        Json answer;
        try {
            answer = catia.control(Json::parse(line));
        } catch (const Json::exception& e) {
            answer = Json::object();
            answer["fault"] = std::string("a control request that cannot be read: ") + e.what();
        }
        std::cout << answer.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n' << std::flush;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    bool control = false;
    std::optional<fs::path> workspace;
    std::optional<fs::path> events;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg == L"--control") control = true;
        else if (arg == L"--workspace" && i + 1 < argc) workspace = fs::path(argv[++i]);
        else if (arg == L"--events" && i + 1 < argc) events = fs::path(argv[++i]);
        else if (_wcsicmp(arg.c_str(), L"-Embedding") == 0 || _wcsicmp(arg.c_str(), L"/Embedding") == 0) continue;
        else {
            std::cerr << "usage: simcatia.exe -Embedding [--workspace DIR] | --control --workspace DIR [--events FILE]\n";
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    try {
        qvl::win32::ComApartment apartment(qvl::win32::ComApartment::Kind::MultiThreaded);
        qvl::simcatia::ServedCatia catia(workspace ? *workspace : defaultWorkspace(), events);
        auto& state = qvl::simcatia::serverState();
        if (control) {
            // The runner decides when the process ends, not the clients' references.
            state.holdProcess();
            catia.start();
            int status = serveControlRequests(catia);
            catia.stop();
            return status;
        }
        // Started for a client: CATIA runs once the client has made its application.
        catia.control({{"op", "availability"}, {"value", "startable"}});
        catia.start(true);
        WaitForSingleObject(state.noClients, INFINITE);
        catia.stop();
    } catch (const std::exception& e) {
        std::cerr << "simcatia: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
