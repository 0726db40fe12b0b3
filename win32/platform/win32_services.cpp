#include "win32/platform/win32_services.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "common/automation/error.h"
#include "win32/base/program_window.h"
#include "win32/base/unique_handle.h"
#include "win32/base/wide_text.h"
#include "win32/platform/input_box.h"
#include "win32/platform/long_path.h"
#include "win32/platform/message_pump.h"
#include "win32/platform/shell_dialogs.h"

namespace qvl::win32 {
namespace {

constexpr double twipsPerInch = 1440;

int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

DWORD attributesOf(const std::string& path) {
    if (path.empty()) return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(extendedLengthPath(path).c_str());
}

}  // namespace

Win32Services::Win32Services() : generator_(std::random_device{}()) {}

int Win32Services::messageBox(const std::string& text, const std::string& caption, int flags) {
    return MessageBoxW(findProgramWindow(), toWide(text).c_str(), toWide(caption).c_str(),
                       static_cast<UINT>(flags));
}

std::optional<std::string> Win32Services::inputBox(const std::string& prompt, const std::string& caption,
                                                   const std::string& defaultText) {
    auto answer = showInputBox(findProgramWindow(), toWide(prompt), toWide(caption), toWide(defaultText));
    if (!answer) return std::nullopt;
    return toUtf8(*answer);
}

std::optional<platform::ChosenFolder> Win32Services::browseForFolder(const std::string& title) {
    auto folder = win32::browseForFolder(findProgramWindow(), toWide(title));
    if (!folder) return std::nullopt;
    return platform::ChosenFolder{toUtf8(folder->path), folder->isFileSystemFolder};
}

std::optional<std::vector<std::string>> Win32Services::openFiles(const std::string& filterDescription,
                                                                 const std::string& filterPatterns) {
    auto chosen = win32::openFiles(findProgramWindow(), toWide(filterDescription), toWide(filterPatterns));
    if (!chosen) return std::nullopt;
    std::vector<std::string> paths;
    for (const auto& path : *chosen) paths.push_back(toUtf8(path));
    return paths;
}

void Win32Services::startProgram(const std::string& commandLine) {
    std::wstring line = toWide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        throw automation::Error(53, "File not found");
    }
    UniqueFile thread(process.hThread);
    UniqueFile started(process.hProcess);
}

std::string Win32Services::todayShortDate() {
    wchar_t text[128] = {};
    int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 128, nullptr);
    return length > 0 ? toUtf8(text) : std::string();
}

double Win32Services::secondsSinceMidnight() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

void Win32Services::processPendingMessages() { win32::processPendingMessages(); }

double Win32Services::random() {
    return std::min(std::uniform_real_distribution<double>(0.0, 1.0)(generator_), std::nextafter(1.0, 0.0));
}

bool Win32Services::fileExists(const std::string& path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Services::folderExists(const std::string& path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32Services::readFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    UniqueFile file(CreateFileW(extendedLengthPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) return std::nullopt;
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool Win32Services::removeFile(const std::string& path) {
    return !path.empty() && DeleteFileW(extendedLengthPath(path).c_str());
}

bool Win32Services::createFolder(const std::string& path) {
    if (path.empty() || folderExists(path)) return !path.empty();
    const std::size_t separator = path.find_last_of('\\');
    // The folder above first, unless it is a drive's root ("D:").
    if (separator != std::string::npos && separator > 2 && !createFolder(path.substr(0, separator))) return false;
    return CreateDirectoryW(extendedLengthPath(path).c_str(), nullptr) || folderExists(path);
}

bool Win32Services::writeFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) return false;
    UniqueFile file(CreateFileW(extendedLengthPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

double Win32Services::screenWidthTwips() { return GetSystemMetrics(SM_CXSCREEN) * twipsPerInch / screenDpi(); }

double Win32Services::screenHeightTwips() { return GetSystemMetrics(SM_CYSCREEN) * twipsPerInch / screenDpi(); }

void Win32Services::writeConsoleLine(const std::string& text) {
    HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
    if (!out || out == INVALID_HANDLE_VALUE) {
        // A program of the GUI subsystem has no console of its own: the one it was started from.
        if (!consoleAttached_) consoleAttached_ = AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
        if (!consoleAttached_) return;
        out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
        if (out == INVALID_HANDLE_VALUE) return;
        SetStdHandle(STD_ERROR_HANDLE, out);
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        const std::wstring line = toWide(text) + L"\r\n";
        WriteConsoleW(out, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
    } else {
        // A file or a pipe takes the line as UTF-8.
        const std::string line = text + "\r\n";
        WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

void Win32Services::setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter, int x, int y,
                                 int cx, int cy, unsigned flags) {
    SetWindowPos(reinterpret_cast<HWND>(window), reinterpret_cast<HWND>(insertAfter), x, y, cx, cy, flags);
}

}  // namespace qvl::win32
