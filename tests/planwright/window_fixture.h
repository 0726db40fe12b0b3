#pragma once
// Planwright's window on the headless platform, a temporary simulated disk and the fake CATIA.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/catia/connection.h"
#include "headless/headless_services.h"
#include "headless/headless_window_system.h"
#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "common/platform/windows_path.h"
#include "common/text/gbk.h"
#include "planwright/connection_policy.h"
#include "planwright/main_frm.h"
#include "tests/planwright/fake_catia.h"
#include "tests/support/temp_folder.h"

namespace qvl::planwright::testing {

// A window whose batch records the output modes it is asked for.
class RecordingMainFrm : public MainFrm {
public:
    using MainFrm::MainFrm;
    std::vector<int> runs;
    std::function<void()> duringRun;
    void RunBatch(int OutputMode) override {
        runs.push_back(OutputMode);
        if (duringRun) duringRun();
    }
};

class WindowTest : public ::testing::Test {
protected:
    qvl::testing::TempFolder temp{"C/QVL", "D/models", "D/out"};
    platform::VirtualDisk disk{temp.root()};
    platform::Transcript transcript;
    platform::HeadlessServices services{disk, transcript};
    FakeCatia catia;
    catia::Connection connection{planwright::connectionPolicy(), catia, services};
    ui::HeadlessWindowSystem windows{services};
    std::unique_ptr<RecordingMainFrm> form;

    // Creates the window and shows it, which runs Form_Load.
    RecordingMainFrm& start() {
        form = std::make_unique<RecordingMainFrm>(connection, services);
        windows.show(*form);
        return *form;
    }

    // The messages shown so far, as "caption|text|flags".
    std::vector<std::string> messages() const {
        std::vector<std::string> shown;
        for (const auto& e : transcript.events()) {
            if (e["event"] == "message") {
                shown.push_back(e["caption"].get<std::string>() + "|" + e["text"].get<std::string>() + "|" +
                                std::to_string(e["flags"].get<int>()));
            }
        }
        return shown;
    }
    std::vector<platform::Json> events(const char* name) const {
        std::vector<platform::Json> found;
        for (const auto& e : transcript.events()) {
            if (e["event"] == name) found.push_back(e);
        }
        return found;
    }

    // The settings file as GBK bytes, from UTF-8 text.
    void writeSettings(const std::string& utf8Text) {
        ASSERT_TRUE(disk.writeFile("C:\\QVL\\Conf1.ini", text::utf8ToGbk(utf8Text)));
    }
    void writeSettingsBytes(const std::string& bytes) { ASSERT_TRUE(disk.writeFile("C:\\QVL\\Conf1.ini", bytes)); }
    std::string settingsText() const { return text::gbkToUtf8(disk.readFile("C:\\QVL\\Conf1.ini").value_or("")); }

    // A saved part as CATIA's active document.
    Object openPart(const std::string& fullName) {
        return catia.addDocument("PartDocument", fullName, platform::folderOf(fullName));
    }
};

inline const std::string programTitle = "Quorvel工具箱CATIA版自动投图";
inline const std::string toolboxCaption = "Quorvel工具箱CATIA版";

}  // namespace qvl::planwright::testing
