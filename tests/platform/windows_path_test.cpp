#include "common/platform/windows_path.h"

#include <gtest/gtest.h>

namespace qvl::platform {
namespace {

TEST(WindowsPath, SplitsFolderNameAndExtension) {
    EXPECT_EQ(folderOf("D:\\models\\A.CATPart"), "D:\\models");
    EXPECT_EQ(fileNameOf("D:\\models\\A.CATPart"), "A.CATPart");
    EXPECT_EQ(baseNameOf("D:\\models\\A.b.CATPart"), "A.b");
    EXPECT_EQ(extensionOf("D:\\models\\A.CATPart"), "CATPart");
    EXPECT_EQ(extensionOf("D:\\models.x\\A"), "");
    EXPECT_EQ(folderOf("A.CATPart"), "");
    EXPECT_EQ(fileNameOf("Part1.CATPart"), "Part1.CATPart");
}

TEST(WindowsPath, JoinsWithOneBackslashAndComparesWithoutCase) {
    EXPECT_EQ(joinPath("D:\\out", "a.txt"), "D:\\out\\a.txt");
    EXPECT_EQ(joinPath("D:\\out\\", "a.txt"), "D:\\out\\a.txt");
    EXPECT_EQ(joinPath("", "a.txt"), "a.txt");
    EXPECT_TRUE(samePath("d:/OUT/a.TXT", "D:\\out\\a.txt"));
    EXPECT_FALSE(samePath("D:\\out\\a.txt", "D:\\out\\b.txt"));
}

}  // namespace
}  // namespace qvl::platform
