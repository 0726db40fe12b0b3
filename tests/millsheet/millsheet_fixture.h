#pragma once
// Millsheet's window on the headless platform, a temporary simulated disk and the fake CATIA.

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
#include "common/text/gbk.h"
#include "millsheet/connection_policy.h"
#include "millsheet/main_frm3.h"
#include "tests/millsheet/fake_catia.h"
#include "tests/support/temp_folder.h"

namespace qvl::millsheet::testing {

inline const std::string programTitle = "Quorvel工具箱CATIA版生成加工单";

class MillsheetTest : public ::testing::Test {
protected:
    qvl::testing::TempFolder temp{"C/QVL/Template", "D/nc", "D/out"};
    platform::VirtualDisk disk{temp.root()};
    platform::Transcript transcript;
    platform::HeadlessServices services{disk, transcript};
    FakeCatia catia{disk};
    catia::Connection connection{millsheet::connectionPolicy(), catia, services};
    // The template that the fake CATIA reads lies on the disk too, so nothing offers to make it.
    const bool templateOnDisk = disk.writeFile(catia.templatePath, "{}");
    ui::HeadlessWindowSystem windows{services};
    std::unique_ptr<MainFrm3> form;
    std::size_t eventsBefore = 0;

    // The window loaded on the process document; `quiet` leaves what start-up showed out of
    // the messages below.
    MainFrm3& start(bool quiet = true) {
        form = std::make_unique<MainFrm3>(connection, services);
        windows.show(*form);
        if (quiet) eventsBefore = transcript.events().size();
        return *form;
    }

    // The messages shown, as "caption|text".
    std::vector<std::string> messages() const {
        std::vector<std::string> shown;
        const auto& events = transcript.events();
        for (std::size_t i = eventsBefore; i < events.size(); ++i) {
            if (events[i]["event"] == "message") {
                shown.push_back(events[i]["caption"].get<std::string>() + "|" + events[i]["text"].get<std::string>());
            }
        }
        return shown;
    }
    std::string lastMessage() const {
        const auto shown = messages();
        return shown.empty() ? std::string() : shown.back();
    }

    // The next pick in CATIA's tree ends normally with `node` selected.
    void pick(ProcessNode& node) { catia.picks.emplace_back("Normal", catia.pickable(node)); }

    // Picks `node` and presses the run button with the output folder D:\out.
    void runOn(ProcessNode& node) {
        pick(node);
        form->lblOutFolder2.setCaption("D:\\out");
        eventsBefore = transcript.events().size();
        form->cmdRun.click();
    }

    FakeDrawing& lastDrawing() const {
        if (catia.drawings.empty()) throw std::logic_error("no drawing was made");
        return *catia.drawings.back();
    }
    // The operations table on the generated sheet, after the frame was exploded.
    const FakeTable& sheetTable() const {
        const FakeView* background = lastDrawing().sheets.front()->background();
        const FakeTable* table = background ? background->table("ToolsList1") : nullptr;
        if (!table) throw std::logic_error("the sheet holds no operations table");
        return *table;
    }
    std::vector<std::string> tableRow(std::size_t row) const { return sheetTable().cells.at(row - 1); }

    void writeSettings(const std::string& utf8Text) {
        ASSERT_TRUE(disk.writeFile("C:\\QVL\\Conf1.ini", text::utf8ToGbk(utf8Text)));
    }
    std::string settingsText() const { return text::gbkToUtf8(disk.readFile("C:\\QVL\\Conf1.ini").value_or("")); }
};

}  // namespace qvl::millsheet::testing
