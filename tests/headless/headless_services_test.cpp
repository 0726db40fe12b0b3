#include "headless/headless_services.h"

#include <gtest/gtest.h>

#include "headless/script_fault.h"
#include "tests/support/temp_folder.h"

namespace qvl::platform {
namespace {

class HeadlessServicesTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    VirtualDisk disk{folder.path()};
    Transcript transcript;
    HeadlessServices services{disk, transcript};
};

TEST_F(HeadlessServicesTest, DialogsTakeTheirAnswersInOrderAndAreRecorded) {
    services.queueInput("first");
    services.queueInput(std::nullopt);
    EXPECT_EQ(services.inputBox("名称", "自动投图", "Drw"), "first");
    EXPECT_EQ(services.inputBox("名称", "自动投图", "Drw"), std::nullopt);
    ASSERT_EQ(transcript.events().size(), 2u);
    EXPECT_EQ(transcript.events()[0].dump(),
              R"({"event":"input","prompt":"名称","caption":"自动投图","default":"Drw","answer":"first"})");
    EXPECT_TRUE(transcript.events()[1]["answer"].is_null());
}

TEST_F(HeadlessServicesTest, FolderAnswersArePathsCancelsOrVirtualFolders) {
    using Answer = HeadlessServices::FolderAnswer;
    services.queueFolder({Answer::Kind::Path, "D:\\out"});
    services.queueFolder({Answer::Kind::Cancel, ""});
    services.queueFolder({Answer::Kind::Virtual, ""});
    EXPECT_EQ(services.browseForFolder("t")->path, "D:\\out");
    EXPECT_FALSE(services.browseForFolder("t"));
    auto virtualFolder = services.browseForFolder("t");
    ASSERT_TRUE(virtualFolder);
    EXPECT_FALSE(virtualFolder->isFileSystemFolder);
}

TEST_F(HeadlessServicesTest, AQuestionWithoutAQueuedAnswerIsAFaultOfTheScript) {
    EXPECT_THROW(services.inputBox("p", "c", ""), ScriptFault);
    EXPECT_THROW(services.browseForFolder("t"), ScriptFault);
    EXPECT_THROW(services.openFiles("CATIA", "*.CATPart"), ScriptFault);
}

TEST_F(HeadlessServicesTest, MessagesAndProgramsStartedAreRecorded) {
    services.messageBox("请先定义输出路径", "Quorvel工具箱CATIA版自动投图", 0);
    services.startProgram("explorer.exe D:\\out");
    EXPECT_EQ(transcript.events()[0].dump(),
              R"({"event":"message","text":"请先定义输出路径","caption":"Quorvel工具箱CATIA版自动投图","flags":0})");
    EXPECT_EQ(transcript.events()[1].dump(), R"({"event":"shell","command":"explorer.exe D:\\out"})");
}

TEST_F(HeadlessServicesTest, TimePassesOnlyWhenThePendingMessagesAreProcessed) {
    int idle = 0;
    services.setIdleHook([&] { ++idle; });
    double before = services.secondsSinceMidnight();
    EXPECT_EQ(services.secondsSinceMidnight(), before);
    for (int i = 0; i < 100; ++i) services.processPendingMessages();
    EXPECT_NEAR(services.secondsSinceMidnight() - before, 1.0, 1e-9);
    EXPECT_EQ(idle, 100);
}

TEST_F(HeadlessServicesTest, RandomDrawsAFixedValueWhenAskedAndStaysBelowOne) {
    for (int i = 0; i < 1000; ++i) {
        double r = services.random();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    services.setFixedRandom(0.42);
    EXPECT_EQ(services.random(), 0.42);
}

}  // namespace
}  // namespace qvl::platform
