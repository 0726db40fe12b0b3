// An unattended run that cannot run: exit status 2, the reason in the log, nothing projected.
#include <gtest/gtest.h>

#include <functional>

#include "headless/headless_services.h"
#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "planwright/unattended/unattended_batch.h"
#include "sim/sim_catia.h"
#include "tests/support/temp_folder.h"

namespace qvl::planwright {
namespace {

// A machine with CATIA running, the template and a list of one model that exists.
struct ReadyMachine {
    qvl::testing::TempFolder temp{"C/QVL/Template", "D/lists", "D/out"};
    platform::VirtualDisk disk{temp.root()};
    platform::Transcript transcript;
    platform::HeadlessServices services{disk, transcript};
    sim::SimCatia catia{disk, transcript};

    ReadyMachine() {
        disk.writeFile("C:\\QVL\\Template\\DrwFrame_All.CATDrawing", "{\"kind\": \"Drawing\", \"sheets\": []}");
        disk.writeFile("D:\\lists\\m.txt", "D:\\models\\A.CATPart\r\n");
        disk.writeFile("D:\\models\\A.CATPart", "{\"kind\": \"Part\"}", true);
    }
    int run(const std::vector<std::string>& arguments) {
        return UnattendedBatch(services, catia.factory(), "C:\\QVL", arguments, "C:\\QVL").run();
    }
};

struct Refusal {
    const char* what;
    std::vector<std::string> arguments;
    std::function<void(platform::VirtualDisk&, sim::SimCatia&)> setUp;
    std::string reason;  // how the log's reason begins
};

TEST(UnattendedBatch, ARunThatCannotRunEndsWithTwoAndTellsWhyInTheLog) {
    const std::vector<std::string> usual{"/batch", "D:\\lists\\m.txt", "/out", "D:\\out"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> arguments = usual;
        arguments.insert(arguments.end(), more.begin(), more.end());
        return arguments;
    };
    auto nothing = [](platform::VirtualDisk&, sim::SimCatia&) {};
    const std::vector<Refusal> refusals{
        {"no CATIA", usual, [](platform::VirtualDisk&, sim::SimCatia& catia) { catia.setAvailability(sim::Availability::Absent); },
         catiaUnreachableMessage},
        {"no list", usual, [](platform::VirtualDisk& disk, sim::SimCatia&) { disk.removeFile("D:\\lists\\m.txt"); },
         "无法读取列表文件: D:\\lists\\m.txt"},
        {"an empty list", usual,
         [](platform::VirtualDisk& disk, sim::SimCatia&) { disk.writeFile("D:\\lists\\m.txt", "# none\r\n"); },
         "列表文件中没有数模"},
        {"no output folder", {"/batch", "D:\\lists\\m.txt", "/out", "D:\\nowhere"}, nothing, "输出目录不存在: D:\\nowhere"},
        {"no template", usual,
         [](platform::VirtualDisk& disk, sim::SimCatia&) { disk.removeFile("C:\\QVL\\Template\\DrwFrame_All.CATDrawing"); },
         "找不到模板文件: C:\\QVL\\Template\\DrwFrame_All.CATDrawing"},
        {"a name in mode 3", with({"/mode", "3", "/name", "x"}), nothing, "/name 只用于输出方式 1 和 2"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        ReadyMachine machine;
        refusal.setUp(machine.disk, machine.catia);
        EXPECT_EQ(machine.run(refusal.arguments), batchCouldNotRun);
        const std::string log = machine.disk.readFile("D:\\lists\\m.txt.log").value_or("");
        EXPECT_NE(log.find("\r\n无法投图: " + refusal.reason), std::string::npos) << log;
        EXPECT_NE(log.find("退出状态 2\r\n"), std::string::npos) << log;
        // Nothing was shown, and CATIA wrote nothing.
        EXPECT_TRUE(machine.transcript.events().empty()) << machine.transcript.events().front().dump();
    }
}

TEST(UnattendedBatch, ALogThatCannotBeWrittenStopsTheRunBeforeItBegins) {
    ReadyMachine machine;
    EXPECT_EQ(machine.run({"/batch", "D:\\lists\\m.txt", "/log", "Q:\\no\\m.log"}), batchCouldNotRun);
    // Everything else would have let the run begin: no drawing was made.
    EXPECT_TRUE(machine.transcript.events().empty());
    EXPECT_EQ(machine.disk.filesBelow("D:\\lists"), std::vector<std::string>{"m.txt"});
}

}  // namespace
}  // namespace qvl::planwright
