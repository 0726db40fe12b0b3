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

protected:
    Document& document() const { return *owner(); }
};

}  // namespace qvl::sim
