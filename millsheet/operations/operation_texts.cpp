#include "millsheet/operations/operation_texts.h"

#include <algorithm>
#include <array>

#include "common/text/vb_number.h"

namespace qvl::millsheet {
namespace {

constexpr std::array<std::string_view, 7> excludedOperationTypes{
    "ToolChange",       "ToolChangeLathe", "TableHeadRotation", "CoordinateSystem",
    "PPInstruction",    "MfgTracutOperation", "MfgTracutEnd"};

}  // namespace

bool IsExcludedOperationType(std::string_view operationType) {
    return std::find(excludedOperationTypes.begin(), excludedOperationTypes.end(), operationType) !=
           excludedOperationTypes.end();
}

std::string DiameterAttributeName(std::string_view toolType) {
    return toolType == "MfgAPTTool" ? "MFG_APT_DIAMETER" : "MFG_NOMINAL_DIAM";
}

std::string NumberText(std::string_view attributeText) { return text::cstr(text::val(attributeText)); }

std::string DiameterRadiusText(const std::optional<std::string>& diameter, const std::optional<std::string>& radius) {
    const std::string diameterText = diameter ? "D" + NumberText(*diameter) : "??";
    const std::string radiusText = radius ? "R" + NumberText(*radius) : "";
    return diameterText + "/" + radiusText;
}

std::string LengthsText(const std::optional<std::string>& cuttingLength, const std::optional<std::string>& gauge) {
    return (cuttingLength ? NumberText(*cuttingLength) : "") + "//" + gauge.value_or("");
}

std::string MachiningTimeText(double totalTime) { return text::formatFixed(text::roundHalfEven(totalTime, 2), 2); }

std::string TimeSumText(double sum) { return text::cstr(sum); }

}  // namespace qvl::millsheet
