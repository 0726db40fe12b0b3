#pragma once

// The automation factory through which the Windows programs reach CATIA: the COM client when
// it is part of the build, otherwise the stand-in that reaches no CATIA.
#if __has_include("win32/automation/com_object_factory.h")
#include "win32/automation/com_object_factory.h"
namespace qvl::apps {
using CatiaFactory = win32::ComObjectFactory;
}  // namespace qvl::apps
#else
#include "apps/windows/no_catia_factory.h"
namespace qvl::apps {
using CatiaFactory = NoCatiaFactory;
}  // namespace qvl::apps
#endif
