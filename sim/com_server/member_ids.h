#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace qvl::simcatia {

// The server's member ids: one id per member name (compared without regard to letter case),
// the same on every type, handed out as clients ask for names. Whether the member exists is
// the object's to say when it is called.
DISPID memberId(std::string_view name);
std::optional<std::string> memberName(DISPID id);

}  // namespace qvl::simcatia
