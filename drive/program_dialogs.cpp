#include "drive/program_dialogs.h"

#include <shlobj.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "win32/base/wide_text.h"

namespace qvl::drive {

namespace {

// The ids that the system's dialogs give their parts.
constexpr int messageTextId = 0xFFFF;
constexpr int inputPromptId = 100;
constexpr int inputTextId = 101;
constexpr int fileNameEditId = 1152;
constexpr int fileNameComboId = 1148;

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

struct ChildSearch {
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK takeChild(HWND child, LPARAM search) {
    auto& wanted = *reinterpret_cast<ChildSearch*>(search);
    if (_wcsicmp(classOf(child).c_str(), wanted.className) != 0) return TRUE;
    wanted.found = child;
    return FALSE;
}

// The first descendant of class `className`, in the order of the children.
HWND findDescendant(HWND parent, const wchar_t* className) {
    ChildSearch search{className};
    EnumChildWindows(parent, takeChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool shows(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && IsWindowVisible(button);
}

// Memory in another process that holds a copy of some bytes, freed when it goes.
class RemoteCopy {
public:
    RemoteCopy(HANDLE process, const void* bytes, std::size_t size) : process_(process) {
        address_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!address_ || !WriteProcessMemory(process, address_, bytes, size, nullptr)) {
            throw std::runtime_error("cannot write into the program's memory");
        }
    }
    ~RemoteCopy() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteCopy(const RemoteCopy&) = delete;
    RemoteCopy& operator=(const RemoteCopy&) = delete;
    LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }

private:
    HANDLE process_;
    void* address_ = nullptr;
};

// The pixels of the screen inside `area`, top row first, as 0x00RRGGBB.
std::vector<std::uint32_t> screenPixels(const RECT& area, HDC into = nullptr, HBITMAP* keep = nullptr) {
    int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = into ? into : CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<std::uint32_t*>(bits),
                                      static_cast<std::uint32_t*>(bits) + static_cast<std::size_t>(width) * height);
    ReleaseDC(nullptr, screen);
    if (keep) {
        *keep = bitmap;
        return pixels;
    }
    SelectObject(memory, old);
    if (!into) DeleteDC(memory);
    DeleteObject(bitmap);
    return pixels;
}

long long distance(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    long long total = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            total += std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF));
        }
    }
    return total;
}

// The icon flag of a message box (MB_ICONERROR, ...), told by its picture: the system's icons
// look the same in every process, so each is drawn over what the box shows, and the one that
// changes it least is the one shown.
int iconFlagOf(HWND box) {
    HWND iconWindow = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(classOf(child).c_str(), L"Static") == 0 && IsWindowVisible(child) &&
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            iconWindow = child;
        }
    }
    // A box without an icon keeps its icon control empty.
    if (!iconWindow || !SendMessageW(iconWindow, STM_GETICON, 0, 0)) return 0;
    // The picture is read from the screen: the box is painted first.
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(50);
    RECT area{};
    GetWindowRect(iconWindow, &area);
    if (area.right <= area.left || area.bottom <= area.top) return 0;
    const std::vector<std::uint32_t> shown = screenPixels(area);
    struct Candidate {
        int flag;
        LPCWSTR icon;
    };
    const Candidate candidates[] = {{MB_ICONERROR, IDI_HAND}, {MB_ICONQUESTION, IDI_QUESTION},
                                    {MB_ICONWARNING, IDI_EXCLAMATION}, {MB_ICONINFORMATION, IDI_ASTERISK}};
    int best = 0;
    long long bestDistance = -1;
    for (const Candidate& candidate : candidates) {
        HDC memory = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = nullptr;
        screenPixels(area, memory, &bitmap);
        DrawIconEx(memory, 0, 0, LoadIconW(nullptr, candidate.icon), area.right - area.left, area.bottom - area.top, 0,
                   nullptr, DI_NORMAL);
        GdiFlush();
        BITMAP layout{};
        GetObjectW(bitmap, sizeof layout, &layout);
        const auto* bits = static_cast<const std::uint32_t*>(layout.bmBits);
        std::vector<std::uint32_t> drawn(bits, bits + shown.size());
        DeleteDC(memory);
        DeleteObject(bitmap);
        long long d = distance(shown, drawn);
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = candidate.flag;
        }
    }
    return best;
}

}  // namespace

std::string windowTextOf(HWND window) {
    // GetWindowText does not ask a window of another process for its text (an edit control's
    // content): the message does.
    LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return win32::toUtf8(text);
}

DialogKind kindOf(HWND dialog) {
    if (GetDlgItem(dialog, messageTextId)) return DialogKind::Message;
    if (GetDlgItem(dialog, inputTextId) && GetDlgItem(dialog, inputPromptId)) return DialogKind::Input;
    // The open-file dialog shows a tree of folders too: its file name box tells it apart.
    if (GetDlgItem(dialog, fileNameEditId) || GetDlgItem(dialog, fileNameComboId)) return DialogKind::Files;
    if (findDescendant(dialog, L"SysTreeView32")) return DialogKind::Folder;
    return DialogKind::Unknown;
}

MessageBoxView readMessageBox(HWND box) {
    MessageBoxView view{windowTextOf(GetDlgItem(box, messageTextId)), windowTextOf(box), 0};
    bool ok = shows(box, IDOK), cancel = shows(box, IDCANCEL), yes = shows(box, IDYES), no = shows(box, IDNO);
    if (shows(box, IDABORT)) view.flags |= MB_ABORTRETRYIGNORE;
    else if (yes && no && cancel) view.flags |= MB_YESNOCANCEL;
    else if (yes && no) view.flags |= MB_YESNO;
    else if (shows(box, IDRETRY)) view.flags |= MB_RETRYCANCEL;
    else if (ok && cancel) view.flags |= MB_OKCANCEL;
    view.flags |= iconFlagOf(box);
    HWND owner = GetWindow(box, GW_OWNER);
    view.systemModalKnown = !owner || !(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
    if (view.systemModalKnown && (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST)) view.flags |= MB_SYSTEMMODAL;
    return view;
}

InputBoxView readInputBox(HWND box) {
    return {windowTextOf(GetDlgItem(box, inputPromptId)), windowTextOf(box),
            windowTextOf(GetDlgItem(box, inputTextId))};
}

void typeIntoInputBox(HWND box, const std::string& text) {
    std::wstring wide = win32::toWide(text);
    SendMessageW(GetDlgItem(box, inputTextId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string folderBrowserTitle(HWND browser) {
    // The title is the first line of text above the tree.
    for (HWND child = GetWindow(browser, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(classOf(child).c_str(), L"Static") == 0 && IsWindowVisible(child)) {
            std::string text = windowTextOf(child);
            if (!text.empty()) return text;
        }
    }
    return {};
}

void chooseFolder(HWND browser, HANDLE process, const std::string& path) {
    std::wstring wide = win32::toWide(path);
    RemoteCopy remote(process, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, remote.address());
}

void chooseVirtualFolder(HWND browser, HANDLE process) {
    LPITEMIDLIST computer = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer))) {
        throw std::runtime_error("the shell has no folder Computer");
    }
    RemoteCopy remote(process, computer, ILGetSize(computer));
    CoTaskMemFree(computer);
    SendMessageW(browser, BFFM_SETSELECTIONW, FALSE, remote.address());
}

std::string fileDialogFilter(HWND dialog) {
    // The file type box is the combo box that is not the file name box.
    HWND nameBox = GetDlgItem(dialog, fileNameComboId);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == nameBox || _wcsicmp(classOf(child).c_str(), L"ComboBox") != 0) continue;
        LRESULT index = SendMessageW(child, CB_GETCURSEL, 0, 0);
        if (index < 0) continue;
        LRESULT length = SendMessageW(child, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(child, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.find(L'\0'));
        return win32::toUtf8(text);
    }
    return {};
}

void typeFileNames(HWND dialog, const std::vector<std::string>& paths) {
    std::wstring names;
    for (const auto& path : paths) {
        if (!names.empty()) names += L' ';
        names += L"\"" + win32::toWide(path) + L"\"";
    }
    HWND edit = GetDlgItem(dialog, fileNameEditId);
    if (!edit) {
        if (HWND combo = GetDlgItem(dialog, fileNameComboId)) edit = findDescendant(combo, L"Edit");
    }
    if (!edit) edit = findDescendant(dialog, L"Edit");
    if (!edit) throw std::runtime_error("the open-file dialog has no file name box");
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(names.c_str()));
}

void pressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace qvl::drive
