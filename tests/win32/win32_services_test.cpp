// The Win32 platform services: files by Windows paths in any script and at any length, and the
// input box's answers.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/base/wide_text.h"
#include "win32/platform/long_path.h"
#include "win32/platform/win32_services.h"

namespace qvl::win32 {
namespace {

std::string temporaryFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, path);
    std::string folder = toUtf8(path);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

TEST(LongPath, PrefixesAbsoluteLocalAndNetworkPaths) {
    EXPECT_EQ(extendedLengthPath("D:\\out\\零件 1.CATPart"), L"\\\\?\\D:\\out\\零件 1.CATPart");
    EXPECT_EQ(extendedLengthPath("D:/out/a.ini"), L"\\\\?\\D:\\out\\a.ini");
    EXPECT_EQ(extendedLengthPath("\\\\server\\share\\a.ini"), L"\\\\?\\UNC\\server\\share\\a.ini");
    EXPECT_EQ(extendedLengthPath("\\\\?\\D:\\x"), L"\\\\?\\D:\\x");
}

TEST(Win32Services, FilesWithChineseNamesBlanksAndLongPathsRoundTrip) {
    Win32Services services;
    std::string folder = temporaryFolder() + "\\qvl 测试 " + std::to_string(GetCurrentProcessId());
    std::vector<std::string> created;
    // Nested folders until the path passes 260 characters.
    std::string path = folder;
    while (path.size() < 300) {
        ASSERT_TRUE(CreateDirectoryW(extendedLengthPath(path).c_str(), nullptr)) << path;
        created.push_back(path);
        path += "\\图纸 输出 folder with blanks";
    }
    ASSERT_TRUE(CreateDirectoryW(extendedLengthPath(path).c_str(), nullptr));
    created.push_back(path);
    EXPECT_TRUE(services.folderExists(path));

    std::string file = path + "\\Conf1 设置.ini";
    std::string bytes = std::string("[\xd7\xd4\xb6\xaf]\r\nA=1\r\n") + std::string(1, '\0') + "end";
    EXPECT_FALSE(services.fileExists(file));
    EXPECT_FALSE(services.readFile(file).has_value());
    ASSERT_TRUE(services.writeFile(file, bytes));
    EXPECT_TRUE(services.fileExists(file));
    EXPECT_FALSE(services.folderExists(file));
    EXPECT_EQ(services.readFile(file), bytes);
    // Writing again replaces the whole content.
    ASSERT_TRUE(services.writeFile(file, "x"));
    EXPECT_EQ(services.readFile(file), "x");
    EXPECT_FALSE(services.writeFile(path + "\\no such folder\\a.ini", "x"));

    EXPECT_TRUE(services.removeFile(file));
    EXPECT_FALSE(services.fileExists(file));
    EXPECT_FALSE(services.removeFile(file));
    for (auto it = created.rbegin(); it != created.rend(); ++it) RemoveDirectoryW(extendedLengthPath(*it).c_str());
    EXPECT_FALSE(services.folderExists(folder));
}

// Answers the input box that the next modal loop shows: types `text` (unless null) and presses
// the button `button`, from a timer that fires inside the dialog's loop.
struct InputBoxAnswer {
    static inline const wchar_t* text = nullptr;
    static inline int button = IDOK;
    static void CALLBACK answer(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND dialog = FindWindowW(L"#32770", L"输入");
        if (!dialog) return;
        KillTimer(nullptr, timer);
        if (text) SetWindowTextW(GetDlgItem(dialog, 101), text);
        SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    }
};

TEST(Win32Services, InputBoxTellsCancelFromAnEmptyAnswer) {
    Win32Services services;
    InputBoxAnswer::text = nullptr;
    InputBoxAnswer::button = IDOK;
    SetTimer(nullptr, 0, 50, InputBoxAnswer::answer);
    EXPECT_EQ(services.inputBox("图纸名称：", "输入", "Drawing1"), "Drawing1");

    InputBoxAnswer::text = L"";
    SetTimer(nullptr, 0, 50, InputBoxAnswer::answer);
    EXPECT_EQ(services.inputBox("图纸名称：", "输入", "Drawing1"), "");

    InputBoxAnswer::text = L"零件图";
    InputBoxAnswer::button = IDCANCEL;
    SetTimer(nullptr, 0, 50, InputBoxAnswer::answer);
    EXPECT_EQ(services.inputBox("图纸名称：", "输入", "Drawing1"), std::nullopt);
}

TEST(Win32Services, ClockAndChanceStayInTheirRanges) {
    Win32Services services;
    double now = services.secondsSinceMidnight();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 86400.0);
    for (int i = 0; i < 1000; ++i) {
        double r = services.random();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    EXPECT_FALSE(services.todayShortDate().empty());
}

}  // namespace
}  // namespace qvl::win32
