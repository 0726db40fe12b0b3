#pragma once

#include <string>

#include "common/automation/object.h"

namespace qvl::drawing {

// The sheets of the template drawing at `path`, read without a window (Documents.Read of
// `catia`, CATIA's application object). A failing call reaches the caller.
automation::Object TemplateSheets(const automation::Object& catia, const std::string& path);

// The detail `name` of a template: the view of that name on the detail sheet of that name. A
// failing call (no such sheet or view) reaches the caller.
automation::Object TemplateDetail(const automation::Object& sheets, const std::string& name);

}  // namespace qvl::drawing
