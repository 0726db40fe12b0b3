#pragma once

#include <string>

#include "common/winmsg/window_messages.h"

namespace qvl::orderloom {

// Working the controls of another program's dialog by window messages, as a person would.

// The text of a list box item; "" for an index the list does not
// hold.
std::string GetListItemText(winmsg::WindowMessages& windows, winmsg::WindowHandle hWnd, int index);

// Presses a button `times` times; a count below 1 presses nothing.
void ClickButton(winmsg::WindowMessages& windows, winmsg::WindowHandle hWnd, int times);

// Clicks the middle of the item's row in the list (the left button goes down and up there).
// Only an item in the visible part of the list can be hit.
void ClickListItem(winmsg::WindowMessages& windows, winmsg::WindowHandle itemList, int index);

}  // namespace qvl::orderloom
