#pragma once

#include <stdexcept>
#include <string>

namespace qvl::sim {

// CATIA refuses a request: a missing file, an unknown name, an index out of range. The reason
// is for the person reading a scenario's failure; an automation client sees only that the
// member it called failed.
class Refusal : public std::runtime_error {
public:
    explicit Refusal(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace qvl::sim
