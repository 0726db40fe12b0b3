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

}  // namespace qvl::drawing
