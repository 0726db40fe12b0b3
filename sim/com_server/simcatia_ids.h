#pragma once

#include <windows.h>

namespace qvl::simcatia {

// The class that the simulated CATIA serves, registered with the ProgID "CATIA.Application"
// (register.sh writes the same value).
// {FC523828-89FA-462F-81D0-46E298DE133D}
inline constexpr CLSID applicationClassId = {
    0xFC523828, 0x89FA, 0x462F, {0x81, 0xD0, 0x46, 0xE2, 0x98, 0xDE, 0x13, 0x3D}};
inline constexpr const wchar_t* applicationClassKey = L"{FC523828-89FA-462F-81D0-46E298DE133D}";

// The interface through which the server recognises its own objects when a client hands them
// back as arguments; it never leaves the process.
// {963A3912-8FD6-4C01-94F8-4C80F83867ED}
inline constexpr IID ownObjectInterfaceId = {
    0x963A3912, 0x8FD6, 0x4C01, {0x94, 0xF8, 0x4C, 0x80, 0xF8, 0x38, 0x67, 0xED}};

}  // namespace qvl::simcatia
