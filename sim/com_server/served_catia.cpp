#include "sim/com_server/served_catia.h"

#include <chrono>
#include <utility>

#include "common/automation/error.h"
#include "headless/script_fault.h"
#include "sim/com_server/com_object.h"
#include "sim/com_server/person_action_post.h"
#include "sim/com_server/server_calls.h"
#include "sim/com_server/simcatia_ids.h"
#include "win32/base/com_ptr.h"
#include "win32/base/com_unowned_object.h"

namespace qvl::simcatia {

using platform::Json;

namespace {

class ApplicationFactory final : public win32::UnownedComObject<IClassFactory, IID_IClassFactory> {
public:
    explicit ApplicationFactory(ServedCatia& catia) : catia_(catia) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return catia_.createApplication(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) serverState().holdProcess();
        else serverState().releaseProcess();
        return S_OK;
    }

private:
    ServedCatia& catia_;
};

sim::Availability availabilityOf(const std::string& text) {
    if (text == "running") return sim::Availability::Running;
    if (text == "startable") return sim::Availability::Startable;
    if (text == "absent") return sim::Availability::Absent;
    throw platform::ScriptFault("unknown availability: " + text);
}

sim::NewDocumentKind documentKindOf(const std::string& text) {
    if (text == "part") return sim::NewDocumentKind::Part;
    if (text == "product") return sim::NewDocumentKind::Product;
    if (text == "drawing") return sim::NewDocumentKind::Drawing;
    throw platform::ScriptFault("unknown document kind: " + text);
}

sim::PickAnswer pickOf(const Json& request) {
    sim::PickAnswer answer;
    const std::string kind = request.at("kind").get<std::string>();
    if (kind == "cancel") answer.kind = sim::PickAnswer::Kind::Cancel;
    else if (kind == "undo") answer.kind = sim::PickAnswer::Kind::Undo;
    else if (kind == "redo") answer.kind = sim::PickAnswer::Kind::Redo;
    answer.paths = request.at("paths").get<std::vector<std::string>>();
    return answer;
}

// Window texts cross as bytes of the system's code page.
std::optional<std::string> optionalText(const Json& value) {
    if (value.is_null()) return std::nullopt;
    auto bytes = value.get<std::vector<unsigned char>>();
    return std::string(bytes.begin(), bytes.end());
}

Json windowMessage(winmsg::WindowMessages& windows, const std::string& op, const Json& request) {
    auto number = [&](const char* key) { return request.at(key); };
    if (op == "findwindow") {
        return windows.findWindow(optionalText(request.at("class")), optionalText(request.at("text")));
    }
    if (op == "findwindowex") {
        return windows.findWindowEx(number("parent").get<winmsg::WindowHandle>(),
                                    number("after").get<winmsg::WindowHandle>(), optionalText(request.at("class")),
                                    optionalText(request.at("text")));
    }
    const auto window = number("window").get<winmsg::WindowHandle>();
    const auto message = number("message").get<winmsg::MessageId>();
    const auto wParam = number("wparam").get<winmsg::WParam>();
    if (op == "send") return windows.sendMessage(window, message, wParam, number("lparam").get<winmsg::LParam>());
    Json answer = Json::object();
    if (op == "sendtext") {
        std::string buffer(number("size").get<std::size_t>(), '\0');
        answer["result"] = windows.sendTextMessage(window, message, wParam, buffer);
        answer["bytes"] = std::vector<unsigned char>(buffer.begin(), buffer.end());
    } else {
        winmsg::Rect rect;
        answer["result"] = windows.sendRectMessage(window, message, wParam, rect);
        answer["rect"] = {rect.left, rect.top, rect.right, rect.bottom};
    }
    return answer;
}

}  // namespace

ServedCatia::ServedCatia(std::filesystem::path workspace, std::optional<std::filesystem::path> eventsFile)
    : disk_(std::move(workspace)), catia_(disk_, transcript_) {
    if (eventsFile) {
        events_.open(*eventsFile, std::ios::binary | std::ios::app);
        transcript_.setListener([this](const Json& event) {
            events_ << event.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
            events_.flush();
        });
    }
    catia_.setClock([this] { return clock_; });
    // A planned crash ends this process inside the call, as a crashing CATIA does; a planned
    // busy spell rejects the call and every call until it is over.
    catia_.onCrash([this] {
        events_.flush();
        TerminateProcess(GetCurrentProcess(), 3);
    });
    catia_.onBusy([](double seconds) {
        serverState().makeBusy(std::chrono::milliseconds(static_cast<long long>(seconds * 1000)));
        return true;
    });
    // A person's action at a planned call: posted to the program's window right inside the call
    // when the driver asked for it, else kept for the controlling process to take.
    catia_.onActionDue([this](int action) {
        if (auto post = posts_.find(action); post != posts_.end()) {
            postPersonAction(post->second);
            posts_.erase(post);
        } else {
            dueActions_.push_back(action);
        }
    });
    factory_ = new ApplicationFactory(*this);
}

ServedCatia::~ServedCatia() {
    stop();
    serverState().dialogFollower = nullptr;
    realDialogs_.reset();
    delete static_cast<ApplicationFactory*>(factory_);
}

void ServedCatia::start(bool startedForClient) {
    startedForClient_ = startedForClient;
    if (!classRegistered_) {
        classRegistered_ = SUCCEEDED(CoRegisterClassObject(applicationClassId, factory_, CLSCTX_LOCAL_SERVER,
                                                           REGCLS_MULTIPLEUSE, &classCookie_));
    }
    publishRunningObject();
}

void ServedCatia::stop() {
    if (running_) {
        RevokeActiveObject(runningCookie_, nullptr);
        running_ = false;
    }
    if (classRegistered_) {
        CoRevokeClassObject(classCookie_);
        classRegistered_ = false;
    }
}

void ServedCatia::publishRunningObject() {
    std::lock_guard guard(serverState().lock);
    std::optional<automation::Object> application;
    try {
        application = catia_.factory().getActiveObject("CATIA.Application");
    } catch (const automation::Error&) {
    }
    if (application && !running_) {
        win32::ComPtr<IDispatch> object = win32::ComPtr<IDispatch>::attach(ComObject::of(*application));
        running_ = SUCCEEDED(RegisterActiveObject(object.get(), applicationClassId,
                                                  startedForClient_ ? ACTIVEOBJECT_WEAK : ACTIVEOBJECT_STRONG,
                                                  &runningCookie_));
    } else if (!application && running_) {
        RevokeActiveObject(runningCookie_, nullptr);
        running_ = false;
    }
}

HRESULT ServedCatia::createApplication(REFIID iid, void** out) {
    HRESULT hr = E_FAIL;
    {
        std::lock_guard guard(serverState().lock);
        try {
            automation::Object application = catia_.factory().createObject("CATIA.Application");
            win32::ComPtr<IDispatch> object = win32::ComPtr<IDispatch>::attach(ComObject::of(application));
            hr = object->QueryInterface(iid, out);
        } catch (const automation::Error&) {
            hr = CO_E_SERVER_EXEC_FAILURE;
        }
    }
    publishRunningObject();
    return hr;
}

Json ServedCatia::control(const Json& request) {
    Json answer = Json::object();
    try {
        std::lock_guard guard(serverState().lock);
        answer["ok"] = execute(request.at("op").get<std::string>(), request);
    } catch (const platform::ScriptFault& e) {
        answer["fault"] = e.what();
    } catch (const automation::Error& e) {
        answer["fault"] = e.description();
    } catch (const std::exception& e) {
        answer["fault"] = std::string("the simulated CATIA cannot do this: ") + e.what();
    }
    publishRunningObject();
    serverState().afterCall();
    return answer;
}

void ServedCatia::showDialogsAsWindows() {
    if (realDialogs_) return;
    catia_.setClock(steadyClockSeconds);
    realDialogs_ = std::make_unique<RealDialogThread>(catia_.windowMessages());
    serverState().dialogFollower = realDialogs_->follower();
}

Json ServedCatia::execute(const std::string& op, const Json& request) {
    auto text = [&](const char* key) { return request.at(key).get<std::string>(); };
    if (request.contains("clock")) clock_ = request["clock"].get<double>();
    if (op.rfind("find", 0) == 0 || op.rfind("send", 0) == 0) return windowMessage(catia_.windowMessages(), op, request);
    if (op == "availability") catia_.setAvailability(availabilityOf(text("value")));
    else if (op == "language") catia_.setLanguage(text("value") == "chinese" ? sim::Language::Chinese : sim::Language::English);
    else if (op == "statusbar") catia_.setStatusBar(text("value"));
    else if (op == "alerts") catia_.setDisplayFileAlerts(request.at("value").get<bool>());
    else if (op == "open") catia_.open(text("path"));
    else if (op == "new") catia_.newDocument(documentKindOf(text("kind")));
    else if (op == "activate") catia_.activate(text("name"));
    else if (op == "pick") catia_.queuePick(pickOf(request));
    else if (op == "fail") catia_.failCall(text("type"), text("member"), request.at("n").get<int>());
    else if (op == "failall") catia_.failEverything();
    else if (op == "crashat") catia_.crashAt(text("type"), text("member"), request.at("n").get<int>());
    else if (op == "busyat") {
        catia_.busyAt(text("type"), text("member"), request.at("seconds").get<double>(), request.at("n").get<int>());
    }
    else if (op == "actduring") {
        const int action = request.at("action").get<int>();
        if (request.contains("post")) posts_[action] = request["post"];
        catia_.actDuring(text("type"), text("member"), request.at("n").get<int>(), action);
    } else if (op == "due") return std::exchange(dueActions_, {});
    else if (op == "dialogdelay") catia_.setDialogDelay(request.at("seconds").get<double>());
    else if (op == "windows") showDialogsAsWindows();
    else if (op == "dumpcatia") return catia_.dumpCatia();
    else if (op == "dumpdocument") {
        std::optional<Json> document = catia_.dumpDocument(text("name"));
        return document ? *document : Json(nullptr);
    } else if (op == "calls") return serverState().calls.toJson();
    else if (op == "scriptfault") return std::exchange(serverState().scriptFault, std::string());
    else if (op == "busy") serverState().makeBusy(std::chrono::milliseconds(request.at("milliseconds").get<long long>()));
    else if (op == "die") {
        events_.flush();
        TerminateProcess(GetCurrentProcess(), 3);
    } else if (op == "hello") {
    } else throw platform::ScriptFault("unknown control request: " + op);
    return Json(nullptr);
}

}  // namespace qvl::simcatia
