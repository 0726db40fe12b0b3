#include "common/drawing/template_detail.h"

#include "common/automation/variant.h"

namespace qvl::drawing {

using automation::Object;
using automation::Variant;

Object TemplateSheets(const Object& catia, const std::string& path) {
    return catia.get("Documents").object().call("Read", {Variant(path)}).object().get("Sheets").object();
}

Object TemplateDetail(const Object& sheets, const std::string& name) {
    return sheets.call("Item", {Variant(name)}).object().get("Views").object().call("Item", {Variant(name)}).object();
}

std::string TemplateFault(const std::string& templatePath, const std::string& fault) {
    return templatePath + ": " + fault;
}

std::string MissingTemplateDetail(const std::string& kind, const std::string& name) {
    return "缺少" + kind + " " + name;
}

std::string MissingTitleText(std::string_view name) { return "缺少可在实例中修改的标题栏文字 " + std::string(name); }

}  // namespace qvl::drawing
