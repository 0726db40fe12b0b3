#pragma once

#include "common/automation/object_factory.h"
#include "win32/automation/busy_retry.h"

namespace qvl::win32 {

// GetObject and CreateObject over COM: the running object of a class from the running object
// table, or a new one from its (local) server. Needs COM initialised on the thread; installs
// the message filter that waits for a busy server.
class ComObjectFactory : public automation::ObjectFactory {
public:
    ComObjectFactory() = default;
    ComObjectFactory(const ComObjectFactory&) = delete;
    ComObjectFactory& operator=(const ComObjectFactory&) = delete;
    // Lets go of the objects kept for reuse.
    ~ComObjectFactory() override;

    automation::Object getActiveObject(std::string_view className) override;
    automation::Object createObject(std::string_view className) override;

private:
    BusyMessageFilter filter_;
};

}  // namespace qvl::win32
