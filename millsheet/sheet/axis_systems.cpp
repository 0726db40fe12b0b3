// The axis systems of the process document's parts: listed for the window's choice, found
// again for the views, and shown as a small axis symbol in a view.

#include <string>

#include "common/automation/error.h"
#include "common/automation/error_trap.h"
#include "millsheet/main_frm3.h"

namespace qvl::millsheet {

using automation::Error;
using automation::ErrorTrap;
using automation::Object;
using automation::Variant;

namespace {

// The axis systems of the part document behind a product.
Object axisSystemsOf(const Object& product) {
    return product.get("ReferenceProduct")
        .object()
        .get("Parent")
        .object()
        .get("Part")
        .object()
        .get("AxisSystems")
        .object();
}

long long childCount(const Object& product) { return product.get("Products").object().get("Count").toLong(); }

// Length of the symbol's legs and distance of its labels on paper, in mm.
constexpr double axisLegLength = 20;
constexpr double axisLabelOffset = -4;
constexpr int divisionByZero = 11;

}  // namespace

void MainFrm3::GetProdAxisList(const Object& product) {
    ErrorTrap trap;
    long long count = 0;
    trap([&] { count = childCount(product); });
    if (count != 0) {
        for (long long i = 1; i <= count; ++i) {
            Object child;
            if (trap([&] { child = product.get("Products").object().call("Item", {Variant(i)}).object(); })) {
                GetProdAxisList(child);
            }
        }
        return;
    }
    // A leaf: the axis systems of its part. A document without a part adds nothing.
    Object axisSystems;
    long long axisCount = 0;
    if (!trap([&] {
            axisSystems = axisSystemsOf(product);
            axisCount = axisSystems.get("Count").toLong();
        })) {
        return;
    }
    for (long long i = 1; i <= axisCount; ++i) {
        trap([&] {
            const std::string productName = product.get("Name").toString();
            const std::string axisName = axisSystems.call("Item", {Variant(i)}).object().get("Name").toString();
            AxisChoices.push_back(productName + "/" + axisName);
        });
    }
}

void MainFrm3::TargProd(const Object& product, const std::string& axisChoice) {
    const std::size_t slash = axisChoice.find('/');
    if (slash == std::string::npos) throw Error(automation::errc::invalidProcedureCall, "Invalid procedure call or argument");
    const std::string productName = axisChoice.substr(0, slash);
    const std::string axisName = axisChoice.substr(slash + 1);

    if (product.get("Name").toString() == productName) {
        TargetProduct = product;
        TargetAxisSystem = axisSystemsOf(product).call("Item", {Variant(axisName)}).object();
        return;
    }
    const long long count = childCount(product);
    for (long long i = 1; i <= count; ++i) {
        TargProd(product.get("Products").object().call("Item", {Variant(i)}).object(), axisChoice);
    }
}

void MainFrm3::MapAxis(const Object& view, const std::string& horizontalLabel, const std::string& verticalLabel,
                       double viewScale) {
    if (viewScale == 0) throw Error(divisionByZero, "Division by zero");
    // The symbol has the same size on paper whatever the view's scale.
    const double legLength = axisLegLength / viewScale;
    const double labelOffset = axisLabelOffset / viewScale;
    const Object factory = view.get("Factory2D").object();
    const Object texts = view.get("Texts").object();
    factory.call("CreateLine", {Variant(0.0), Variant(0.0), Variant(legLength), Variant(0.0)});
    texts.call("Add", {Variant(horizontalLabel), Variant(legLength), Variant(labelOffset)});
    factory.call("CreateLine", {Variant(0.0), Variant(0.0), Variant(0.0), Variant(legLength)});
    texts.call("Add", {Variant(verticalLabel), Variant(labelOffset), Variant(legLength)});
}

}  // namespace qvl::millsheet
