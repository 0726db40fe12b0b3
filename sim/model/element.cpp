#include "sim/model/element.h"

#include "sim/model/process/process_activity.h"

namespace qvl::sim {
namespace {

struct TypeNameOf {
    std::string operator()(Product*) const { return "Product"; }
    std::string operator()(Part*) const { return "Part"; }
    std::string operator()(Body*) const { return "Body"; }
    std::string operator()(AxisSystem*) const { return "AxisSystem"; }
    std::string operator()(const std::shared_ptr<DrawingSheet>&) const { return "DrawingSheet"; }
    std::string operator()(const std::shared_ptr<DrawingView>&) const { return "DrawingView"; }
    std::string operator()(const std::shared_ptr<DrawingText>&) const { return "DrawingText"; }
    std::string operator()(const std::shared_ptr<DrawingComponent>&) const { return "DrawingComponent"; }
    std::string operator()(const ProcessActivity* activity) const { return activity->typeName(); }
};

}  // namespace

std::string Element::typeName() const { return std::visit(TypeNameOf{}, target); }

}  // namespace qvl::sim
