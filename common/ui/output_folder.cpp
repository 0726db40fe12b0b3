#include "common/ui/output_folder.h"

#include <optional>

#include "common/automation/error_trap.h"

namespace qvl::ui {

void ChooseOutputFolder(platform::Services& services, Control& folderLabel) {
    automation::ErrorTrap trap;
    std::optional<platform::ChosenFolder> chosen;
    trap([&] { chosen = services.browseForFolder("请选择一个输出目录:"); });
    if (!chosen) return;
    if (!chosen->isFileSystemFolder || !services.folderExists(chosen->path)) return;
    std::string folder = chosen->path;
    if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    folderLabel.setCaption(folder);
}

void OpenOutputFolder(platform::Services& services, const Control& folderLabel) {
    automation::ErrorTrap trap;
    trap([&] { services.startProgram("explorer.exe " + folderLabel.caption()); });
}

}  // namespace qvl::ui
