#pragma once

#include <stdexcept>
#include <string>

namespace qvl::platform {

// A fault of a headless run's script rather than of the program: the scripted person was asked
// something the script did not foresee, or a scripted answer names nothing. No error trap of
// the program catches it; the scenario runner reports it with the script's line.
class ScriptFault : public std::logic_error {
public:
    explicit ScriptFault(const std::string& reason) : std::logic_error(reason) {}
};

class UnansweredQuestion : public ScriptFault {
public:
    explicit UnansweredQuestion(const std::string& question) : ScriptFault("no answer queued for " + question) {}
};

}  // namespace qvl::platform
