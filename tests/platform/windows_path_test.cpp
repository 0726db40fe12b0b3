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

TEST(WindowsPath, ResolvesARelativePathAgainstAFolder) {
    EXPECT_EQ(resolvePath("D:\\lists", "..\\models\\A.CATPart"), "D:\\models\\A.CATPart");
    EXPECT_EQ(resolvePath("D:\\lists", "sub/./A.CATPart"), "D:\\lists\\sub\\A.CATPart");
    EXPECT_EQ(resolvePath("D:\\lists", "\\models\\A.CATPart"), "D:\\models\\A.CATPart");
    EXPECT_EQ(resolvePath("D:\\lists", "E:\\x\\..\\A.CATPart"), "E:\\A.CATPart");
    EXPECT_EQ(resolvePath("D:\\", "..\\..\\A.CATPart"), "D:\\A.CATPart");  // never above the root
    EXPECT_EQ(resolvePath("\\\\server\\share\\lists", "..\\A.CATPart"), "\\\\server\\share\\A.CATPart");
    EXPECT_EQ(resolvePath("\\\\server\\share\\lists", "\\A.CATPart"), "\\\\server\\share\\A.CATPart");
}

}  // namespace
}  // namespace qvl::platform
