#pragma once

#include <string>
#include <vector>

namespace qvl::sim {

// Whether CATIA runs on the machine, can be started, or cannot be had at all.
enum class Availability { Running, Startable, Absent };
enum class Language { English, Chinese };
enum class NewDocumentKind { Part, Product, Drawing };

// How the person ends the next interactive selection in CATIA.
struct PickAnswer {
    enum class Kind { Normal, Cancel, Undo, Redo } kind = Kind::Normal;
    // Objects selected: paths from the active document's root joined by '/', or prefixed by an
    // open document's file name and ':' ("Assy.CATProduct:Assy/Bracket.1").
    std::vector<std::string> paths;
};

}  // namespace qvl::sim
