// Planwright's real window during a batch of fifty models, driven from this process as a person
// drives it (qvl-drive's WindowPerson) with CATIA simulated over COM: sampled every tenth of a
// second, the window answers a message within a second every time. Needs the drives that
// scripts/wine-run.sh maps (QVL_DRIVES) and the programs of the Windows build.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "drive/drive_folders.h"
#include "drive/screenshots.h"
#include "drive/window_person.h"
#include "scenario/com_scenario.h"
#include "scenario/runner.h"
#include "scenario/script.h"
#include "tests/win32/sample_world.h"
#include "win32/base/com_apartment.h"
#include "win32/base/program_window.h"
#include "win32/base/wide_text.h"

namespace qvl::drive {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int models = 50;
// The caption of the window while its batch runs: "自动投图 12/50 · m12".
constexpr const wchar_t* batchCaption = L"\u81ea\u52a8\u6295\u56fe ";

fs::path testFolder() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path();
}

struct Sample {
    std::wstring caption;
    bool answered = false;
};

// Samples the program's window while its batch runs (its caption, read without a message, tells
// the progress) until told to stop: whether it answers WM_NULL within a second. Takes one
// picture while the 25th model is made.
class WindowSampler {
public:
    explicit WindowSampler(const fs::path& pictures) : pictures_(pictures), thread_([this] { sample(); }) {}
    ~WindowSampler() { stop(); }

    void stop() {
        stopped_ = true;
        if (thread_.joinable()) thread_.join();
    }
    std::vector<Sample> samples() {
        std::lock_guard lock(mutex_);
        return samples_;
    }

private:
    void sample() {
        // Pictures are encoded through COM.
        win32::ComApartment apartment(win32::ComApartment::Kind::MultiThreaded);
        bool pictured = false;
        while (!stopped_) {
            wchar_t caption[256] = {};
            HWND window = FindWindowW(win32::programWindowClass, nullptr);
            if (window) InternalGetWindowText(window, caption, 256);
            if (window && std::wstring(caption).rfind(batchCaption, 0) == 0) {
                DWORD_PTR result = 0;
                const bool answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
                {
                    std::lock_guard lock(mutex_);
                    samples_.push_back({caption, answered});
                }
                if (!pictured && std::wstring(caption).rfind(std::wstring(batchCaption) + L"25/", 0) == 0) {
                    pictures_.take(window, "planwright-batch");
                    pictured = true;
                }
            }
            std::this_thread::sleep_for(100ms);
        }
    }

    Screenshots pictures_;
    std::atomic<bool> stopped_ = false;
    std::mutex mutex_;
    std::vector<Sample> samples_;
    std::thread thread_;
};

TEST(PlanwrightBatch, TheWindowAnswersWithinASecondAtEverySampleOfAFiftyModelBatch) {
    wchar_t drivesSet[8] = {};
    if (GetEnvironmentVariableW(L"QVL_DRIVES", drivesSet, 8) == 0 || win32::sampleWorldFolder().empty()) {
        GTEST_SKIP() << "needs the drives of scripts/wine-run.sh and the source tree";
    }
    DriveFolders drives = DriveFolders::fromEnvironment();
    drives.clear();
    // Fifty models of their own, so that the work list takes every one.
    fs::create_directories(drives.root() / L"D" / L"r");
    std::string script = "program planwright\nworld \"" + win32::toUtf8(win32::sampleWorldFolder().wstring()) +
                         "\"\nopen D:\\models\\Bracket.CATPart\nstart\nanswer files";
    for (int i = 1; i <= models; ++i) {
        const std::wstring name = (i < 10 ? L"m0" : L"m") + std::to_wstring(i) + L".CATPart";
        fs::copy_file(win32::sampleWorldFolder() / L"D" / L"models" / L"Bracket.CATPart", drives.root() / L"D" / L"r" / name);
        script += " D:\\r\\" + win32::toUtf8(name);
    }
    script += "\nclick cmdFolderSel\nclick cmdRun\n";

    std::vector<platform::Json> events;
    scenario::ComScenario catia(drives.root());
    Screenshots screenshots(std::nullopt);
    scenario::Runner runner(
        testFolder(), drives.root(), [&](const platform::Json& event) { events.push_back(event); },
        catia.catiaMaker(), [&](platform::VirtualDisk&, platform::Transcript& transcript, sim::CatiaMachine&) {
            return std::make_unique<WindowPerson>(
                transcript, testFolder().parent_path().parent_path() / L"programs", screenshots,
                [&catia] { return catia.takeScriptFault(); },
                [&catia](const scenario::PlannedCall& call, const platform::Json& post) {
                    catia.postDuring(call.typeName, call.member, call.n, post);
                });
        });
    WindowSampler sampler(testFolder() / L"batch-screens");
    runner.run(scenario::parseScript(script));
    sampler.stop();

    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().value("text", ""), "\xe6\x93\x8d\xe4\xbd\x9c\xe5\xae\x8c\xe6\x88\x90\xef\xbc\x81 ");
    const std::vector<Sample> samples = sampler.samples();
    for (const Sample& s : samples) {
        EXPECT_TRUE(s.answered) << "the window did not answer within a second, its caption "
                                << win32::toUtf8(s.caption);
    }
    // The samples watched the batch through many of its models.
    std::set<std::wstring> models;
    for (const Sample& s : samples) models.insert(s.caption);
    EXPECT_GE(samples.size(), 20u);
    EXPECT_GE(models.size(), 10u);
}

}  // namespace
}  // namespace qvl::drive
