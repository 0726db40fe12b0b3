// A message box as the UI driver reads it from outside its thread: text, caption, buttons, the
// icon told by its picture, and the system-modal flag where it can be told.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "drive/program_dialogs.h"
#include "drive/program_process.h"

namespace qvl::drive {
namespace {

// Lets this thread's windows answer what the box's thread sends them while the test waits.
void pumpAWhile() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

// Shows a message box on a thread of its own, as the program's thread would; the test's
// thread finds it, reads it and presses its button.
MessageBoxView readBoxShownWith(UINT flags, HWND owner = nullptr) {
    std::atomic<int> answer = 0;
    std::thread shower([&] { answer = MessageBoxW(owner, L"\u64cd\u4f5c\u5b8c\u6210!", L"Quorvel", flags); });
    HWND box = nullptr;
    for (int tries = 0; tries < 500 && !box; ++tries) {
        auto boxes = processWindows(GetCurrentProcessId(), L"#32770");
        if (!boxes.empty()) box = boxes.front();
        else pumpAWhile();
    }
    MessageBoxView view;
    if (box) {
        EXPECT_EQ(kindOf(box), DialogKind::Message);
        view = readMessageBox(box);
        pressButton(box, (flags & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK);
    }
    for (int tries = 0; tries < 500 && answer == 0; ++tries) pumpAWhile();
    shower.join();
    EXPECT_NE(answer.load(), 0) << "the box was not answered";
    return view;
}

TEST(ProgramDialogs, AMessageBoxIsReadWithItsButtonsAndIcon) {
    MessageBoxView plain = readBoxShownWith(MB_OK);
    EXPECT_EQ(plain.text, "\xe6\x93\x8d\xe4\xbd\x9c\xe5\xae\x8c\xe6\x88\x90!");
    EXPECT_EQ(plain.caption, "Quorvel");
    EXPECT_EQ(plain.flags, MB_OK);

    EXPECT_EQ(readBoxShownWith(MB_OK | MB_ICONINFORMATION).flags, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(readBoxShownWith(MB_OKCANCEL | MB_ICONWARNING).flags, MB_OKCANCEL | MB_ICONWARNING);
    EXPECT_EQ(readBoxShownWith(MB_YESNO | MB_ICONERROR).flags, MB_YESNO | MB_ICONERROR);
}

TEST(ProgramDialogs, TheSystemModalFlagIsToldOnlyOfABoxWithoutOwner) {
    MessageBoxView systemModal = readBoxShownWith(MB_OK | MB_SYSTEMMODAL);
    EXPECT_TRUE(systemModal.systemModalKnown);
    EXPECT_EQ(systemModal.flags, MB_SYSTEMMODAL);

    // An owned box stands with its owner: a top-most owner makes every box of its own top-most.
    HWND owner = CreateWindowExW(WS_EX_TOPMOST, L"Static", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, nullptr, nullptr);
    MessageBoxView owned = readBoxShownWith(MB_OK, owner);
    EXPECT_FALSE(owned.systemModalKnown);
    EXPECT_EQ(owned.flags, MB_OK);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace qvl::drive
