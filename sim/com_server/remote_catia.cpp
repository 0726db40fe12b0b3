#include "sim/com_server/remote_catia.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <vector>

#include "headless/script_fault.h"
#include "win32/automation/com_dispatch.h"

namespace qvl::simcatia {

using platform::Json;

namespace {

// Window texts cross as bytes of the system's code page: as numbers, not JSON text.
Json optionalText(const std::optional<std::string>& text) {
    if (!text) return Json(nullptr);
    return Json(std::vector<unsigned char>(text->begin(), text->end()));
}

}  // namespace

RemoteCatia::RemoteCatia(CatiaProcess& process) : process_(process) {
    // A call that failed because the scenario named nothing stops the run as its script's fault.
    // A CATIA that crashed in the call has nothing to hand.
    win32::setFailedCallObserver([this] {
        if (process_.hasEnded()) return;
        std::string fault;
        try {
            fault = send("scriptfault").get<std::string>();
        } catch (const platform::ScriptFault&) {
            if (process_.hasEnded()) return;
            throw;
        }
        if (!fault.empty()) throw platform::ScriptFault(fault);
    });
}

RemoteCatia::~RemoteCatia() { win32::setFailedCallObserver({}); }

Json RemoteCatia::send(const char* op, Json request) const {
    const char* crashed = "CATIA has crashed: there is no CATIA to set up or inspect";
    if (process_.hasEnded()) throw platform::ScriptFault(crashed);
    request["op"] = op;
    request["clock"] = clock_();
    try {
        return process_.request(request);
    } catch (const std::runtime_error&) {
        // The process ended while the request went out: it crashed in a call just made.
        if (process_.hasEnded(std::chrono::seconds(5))) throw platform::ScriptFault(crashed);
        throw;
    }
}

void RemoteCatia::setAvailability(sim::Availability availability) {
    const char* names[] = {"running", "startable", "absent"};
    send("availability", {{"value", names[static_cast<int>(availability)]}});
}

void RemoteCatia::setLanguage(sim::Language language) {
    send("language", {{"value", language == sim::Language::Chinese ? "chinese" : "english"}});
}

void RemoteCatia::setStatusBar(std::string text) { send("statusbar", {{"value", std::move(text)}}); }

void RemoteCatia::setDisplayFileAlerts(bool on) { send("alerts", {{"value", on}}); }

void RemoteCatia::open(const std::string& windowsPath) { send("open", {{"path", windowsPath}}); }

void RemoteCatia::newDocument(sim::NewDocumentKind kind) {
    const char* names[] = {"part", "product", "drawing"};
    send("new", {{"kind", names[static_cast<int>(kind)]}});
}

void RemoteCatia::activate(const std::string& documentName) { send("activate", {{"name", documentName}}); }

void RemoteCatia::queuePick(sim::PickAnswer answer) {
    const char* kinds[] = {"normal", "cancel", "undo", "redo"};
    send("pick", {{"kind", kinds[static_cast<int>(answer.kind)]}, {"paths", answer.paths}});
}

void RemoteCatia::failCall(const std::string& typeName, const std::string& member, int n) {
    send("fail", {{"type", typeName}, {"member", member}, {"n", n}});
}

void RemoteCatia::failEverything() { send("failall"); }

void RemoteCatia::crashAt(const std::string& typeName, const std::string& member, int n) {
    send("crashat", {{"type", typeName}, {"member", member}, {"n", n}});
}

void RemoteCatia::busyAt(const std::string& typeName, const std::string& member, double seconds, int n) {
    send("busyat", {{"type", typeName}, {"member", member}, {"seconds", seconds}, {"n", n}});
}

void RemoteCatia::actDuring(const std::string& typeName, const std::string& member, int n, int action) {
    send("actduring", {{"type", typeName}, {"member", member}, {"n", n}, {"action", action}});
}

std::vector<int> RemoteCatia::takeDueActions() {
    // A CATIA that has crashed made no more calls.
    if (process_.hasEnded()) return {};
    return send("due").get<std::vector<int>>();
}

void RemoteCatia::setDialogDelay(double seconds) { send("dialogdelay", {{"seconds", seconds}}); }

Json RemoteCatia::dumpCatia() const { return send("dumpcatia"); }

std::optional<Json> RemoteCatia::dumpDocument(const std::string& nameOrActive) const {
    Json document = send("dumpdocument", {{"name", nameOrActive}});
    if (document.is_null()) return std::nullopt;
    return document;
}

winmsg::WindowHandle RemoteCatia::findWindow(const std::optional<std::string>& className,
                                             const std::optional<std::string>& windowText) {
    return send("findwindow", {{"class", optionalText(className)}, {"text", optionalText(windowText)}})
        .get<winmsg::WindowHandle>();
}

winmsg::WindowHandle RemoteCatia::findWindowEx(winmsg::WindowHandle parent, winmsg::WindowHandle childAfter,
                                               const std::optional<std::string>& className,
                                               const std::optional<std::string>& windowText) {
    return send("findwindowex", {{"parent", parent},
                                 {"after", childAfter},
                                 {"class", optionalText(className)},
                                 {"text", optionalText(windowText)}})
        .get<winmsg::WindowHandle>();
}

winmsg::LResult RemoteCatia::sendMessage(winmsg::WindowHandle window, winmsg::MessageId message,
                                         winmsg::WParam wParam, winmsg::LParam lParam) {
    return send("send", {{"window", window}, {"message", message}, {"wparam", wParam}, {"lparam", lParam}})
        .get<winmsg::LResult>();
}

winmsg::LResult RemoteCatia::sendTextMessage(winmsg::WindowHandle window, winmsg::MessageId message,
                                             winmsg::WParam wParam, std::string& buffer) {
    Json answer = send("sendtext", {{"window", window}, {"message", message}, {"wparam", wParam},
                                    {"size", buffer.size()}});
    auto written = answer.at("bytes").get<std::vector<unsigned char>>();
    auto result = answer.at("result").get<winmsg::LResult>();
    std::size_t count = result > 0 ? std::min({static_cast<std::size_t>(result), written.size(), buffer.size()}) : 0;
    std::copy(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(count), buffer.begin());
    return result;
}

winmsg::LResult RemoteCatia::sendRectMessage(winmsg::WindowHandle window, winmsg::MessageId message,
                                             winmsg::WParam wParam, winmsg::Rect& rect) {
    Json answer = send("sendrect", {{"window", window}, {"message", message}, {"wparam", wParam}});
    const Json& r = answer.at("rect");
    rect = winmsg::Rect{r.at(0).get<std::int32_t>(), r.at(1).get<std::int32_t>(), r.at(2).get<std::int32_t>(),
                        r.at(3).get<std::int32_t>()};
    return answer.at("result").get<winmsg::LResult>();
}

}  // namespace qvl::simcatia
