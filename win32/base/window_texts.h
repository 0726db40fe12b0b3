#pragma once

#include <windows.h>

#include <string>

namespace qvl::win32 {

// A window's text and the text of an item of its list (LB_GETTEXTLEN/LB_GETTEXT or
// CB_GETLBTEXTLEN/CB_GETLBTEXT), asked by message, so that they can be read from windows of
// other processes too: there GetWindowText gives only a caption, never an edit box's content.
std::wstring windowText(HWND window);
std::wstring itemText(HWND window, UINT lengthMessage, UINT textMessage, int index);

}  // namespace qvl::win32
