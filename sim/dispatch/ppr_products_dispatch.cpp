#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"
#include "sim/model/refusal.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// The products that a process works on, in the order the process lists them: the root
// products of their documents.
class PprProductsDispatch : public SimDispatch {
public:
    PprProductsDispatch(Server& server, DocumentPtr process) : SimDispatch("PPRProducts", server, std::move(process)) {
        property("Count", [this](Args) { return countOf(list().size()); });
        method("Item", [this](Args args) {
            const auto& products = list();
            std::size_t i = itemPosition(
                products.size(), argument(args, 0),
                [&](std::size_t at, const std::string& name) {
                    return products[at].document && products[at].document->product().name() == name;
                },
                "PPRProducts");
            const ProcessProduct& chosen = products[i];
            if (!chosen.document) {
                throw Refusal("the product " + chosen.file + " of the process is not loaded: " + chosen.unresolvedReason);
            }
            return Variant(product(this->server(), chosen.document->product()));
        });
        property("Parent", [this](Args) { return Variant(pprDocument(this->server(), owner())); });
    }

private:
    const std::vector<ProcessProduct>& list() const { return owner()->process().products; }
};

}  // namespace

Object pprProducts(Server& server, const DocumentPtr& process) {
    return server.object(&process->process().products, "PPRProducts",
                         [&] { return std::make_shared<PprProductsDispatch>(server, process); });
}

}  // namespace qvl::sim::objects
