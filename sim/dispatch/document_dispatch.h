#pragma once

#include <memory>
#include <string>

#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim {

// The members that documents of every kind share: Name, FullName, Path, Selection, Activate,
// Close.
class DocumentDispatch : public SimDispatch {
public:
    DocumentDispatch(std::string typeName, Server& server, std::shared_ptr<Document> document);

    const std::shared_ptr<Document>& documentPointer() const { return owner(); }

protected:
    Document& document() const { return *owner(); }
};

// The document behind an automation object of the simulated CATIA; null for any other object.
std::shared_ptr<Document> documentOf(const automation::Object& object);

}  // namespace qvl::sim
