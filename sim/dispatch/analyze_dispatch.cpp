#include <optional>

#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"
#include "sim/model/refusal.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// The physical analysis of a product, as its model carries it.
class AnalyzeDispatch : public SimDispatch {
public:
    AnalyzeDispatch(Server& server, Product& product)
        : SimDispatch("Analyze", server, product.document().shared_from_this()), product_(product) {
        property("Mass", [this](Args) { return value(&Analysis::mass, "mass"); });
        property("Volume", [this](Args) { return value(&Analysis::volume, "volume"); });
        property("WetArea", [this](Args) { return value(&Analysis::wetArea, "wet area"); });
    }

private:
    Variant value(std::optional<double> Analysis::*member, const char* what) const {
        const std::optional<double>& v = product_.properties().analysis.*member;
        if (!v) throw Refusal(product_.name() + " carries no " + what);
        return Variant(*v);
    }

    Product& product_;
};

}  // namespace

Object analyze(Server& server, Product& product) {
    return server.object(&product, "Analyze", [&] { return std::make_shared<AnalyzeDispatch>(server, product); });
}

}  // namespace qvl::sim::objects
