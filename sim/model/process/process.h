#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/model/process/process_activity.h"

namespace qvl::sim {

class Document;

// A product that a process document works on: the file it names (relative to the process, or
// absolute) and the document loaded from it, or why that could not be loaded.
struct ProcessProduct {
    std::string file;
    std::shared_ptr<Document> document;
    std::string unresolvedReason;
};

// What a process document holds: the products it machines, in order, and its process tree,
// whose root is the process itself (a process activity).
struct Process {
    std::vector<ProcessProduct> products;
    std::unique_ptr<ProcessActivity> root;
};

}  // namespace qvl::sim
