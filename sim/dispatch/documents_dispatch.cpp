#include "common/platform/windows_path.h"
#include "common/text/utf8.h"
#include "sim/dispatch/arguments.h"
#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"
#include "sim/model/refusal.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

DocumentKind kindToAdd(const std::string& name) {
    for (DocumentKind kind : {DocumentKind::Part, DocumentKind::Product, DocumentKind::Drawing}) {
        if (text::compareTextIgnoreCase(name, kindName(kind)) == 0) return kind;
    }
    throw Refusal("CATIA makes no new document of the kind " + name);
}

class DocumentsDispatch : public SimDispatch {
public:
    explicit DocumentsDispatch(Server& server) : SimDispatch("Documents", server) {
        property("Count", [this](Args) { return countOf(session().openDocuments().size()); });
        method("Item", [this](Args args) {
            const auto& open = session().openDocuments();
            std::size_t i = itemPosition(
                open.size(), automation::argument(args, 0),
                [&](std::size_t at, const std::string& name) { return platform::samePath(open[at]->name(), name); },
                "Documents");
            return Variant(document(this->server(), open[i]));
        });
        method("Open", [this](Args args) {
            return Variant(document(this->server(), session().open(automation::argument(args, 0).toString())));
        });
        // NewFrom(path): a new document that starts as a copy of the file.
        method("NewFrom", [this](Args args) {
            return Variant(document(this->server(), session().newFrom(automation::argument(args, 0).toString())));
        });
        // Read(path): the file loaded without a window.
        method("Read", [this](Args args) {
            return Variant(document(this->server(), session().read(automation::argument(args, 0).toString())));
        });
        method("Add", [this](Args args) {
            return Variant(document(this->server(), session().add(kindToAdd(automation::argument(args, 0).toString()))));
        });
    }
};

}  // namespace

Object documents(Server& server) {
    return server.object(&server, "Documents", [&] { return std::make_shared<DocumentsDispatch>(server); });
}

}  // namespace qvl::sim::objects
