#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace qvl::win32 {

// VB's input box: the prompt, a text field with the default text selected, OK and Cancel.
// The typed text on OK (possibly empty), nothing on Cancel, Esc or the close box.
std::optional<std::wstring> showInputBox(HWND owner, const std::wstring& prompt, const std::wstring& caption,
                                         const std::wstring& defaultText);

}  // namespace qvl::win32
