#pragma once

namespace qvl::win32 {

// The program's own main, called by the Windows entry point (wWinMain, entry_point.cpp) that
// every executable is built with; each executable defines it once. Returns the exit code.
int programMain();

}  // namespace qvl::win32
