#pragma once

#include <cstdint>

namespace qvl::win32 {

// What the COM client has done in this process: the automation calls the programs made, and
// the calls on other processes' objects that served them, by kind.
struct CallCounts {
    std::int64_t automationCalls = 0;
    std::int64_t invoke = 0;
    std::int64_t getIDsOfNames = 0;
    std::int64_t getTypeInfo = 0;
    std::int64_t getDocumentation = 0;
    std::int64_t queryInterface = 0;
    // QueryInterface for IUnknown, to learn an object's identity: the proxy of an object of
    // another process answers it itself, so it does not cross.
    std::int64_t identityQueries = 0;
    // Automation objects of the client alive now.
    std::int64_t objectsAlive = 0;

    std::int64_t crossProcessCalls() const {
        return invoke + getIDsOfNames + getTypeInfo + getDocumentation + queryInterface;
    }
};

// The counts of this process.
CallCounts& callCounts();

}  // namespace qvl::win32
