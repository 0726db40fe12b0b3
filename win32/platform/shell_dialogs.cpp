#include "win32/platform/shell_dialogs.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <memory>

#include "common/automation/error.h"

namespace qvl::win32 {
namespace {

// Owns one reference of a COM interface.
struct ReleaseInterface {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using InterfacePtr = std::unique_ptr<Interface, ReleaseInterface>;

struct FreeTaskMemory {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
using ShellText = std::unique_ptr<wchar_t, FreeTaskMemory>;
using ItemIdList = std::unique_ptr<ITEMIDLIST, FreeTaskMemory>;

void check(HRESULT result, const char* what) {
    if (FAILED(result)) throw automation::Error(5, std::string("Invalid procedure call or argument: ") + what);
}

}  // namespace

std::optional<BrowsedFolder> browseForFolder(HWND owner, const std::wstring& title) {
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_NEWDIALOGSTYLE;
    ItemIdList chosen(SHBrowseForFolderW(&info));
    if (!chosen) return std::nullopt;
    std::wstring path(32768, L'\0');
    if (!SHGetPathFromIDListEx(chosen.get(), path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT) ||
        path[0] == L'\0') {
        return BrowsedFolder{L"", false};
    }
    path.resize(path.find(L'\0'));
    return BrowsedFolder{path, true};
}

std::optional<std::vector<std::wstring>> openFiles(HWND owner, const std::wstring& filterDescription,
                                                   const std::wstring& filterPatterns) {
    IFileOpenDialog* created = nullptr;
    check(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                           reinterpret_cast<void**>(&created)),
          "the open-file dialog");
    InterfacePtr<IFileOpenDialog> dialog(created);

    // The file type list names the filter with its patterns, as Office's file dialogs show it:
    // "CATIA数模文件 (*.CATPart;*.CATProduct)".
    std::wstring filterName = filterDescription + L" (" + filterPatterns + L")";
    COMDLG_FILTERSPEC filter{filterName.c_str(), filterPatterns.c_str()};
    check(dialog->SetFileTypes(1, &filter), "the file filter");
    FILEOPENDIALOGOPTIONS options = 0;
    check(dialog->GetOptions(&options), "the dialog's options");
    check(dialog->SetOptions(options | FOS_ALLOWMULTISELECT | FOS_FILEMUSTEXIST | FOS_FORCEFILESYSTEM),
          "the dialog's options");
    HRESULT shown = dialog->Show(owner);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return std::nullopt;
    check(shown, "the open-file dialog");

    IShellItemArray* chosenItems = nullptr;
    check(dialog->GetResults(&chosenItems), "the chosen files");
    InterfacePtr<IShellItemArray> items(chosenItems);
    DWORD count = 0;
    check(items->GetCount(&count), "the chosen files");
    std::vector<std::wstring> paths;
    for (DWORD i = 0; i < count; ++i) {
        IShellItem* chosenItem = nullptr;
        check(items->GetItemAt(i, &chosenItem), "a chosen file");
        InterfacePtr<IShellItem> item(chosenItem);
        wchar_t* name = nullptr;
        check(item->GetDisplayName(SIGDN_FILESYSPATH, &name), "a chosen file's path");
        ShellText owned(name);
        paths.emplace_back(owned.get());
    }
    return paths;
}

}  // namespace qvl::win32
