#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// An axis system of a part. GetOrigin and Get?Axis fill their by-reference argument with the
// three coordinates, as CATIA fills a VB array.
class AxisSystemDispatch : public SimDispatch {
public:
    AxisSystemDispatch(Server& server, Document& partDocument, AxisSystem& target)
        : SimDispatch("AxisSystem", server, partDocument.shared_from_this()), axis_(target) {
        property("Name", [this](Args) { return Variant(axis_.name); });
        property("Parent", [this](Args) { return Variant(axisSystems(this->server(), *owner())); });
        method("GetOrigin", [this](Args args) { return fill(args, axis_.origin); });
        method("GetXAxis", [this](Args args) { return fill(args, axis_.x); });
        method("GetYAxis", [this](Args args) { return fill(args, axis_.y); });
        method("GetZAxis", [this](Args args) { return fill(args, axis_.z); });
    }

    std::optional<Element> element() const override { return Element{owner(), &axis_}; }

private:
    static Variant fill(Args args, const Vec3& v) {
        automation::argument(args, 0);
        fillOutArray(args[0], {v.x, v.y, v.z});
        return Variant();
    }

    AxisSystem& axis_;
};

}  // namespace

Object axisSystem(Server& server, Document& partDocument, AxisSystem& axisSystem) {
    return server.object(&axisSystem, "AxisSystem",
                         [&] { return std::make_shared<AxisSystemDispatch>(server, partDocument, axisSystem); });
}

}  // namespace qvl::sim::objects
