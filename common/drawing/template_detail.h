#pragma once

#include <string>
#include <string_view>

#include "common/automation/object.h"

namespace qvl::drawing {

// The sheets of the template drawing at `path`, read without a window (Documents.Read of
// `catia`, CATIA's application object). A failing call reaches the caller.
automation::Object TemplateSheets(const automation::Object& catia, const std::string& path);

// The detail `name` of a template: the view of that name on the detail sheet of that name. A
// failing call (no such sheet or view) reaches the caller.
automation::Object TemplateDetail(const automation::Object& sheets, const std::string& name);

// How a run names what is wrong with a template: "<template path>: <fault>", the fault one of
// these: the template cannot be read; it lacks the detail `name` of a kind ("图框", "技术要求");
// its frame does not hand out the title-block text `name` (missing, or not modifiable in
// instances).
std::string TemplateFault(const std::string& templatePath, const std::string& fault);
inline constexpr const char* unreadableTemplate = "无法读取";
std::string MissingTemplateDetail(const std::string& kind, const std::string& name);
std::string MissingTitleText(std::string_view name);

}  // namespace qvl::drawing
