#include "sim/dispatch/server.h"

namespace qvl::sim {

Server::Server(platform::VirtualDisk& disk, platform::Transcript& transcript) : session_(disk, transcript) {}

void Server::crash() {
    gone_ = true;
    crashed_ = true;
    if (crashHandler_) crashHandler_();
}

automation::Object Server::object(const void* target, std::string_view typeName, const Maker& make) {
    auto key = std::make_pair(target, std::string(typeName));
    if (auto found = objects_.find(key); found != objects_.end()) {
        if (auto alive = found->second.lock()) return automation::Object(alive);
    }
    std::erase_if(objects_, [](const auto& entry) { return entry.second.expired(); });
    std::shared_ptr<automation::Dispatch> made = make();
    objects_[key] = made;
    return automation::Object(made);
}

}  // namespace qvl::sim
