#include "headless/virtual_disk.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace qvl::platform {
namespace {

class VirtualDiskTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    VirtualDisk disk{folder.path()};
};

TEST_F(VirtualDiskTest, DriveLettersAreFoldersOfTheWorkspace) {
    ASSERT_TRUE(disk.writeFile("D:\\models\\A.CATPart", "{}", true));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.path() / "D" / "models" / "A.CATPart"));
    EXPECT_EQ(disk.readFile("d:/MODELS/a.catpart"), "{}") << "names are found without regard to case";
    EXPECT_TRUE(disk.folderExists("D:\\models\\"));
    EXPECT_FALSE(disk.fileExists("D:\\models"));
}

TEST_F(VirtualDiskTest, RefusesPathsThatAreNoDrivePathsOrLeaveTheDrive) {
    EXPECT_FALSE(disk.hostPath("models\\A.CATPart"));
    EXPECT_FALSE(disk.hostPath("1:\\x"));
    EXPECT_FALSE(disk.hostPath("C:\\..\\..\\etc\\passwd"));
    EXPECT_FALSE(disk.writeFile("C:\\..\\escape.txt", "x", true));
    EXPECT_TRUE(disk.hostPath("C:\\a\\..\\b"));
}

TEST_F(VirtualDiskTest, WritingNeedsAnExistingFolderUnlessAskedToCreateIt) {
    EXPECT_FALSE(disk.writeFile("C:\\out\\x.txt", "x"));
    ASSERT_TRUE(disk.createFolder("C:\\out"));
    EXPECT_TRUE(disk.writeFile("C:\\out\\x.txt", "x"));
    EXPECT_TRUE(disk.writeFile("C:\\out\\x.txt", "longer text"));
    EXPECT_EQ(disk.readFile("C:\\out\\x.txt"), "longer text");
    EXPECT_FALSE(disk.writeFile("C:\\out", "a folder is no file"));
}

TEST_F(VirtualDiskTest, ListsFilesBelowAFolderSorted) {
    disk.writeFile("C:\\QVL\\Template\\b.CATDrawing", "", true);
    disk.writeFile("C:\\QVL\\Conf1.ini", "", true);
    disk.writeFile("C:\\QVL\\Template\\a 图.CATDrawing", "", true);
    EXPECT_EQ(disk.filesBelow("C:\\QVL"),
              (std::vector<std::string>{"Conf1.ini", "Template\\a 图.CATDrawing", "Template\\b.CATDrawing"}));
    EXPECT_TRUE(disk.filesBelow("C:\\nothing").empty());
    EXPECT_TRUE(disk.removeFile("C:\\QVL\\Conf1.ini"));
    EXPECT_FALSE(disk.removeFile("C:\\QVL\\Conf1.ini"));
}

TEST_F(VirtualDiskTest, HoldsChineseBlankAndLongPaths) {
    std::string longFolder = "D:\\";
    for (int i = 0; i < 30; ++i) longFolder += "很长的文件夹 " + std::to_string(i) + "\\";
    std::string path = longFolder + "零件 1.CATPart";
    ASSERT_GT(path.size(), 260u);
    ASSERT_TRUE(disk.writeFile(path, "content", true));
    EXPECT_EQ(disk.readFile(path), "content");
}

}  // namespace
}  // namespace qvl::platform
