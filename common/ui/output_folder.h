#pragma once

#include "common/platform/services.h"
#include "common/ui/control.h"

namespace qvl::ui {

// The output folder of the drawing programs, held as the caption of a label.

// Lets the user choose the folder in the shell's folder browser. A cancelled browser, a virtual
// shell folder or a folder that does not exist leave the output folder as it was. The folder is
// named as the file system names it: without a trailing backslash, a drive's root with one.
void ChooseOutputFolder(platform::Services& services, Control& folderLabel);

// Opens the folder in Explorer ("explorer.exe " and the folder, unquoted); a failure is silent.
void OpenOutputFolder(platform::Services& services, const Control& folderLabel);

}  // namespace qvl::ui
