#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

class SettingControllersDispatch : public SimDispatch {
public:
    explicit SettingControllersDispatch(Server& server) : SimDispatch("SettingControllers", server) {
        method("Item", [this](Args args) {
            std::string name = automation::argument(args, 0).toString();
            return Variant(settingController(this->server(), session().settingController(name)));
        });
    }
};

// The controller of the cache settings ("CATSysCacheSettingCtrl"), the one controller of the
// simulated CATIA.
class CacheSettingDispatch : public SimDispatch {
public:
    CacheSettingDispatch(Server& server, SettingController& controller)
        : SimDispatch("CacheSettingAtt", server), controller_(controller) {
        property("ActivationMode", [this](Args) { return Variant(controller_.activationMode); },
                 [this](const Variant& v) { controller_.activationMode = v.toBool(); });
    }

private:
    SettingController& controller_;
};

}  // namespace

Object settingControllers(Server& server) {
    return server.object(&server, "SettingControllers",
                         [&] { return std::make_shared<SettingControllersDispatch>(server); });
}

Object settingController(Server& server, SettingController& controller) {
    return server.object(&controller, "CacheSettingAtt",
                         [&] { return std::make_shared<CacheSettingDispatch>(server, controller); });
}

}  // namespace qvl::sim::objects
