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

class SettingControllerDispatch : public SimDispatch {
public:
    SettingControllerDispatch(Server& server, SettingController& controller)
        : SimDispatch("SettingController", server), controller_(controller) {
        property("ActivationMode", [this](Args) { return Variant(controller_.activationMode); },
                 [this](const Variant& v) { controller_.activationMode = v.toLong(); });
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
    return server.object(&controller, "SettingController",
                         [&] { return std::make_shared<SettingControllerDispatch>(server, controller); });
}

}  // namespace qvl::sim::objects
