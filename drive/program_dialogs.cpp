#include "drive/program_dialogs.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "drive/message_box_icon.h"
#include "win32/base/wide_text.h"
#include "win32/base/window_texts.h"

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
    void read(void* into, std::size_t size) const { ReadProcessMemory(process_, address_, into, size, nullptr); }

private:
    HANDLE process_;
    void* address_ = nullptr;
};

}  // namespace

std::string windowTextOf(HWND window) { return win32::toUtf8(win32::windowText(window)); }

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
    view.flags |= messageBoxIconFlag(box);
    view.systemModalKnown = GetWindow(box, GW_OWNER) == nullptr;
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

namespace {

// Selects the shell item `item` in the folder browser, from outside its process: the browser
// takes the item's identifier list in its own memory.
void selectShellItem(HWND browser, HANDLE process, LPITEMIDLIST item) {
    RemoteCopy remote(process, item, ILGetSize(item));
    CoTaskMemFree(item);
    SendMessageW(browser, BFFM_SETSELECTIONW, FALSE, remote.address());
}

}  // namespace

namespace {

HTREEITEM nextItem(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The text of an item of a tree view in another process: asked for into that process's memory.
std::wstring treeItemText(HWND tree, HANDLE process, HTREEITEM item) {
    struct Request {
        TVITEMW item;
        wchar_t text[MAX_PATH];
    } request{};
    RemoteCopy remote(process, &request, sizeof request);
    request.item.mask = TVIF_TEXT;
    request.item.hItem = item;
    request.item.pszText = reinterpret_cast<wchar_t*>(remote.address() + offsetof(Request, text));
    request.item.cchTextMax = MAX_PATH;
    WriteProcessMemory(process, reinterpret_cast<void*>(remote.address()), &request, sizeof request, nullptr);
    SendMessageW(tree, TVM_GETITEMW, 0, remote.address());
    remote.read(&request, sizeof request);
    request.text[MAX_PATH - 1] = L'\0';
    return request.text;
}

// The first item below `parent` (among the open branches) whose text `matches`.
template <class Matches>
HTREEITEM findItem(HWND tree, HANDLE process, HTREEITEM parent, const Matches& matches, bool deep) {
    for (HTREEITEM child = nextItem(tree, parent, TVGN_CHILD); child; child = nextItem(tree, child, TVGN_NEXT)) {
        if (matches(treeItemText(tree, process, child))) return child;
        bool open = SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(child), TVIS_EXPANDED) & TVIS_EXPANDED;
        if (deep && open) {
            if (HTREEITEM found = findItem(tree, process, child, matches, deep)) return found;
        }
    }
    return nullptr;
}

}  // namespace

void chooseFolder(HWND browser, HANDLE process, const std::string& path) {
    // The shell opens the tree down to the folder's drive; from there the folders are opened
    // one by one by their names, as a person clicks through them.
    std::wstring wide = win32::toWide(path);
    LPITEMIDLIST folder = nullptr;
    if (wide.size() < 2 || wide[1] != L':' ||
        FAILED(SHParseDisplayName(wide.c_str(), nullptr, &folder, 0, nullptr))) {
        throw std::runtime_error("the shell knows no folder " + path);
    }
    selectShellItem(browser, process, folder);
    HWND tree = findDescendant(browser, L"SysTreeView32");
    std::wstring drive = L"(" + wide.substr(0, 2) + L")";
    HTREEITEM item = findItem(tree, process, TVI_ROOT, [&](const std::wstring& text) {
        return text.size() >= drive.size() && _wcsicmp(text.c_str() + text.size() - drive.size(), drive.c_str()) == 0;
    }, true);
    std::size_t at = 2;
    while (item && at < wide.size()) {
        std::size_t start = wide.find_first_not_of(L'\\', at);
        if (start == std::wstring::npos) break;
        std::size_t end = wide.find(L'\\', start);
        std::wstring name = wide.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        at = end == std::wstring::npos ? wide.size() : end;
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        item = findItem(tree, process, item, [&](const std::wstring& text) { return _wcsicmp(text.c_str(), name.c_str()) == 0; },
                        false);
    }
    if (!item) throw std::runtime_error("the folder browser shows no folder " + path);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

void chooseVirtualFolder(HWND browser, HANDLE process) {
    LPITEMIDLIST computer = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer))) {
        throw std::runtime_error("the shell has no folder Computer");
    }
    selectShellItem(browser, process, computer);
}

std::string fileDialogFilter(HWND dialog) {
    // The file type box is the combo box that is not the file name box.
    HWND nameBox = GetDlgItem(dialog, fileNameComboId);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == nameBox || _wcsicmp(classOf(child).c_str(), L"ComboBox") != 0) continue;
        LRESULT index = SendMessageW(child, CB_GETCURSEL, 0, 0);
        if (index < 0) continue;
        return win32::toUtf8(win32::itemText(child, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<int>(index)));
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
