#pragma once

#include <string>

namespace qvl::catia {

// The three programs of the toolbox. Each carries the connection module; the copies differ
// in a few points that the module decides by this value.
enum class Program { Planwright, Millsheet, Orderloom };

// The caption of a message box that names no caption of its own.
std::string programTitle(Program program);

// The caption of the connection module's own messages.
inline constexpr const char* catiaToolboxCaption = "Quorvel工具箱CATIA版";

}  // namespace qvl::catia
