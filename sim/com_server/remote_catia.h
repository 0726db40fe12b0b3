#pragma once

#include <functional>
#include <memory>

#include "sim/catia_machine.h"
#include "sim/com_server/catia_process.h"
#include "win32/automation/com_object_factory.h"

namespace qvl::simcatia {

// The machine's CATIA as the simulated CATIA in a process of its own: the programs reach it
// through the COM client; the scenario sets it up through control requests. CATIA's dialogs
// answer window messages in that process as well, on this machine's clock.
class RemoteCatia : public sim::CatiaMachine, private winmsg::WindowMessages {
public:
    explicit RemoteCatia(CatiaProcess& process);
    ~RemoteCatia() override;

    automation::ObjectFactory& factory() override { return factory_; }

    void setAvailability(sim::Availability availability) override;
    void setLanguage(sim::Language language) override;
    void setStatusBar(std::string text) override;
    void setDisplayFileAlerts(bool on) override;
    void open(const std::string& windowsPath) override;
    void newDocument(sim::NewDocumentKind kind) override;
    void activate(const std::string& documentName) override;
    void queuePick(sim::PickAnswer answer) override;
    void failCall(const std::string& typeName, const std::string& member, int n = 1) override;
    void failEverything() override;
    void crashAt(const std::string& typeName, const std::string& member, int n = 1) override;
    void busyAt(const std::string& typeName, const std::string& member, double seconds, int n = 1) override;
    void actDuring(const std::string& typeName, const std::string& member, int n, int action) override;
    std::vector<int> takeDueActions() override;
    winmsg::WindowMessages& windowMessages() override { return *this; }
    void setClock(std::function<double()> clock) override { clock_ = std::move(clock); }
    void setDialogDelay(double seconds) override;
    platform::Json dumpCatia() const override;
    std::optional<platform::Json> dumpDocument(const std::string& nameOrActive) const override;

private:
    // A CATIA whose process has ended (it crashed) takes no more requests: platform::ScriptFault.
    platform::Json send(const char* op, platform::Json request = platform::Json::object()) const;

    winmsg::WindowHandle findWindow(const std::optional<std::string>& className,
                                    const std::optional<std::string>& windowText) override;
    winmsg::WindowHandle findWindowEx(winmsg::WindowHandle parent, winmsg::WindowHandle childAfter,
                                      const std::optional<std::string>& className,
                                      const std::optional<std::string>& windowText) override;
    winmsg::LResult sendMessage(winmsg::WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                                winmsg::LParam lParam) override;
    winmsg::LResult sendTextMessage(winmsg::WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                                    std::string& buffer) override;
    winmsg::LResult sendRectMessage(winmsg::WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                                    winmsg::Rect& rect) override;

    CatiaProcess& process_;
    win32::ComObjectFactory factory_;
    std::function<double()> clock_ = [] { return 0.0; };
};

}  // namespace qvl::simcatia
