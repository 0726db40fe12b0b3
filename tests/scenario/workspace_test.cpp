#include "scenario/workspace.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_folder.h"

namespace qvl::scenario {
namespace {

namespace fs = std::filesystem;

TEST(Workspace, ATemporaryWorkspaceIsRemovedAfterTheRun) {
    fs::path used;
    {
        Workspace workspace(std::nullopt);
        used = workspace.path();
        std::ofstream(used / "file.txt") << "x";
        ASSERT_TRUE(fs::exists(used));
    }
    EXPECT_FALSE(fs::exists(used));
}

TEST(Workspace, AKeptFolderLosesTheDrivesOfAnEarlierRunAndKeepsEverythingElse) {
    qvl::testing::TempFolder folder{"kept/C/QVL", "kept/D/out", "kept/notes"};
    std::ofstream(folder.path() / "kept" / "transcript.jsonl") << "{}";
    {
        Workspace workspace(folder.path() / "kept");
        EXPECT_FALSE(fs::exists(folder.path() / "kept" / "C"));
        EXPECT_FALSE(fs::exists(folder.path() / "kept" / "D"));
        EXPECT_TRUE(fs::exists(folder.path() / "kept" / "notes"));
        EXPECT_TRUE(fs::exists(folder.path() / "kept" / "transcript.jsonl"));
        fs::create_directories(workspace.path() / "C" / "QVL");
    }
    EXPECT_TRUE(fs::exists(folder.path() / "kept" / "C" / "QVL")) << "a kept workspace stays after the run";
}

}  // namespace
}  // namespace qvl::scenario
