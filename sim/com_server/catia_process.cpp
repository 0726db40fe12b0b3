#include "sim/com_server/catia_process.h"

#include <stdexcept>

#include "headless/script_fault.h"
#include "sim/com_server/simcatia_ids.h"
#include "win32/base/wide_text.h"

namespace qvl::simcatia {

using platform::Json;

namespace {

[[noreturn]] void gone(const std::string& what) {
    throw std::runtime_error("the simulated CATIA process " + what);
}

std::wstring inQuotes(const std::wstring& text) { return L"\"" + text + L"\""; }

}  // namespace

std::wstring registeredServerPath() {
    if (const wchar_t* named = _wgetenv(L"QVL_SIMCATIA"); named && *named) return named;
    std::wstring key = std::wstring(L"CLSID\\") + applicationClassKey + L"\\LocalServer32";
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return {};
    }
    std::wstring path = value;
    if (!path.empty() && path.front() == L'"') {
        std::size_t end = path.find(L'"', 1);
        path = path.substr(1, end == std::wstring::npos ? std::wstring::npos : end - 1);
    }
    return path;
}

CatiaProcess::CatiaProcess(const std::filesystem::path& workspace) {
    std::wstring server = registeredServerPath();
    if (server.empty()) throw std::runtime_error("no simulated CATIA is registered as CATIA.Application");

    wchar_t tempFolder[MAX_PATH + 1] = {};
    wchar_t tempFile[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, tempFolder);
    if (!GetTempFileNameW(tempFolder, L"cev", 0, tempFile)) throw std::runtime_error("no events file can be made");
    eventsPath_ = tempFile;
    events_ = CreateFileW(tempFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);

    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE childIn = nullptr, childOut = nullptr;
    if (!CreatePipe(&childIn, &toServer_, &inherit, 0) || !CreatePipe(&fromServer_, &childOut, &inherit, 0)) {
        throw std::runtime_error("no pipe to the simulated CATIA can be made");
    }
    SetHandleInformation(toServer_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(fromServer_, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::wstring commandLine = inQuotes(server) + L" --control --workspace " + inQuotes(workspace.wstring()) +
                               L" --events " + inQuotes(eventsPath_.wstring());
    PROCESS_INFORMATION info{};
    BOOL started = CreateProcessW(server.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                  nullptr, &startup, &info);
    CloseHandle(childIn);
    CloseHandle(childOut);
    if (!started) throw std::runtime_error("the simulated CATIA cannot be started: " + win32::toUtf8(server));
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    Json hello = Json::object();
    hello["op"] = "hello";
    request(hello);
}

CatiaProcess::~CatiaProcess() {
    if (toServer_) CloseHandle(toServer_);
    if (process_) {
        if (WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
        CloseHandle(process_);
    }
    if (fromServer_) CloseHandle(fromServer_);
    if (events_ != INVALID_HANDLE_VALUE) CloseHandle(events_);
    std::error_code ec;
    std::filesystem::remove(eventsPath_, ec);
}

void CatiaProcess::writeLine(const std::string& line) {
    std::string bytes = line + "\n";
    DWORD written = 0;
    if (!toServer_ || !WriteFile(toServer_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        gone("does not take requests");
    }
}

std::string CatiaProcess::readLine() {
    for (;;) {
        if (std::size_t end = pendingReply_.find('\n'); end != std::string::npos) {
            std::string line = pendingReply_.substr(0, end);
            pendingReply_.erase(0, end + 1);
            return line;
        }
        char buffer[4096];
        DWORD got = 0;
        if (!ReadFile(fromServer_, buffer, sizeof(buffer), &got, nullptr) || got == 0) gone("has ended");
        pendingReply_.append(buffer, got);
    }
}

Json CatiaProcess::request(const Json& request) {
    writeLine(request.dump(-1, ' ', false, Json::error_handler_t::replace));
    Json answer = Json::parse(readLine());
    if (answer.contains("fault")) throw platform::ScriptFault(answer["fault"].get<std::string>());
    return answer["ok"];
}

void CatiaProcess::takeEvents(const std::function<void(const std::string&)>& take) {
    if (events_ == INVALID_HANDLE_VALUE) return;
    char buffer[16384];
    DWORD got = 0;
    while (ReadFile(events_, buffer, sizeof(buffer), &got, nullptr) && got > 0) pendingEvents_.append(buffer, got);
    std::size_t start = 0;
    for (std::size_t end; (end = pendingEvents_.find('\n', start)) != std::string::npos; start = end + 1) {
        take(pendingEvents_.substr(start, end - start));
    }
    pendingEvents_.erase(0, start);
}

void CatiaProcess::kill() {
    if (process_) {
        TerminateProcess(process_, 3);
        WaitForSingleObject(process_, 5000);
    }
}

bool CatiaProcess::hasEnded(std::chrono::milliseconds wait) const {
    return process_ && WaitForSingleObject(process_, static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
}

}  // namespace qvl::simcatia
