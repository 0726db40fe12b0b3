#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"
#include "sim/model/refusal.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

class ApplicationDispatch : public SimDispatch {
public:
    explicit ApplicationDispatch(Server& server) : SimDispatch("Application", server) {
        property("Visible", [this](Args) { return Variant(settings().visible); },
                 [this](const Variant& v) { settings().visible = v.toBool(); });
        property("DisplayFileAlerts", [this](Args) { return Variant(settings().displayFileAlerts); },
                 [this](const Variant& v) { settings().displayFileAlerts = v.toBool(); });
        property("RefreshDisplay", [this](Args) { return Variant(settings().refreshDisplay); },
                 [this](const Variant& v) { settings().refreshDisplay = v.toBool(); });
        property("StatusBar", [this](Args) { return Variant(session().statusBarText()); },
                 [this](const Variant& v) { settings().statusBar = v.toString(); });

        property("ActiveDocument", [this](Args) { return Variant(document(this->server(), activeDocument())); });
        property("ActiveWindow", [this](Args) { return Variant(window(this->server(), activeDocument())); });
        property("Documents", [this](Args) { return Variant(documents(this->server())); });
        property("Windows", [this](Args) { return Variant(windows(this->server())); });
        property("SettingControllers", [this](Args) { return Variant(settingControllers(this->server())); });

        method("StartCommand", [this](Args args) {
            session().startCommand(automation::argument(args, 0).toString());
            return Variant();
        });
    }

private:
    ApplicationSettings& settings() const { return session().settings(); }

    const std::shared_ptr<Document>& activeDocument() const {
        const auto& active = session().active();
        if (!active) throw Refusal("no document is open");
        return active;
    }
};

}  // namespace

Object application(Server& server) {
    return server.object(&server, "Application", [&] { return std::make_shared<ApplicationDispatch>(server); });
}

}  // namespace qvl::sim::objects
