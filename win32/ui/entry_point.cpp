// The Unicode entry point of a GUI program (linked with -municode). Compiled into each
// executable itself, since the C runtime's start-up looks for it after the program's libraries.
#include <windows.h>

#include "win32/ui/entry_point.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return qvl::win32::programMain(); }
