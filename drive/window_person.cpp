#include "drive/window_person.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <utility>

#include "drive/program_dialogs.h"
#include "headless/headless_services.h"
#include "headless/script_fault.h"
#include "scenario/control_dump.h"
#include "scenario/programs.h"
#include "win32/base/wide_text.h"
#include "win32/base/window_texts.h"
#include "win32/platform/long_path.h"

namespace qvl::drive {

namespace fs = std::filesystem;
using platform::Json;
using platform::ScriptFault;
using ui::ControlKind;

namespace {

constexpr auto restingTimeout = std::chrono::minutes(3);


double pixelsToTwips(int pixels) {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return pixels * 1440.0 / (dpi > 0 ? dpi : 96);
}

// The newest dialog of the process that takes input: the one a person answers next.
HWND activeDialog(DWORD processId) {
    for (HWND dialog : processWindows(processId, L"#32770")) {
        if (IsWindowEnabled(dialog)) return dialog;
    }
    return nullptr;
}

}  // namespace

WindowPerson::WindowPerson(platform::Transcript& transcript, fs::path programs, Screenshots& screenshots,
                           FaultCheck catiaFault, ActionPoster postAction)
    : transcript_(transcript),
      programs_(std::move(programs)),
      screenshots_(screenshots),
      catiaFault_(std::move(catiaFault)),
      postAction_(std::move(postAction)) {
    noteUnobservable({"numbers drawn at random"},
                     "the program seeds its generator from the clock: the numbers of its default file names differ");
    noteUnobservable({"shell"}, "a program that the program starts shows as its window, not as its command line");
}

WindowPerson::~WindowPerson() = default;

void WindowPerson::noteUnobservable(std::initializer_list<const char*> events, const std::string& reason) {
    for (const char* event : events) unobservable_.emplace(event, reason);
}

void WindowPerson::setToday(std::string text) { today_ = std::move(text); }

void WindowPerson::setFixedRandom(double) {
    // Chance is the machine's whatever the scenario says: see the constructor.
}

void WindowPerson::setScreenWidthPixels(int) {
    // The screen is the display's: the window's place is never observable (see dumpWindow).
}

// --- The program --------------------------------------------------------------------------

void WindowPerson::checkMachineDate() {
    // The date is the machine's: scripts/wine-run.sh sets the clock of the whole run to the
    // scenario's date. A machine whose date is another shows and writes its own.
    SYSTEMTIME now{};
    GetLocalTime(&now);
    int year = 0, month = 0, day = 0;
    char rest = 0;
    bool same = std::sscanf(today_.c_str(), "%d/%d/%d%c", &year, &month, &day, &rest) == 3 && year == now.wYear &&
                month == now.wMonth && day == now.wDay;
    if (!same) {
        noteUnobservable({"document", "file", "control"},
                         "the machine's date is not " + today_ + ": the program shows and writes its own");
    }
}

void WindowPerson::start(const std::string& program, const std::string& programFolder,
                         const std::string& commandLine) {
    const auto& entry = scenario::programLaunchers().at(program);
    if (!table_) table_.emplace(program);
    for (const auto& [call, action] : std::exchange(unpostedActions_, {})) postAction(call, action);
    // A user installs the program into its folder and starts it from there.
    fs::path folder = fs::path(win32::toWide(programFolder));
    fs::create_directories(folder);
    executable_ = folder / win32::toWide(entry.executable);
    fs::copy_file(programs_ / win32::toWide(entry.executable), executable_, fs::copy_options::overwrite_existing);
    checkMachineDate();
    process_ = std::make_unique<ProgramProcess>(executable_, commandLine);
    if (!commandLine.empty()) {
        awaitExit();
        return;
    }
    settle([] { return true; });
    if (HWND window = isRunning() ? process_->mainWindow() : nullptr) screenshots_.take(window, program);
}

void WindowPerson::awaitExit() {
    noteUnobservable({"times in a batch log"},
                     "the log's times are the machine's clock: its times of day and seconds differ");
    settle([] { return false; });
    Json e = platform::Transcript::event("exit");
    e["status"] = process_->exitStatus();
    transcript_.record(std::move(e));
    process_.reset();
}

void WindowPerson::close() {
    if (!isRunning()) return;
    process_->close();
    settle([] { return false; });
    process_.reset();
}

bool WindowPerson::isRunning() const { return process_ && process_->isRunning(); }

// --- Waiting and answering ----------------------------------------------------------------

void WindowPerson::act(const std::function<void()>& send) {
    std::atomic<bool> sent = false;
    std::thread sender([&] {
        send();
        sent = true;
    });
    try {
        settle([&] { return sent.load(); });
    } catch (...) {
        // The program cannot go on without its answer: end it so that the send returns.
        process_->terminate();
        sender.join();
        throw;
    }
    sender.join();
}

void WindowPerson::settle(const std::function<bool()>& done) {
    auto deadline = std::chrono::steady_clock::now() + restingTimeout;
    HWND answered = nullptr;
    while (process_->isRunning()) {
        if (std::chrono::steady_clock::now() > deadline) {
            throw std::runtime_error("the program did not come to rest within three minutes");
        }
        HWND dialog = activeDialog(process_->id());
        if (dialog && dialog != answered) {
            stopOnScriptFault();
            answer(dialog);
            answered = dialog;
            continue;
        }
        if (!dialog && done() && process_->isIdle() && !activeDialog(process_->id())) {
            stopOnScriptFault();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void WindowPerson::stopOnScriptFault() const {
    if (!catiaFault_) return;
    std::string fault = catiaFault_();
    if (!fault.empty()) throw ScriptFault(fault);
}

void WindowPerson::answer(HWND dialog) {
    DialogKind kind = kindOf(dialog);
    switch (kind) {
        case DialogKind::Message: {
            MessageBoxView box = readMessageBox(dialog);
            screenshots_.take(dialog, "message");
            if (!box.systemModalKnown) {
                noteUnobservable({"message.flags&4096"},
                                 "a message box that a window owns stands with its owner, system-modal or not");
            }
            Json e = platform::Transcript::event("message");
            e["text"] = box.text;
            e["caption"] = box.caption;
            e["flags"] = box.flags;
            if (platform::offersOnlyOk(box.flags)) {
                transcript_.record(std::move(e));
                pressButton(dialog, GetDlgItem(dialog, IDOK) && IsWindowVisible(GetDlgItem(dialog, IDOK)) ? IDOK : IDCANCEL);
                return;
            }
            // A box with a choice asks the person something: the answer must have been foreseen.
            if (messageAnswers_.empty()) throw platform::UnansweredQuestion("the message box \"" + box.text + "\"");
            const platform::MessageAnswer reply = messageAnswers_.front();
            if (!platform::offersButton(box.flags, reply)) {
                throw ScriptFault("the message box \"" + box.text + "\" has no button " + platform::answerName(reply));
            }
            messageAnswers_.pop_front();
            e["answer"] = platform::answerName(reply);
            transcript_.record(std::move(e));
            pressButton(dialog, platform::answerValue(reply));
            return;
        }
        case DialogKind::Input: {
            InputBoxView box = readInputBox(dialog);
            screenshots_.take(dialog, "input");
            if (inputs_.empty()) throw platform::UnansweredQuestion("the input box \"" + box.prompt + "\"");
            std::optional<std::string> reply = std::move(inputs_.front());
            inputs_.pop_front();
            Json e = platform::Transcript::event("input");
            e["prompt"] = box.prompt;
            e["caption"] = box.caption;
            e["default"] = box.defaultText;
            e["answer"] = reply ? Json(*reply) : Json(nullptr);
            transcript_.record(std::move(e));
            if (reply) typeIntoInputBox(dialog, *reply);
            pressButton(dialog, reply ? IDOK : IDCANCEL);
            return;
        }
        case DialogKind::Folder: {
            std::string title = folderBrowserTitle(dialog);
            screenshots_.take(dialog, "folder");
            if (folders_.empty()) throw platform::UnansweredQuestion("the folder browser \"" + title + "\"");
            FolderAnswer reply = std::move(folders_.front());
            folders_.pop_front();
            Json e = platform::Transcript::event("folder");
            e["title"] = title;
            if (reply.kind == FolderAnswer::Kind::Path) {
                chooseFolder(dialog, process_->handle(), reply.path);
                e["answer"] = reply.path;
            } else if (reply.kind == FolderAnswer::Kind::Virtual) {
                chooseVirtualFolder(dialog, process_->handle());
                e["answer"] = platform::HeadlessServices::virtualFolderName;
            } else {
                e["answer"] = nullptr;
            }
            transcript_.record(std::move(e));
            pressButton(dialog, reply.kind == FolderAnswer::Kind::Cancel ? IDCANCEL : IDOK);
            return;
        }
        case DialogKind::Files: {
            std::string filter = fileDialogFilter(dialog);
            screenshots_.take(dialog, "files");
            if (files_.empty()) throw platform::UnansweredQuestion("the open-file dialog " + filter);
            std::optional<std::vector<std::string>> reply = std::move(files_.front());
            files_.pop_front();
            for (const std::string& path : reply ? *reply : std::vector<std::string>{}) {
                DWORD attributes = GetFileAttributesW(win32::extendedLengthPath(path).c_str());
                if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
                    pressButton(dialog, IDCANCEL);
                    throw NotPlayable("the open-file dialog takes only files that exist, not " + path);
                }
            }
            Json e = platform::Transcript::event("files");
            e["filter"] = filter;
            e["answer"] = reply ? Json(*reply) : Json(nullptr);
            transcript_.record(std::move(e));
            if (reply) typeFileNames(dialog, *reply);
            pressButton(dialog, reply ? IDOK : IDCANCEL);
            return;
        }
        case DialogKind::Unknown:
            screenshots_.take(dialog, "unknown-dialog");
            throw std::runtime_error("the program opened a dialog that no person's answer fits: \"" +
                                     windowTextOf(dialog) + "\"");
    }
}

// --- The person's actions -----------------------------------------------------------------

const TableControl& WindowPerson::control(const std::string& name, std::initializer_list<ControlKind> kinds,
                                          const char* kindText) const {
    if (!isRunning() || !table_) throw ScriptFault("the program is not running");
    const TableControl& found = table_->find(name);
    if (kinds.size() && std::find(kinds.begin(), kinds.end(), found.kind) == kinds.end()) {
        throw ScriptFault(name + " is no " + kindText);
    }
    return found;
}

HWND WindowPerson::windowOf(const TableControl& c) const {
    HWND window = GetDlgItem(process_->mainWindow(), c.id);
    if (!window) throw std::runtime_error("the program's window has no control with id " + std::to_string(c.id));
    return window;
}

void WindowPerson::notify(const TableControl& c, WORD notification) {
    HWND window = windowOf(c);
    HWND parent = GetParent(window);
    act([=] { SendMessageW(parent, WM_COMMAND, MAKEWPARAM(c.id, notification), reinterpret_cast<LPARAM>(window)); });
}

void WindowPerson::set(const std::string& name, const std::string& text) {
    const TableControl& c = control(name, {ControlKind::TextBox, ControlKind::ComboBox}, "text box or combo box");
    HWND window = windowOf(c);
    std::wstring wide = win32::toWide(text);
    act([&] { SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str())); });
    // A combo box and a box of several lines tell no change of their text that came from a
    // message; typing would. (A window that told it already hears the same text again.)
    notify(c, c.kind == ControlKind::ComboBox ? CBN_EDITCHANGE : EN_CHANGE);
}

void WindowPerson::check(const std::string& name, int value) {
    const TableControl& c = control(name, {ControlKind::CheckBox}, "check box");
    HWND window = windowOf(c);
    // A click moves a check box between ticked and clear; a grey one becomes ticked. A check
    // box that is not enabled takes no click: its value is set as code sets it, and the window
    // tells the program as a click would.
    for (int clicks = 0; clicks < 2 && SendMessageW(window, BM_GETCHECK, 0, 0) != value; ++clicks) {
        if (IsWindowEnabled(window)) act([=] { SendMessageW(window, BM_CLICK, 0, 0); });
        else notify(c, BN_CLICKED);
    }
    if (SendMessageW(window, BM_GETCHECK, 0, 0) != value && value == 2) {
        throw ScriptFault(name + ": a person cannot make a check box grey by clicking it");
    }
}

void WindowPerson::choose(const std::string& name) {
    const TableControl& c = control(name, {ControlKind::Option}, "option button");
    HWND window = windowOf(c);
    act([=] { SendMessageW(window, BM_CLICK, 0, 0); });
}

void WindowPerson::select(const std::string& name, const std::vector<int>& lines) {
    const TableControl& c = control(name, {ControlKind::ListBox}, "list box");
    HWND window = windowOf(c);
    int count = static_cast<int>(SendMessageW(window, LB_GETCOUNT, 0, 0));
    for (int line : lines) {
        if (line < 0 || line >= count) throw ScriptFault("no line " + std::to_string(line) + " in " + name);
    }
    if (c.style.multiSelect) {
        SendMessageW(window, LB_SETSEL, FALSE, -1);
        for (int line : lines) SendMessageW(window, LB_SETSEL, TRUE, line);
    } else {
        SendMessageW(window, LB_SETCURSEL, lines.empty() ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(lines.back()), 0);
    }
    // Selecting with the mouse tells the window; a message does not.
    notify(c, LBN_SELCHANGE);
}

void WindowPerson::click(const std::string& name) {
    const TableControl& c = control(name, {}, "");
    HWND window = windowOf(c);
    // A disabled control does not react to the mouse.
    if (!IsWindowEnabled(window)) return;
    switch (c.kind) {
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::Option:
            act([=] { SendMessageW(window, BM_CLICK, 0, 0); });
            break;
        case ControlKind::Label:
            notify(c, STN_CLICKED);
            break;
        default:
            break;
    }
}

void WindowPerson::dblclick(const std::string& name) {
    const TableControl& c = control(name, {}, "");
    HWND window = windowOf(c);
    if (!IsWindowEnabled(window)) return;
    if (c.kind == ControlKind::Label) notify(c, STN_DBLCLK);
    if (c.kind == ControlKind::ListBox) notify(c, LBN_DBLCLK);
}

void WindowPerson::during(const scenario::PlannedCall& call, const scenario::PersonAction& action) {
    if (!table_) {
        unpostedActions_.emplace_back(call, action);
        return;
    }
    postAction(call, action);
}

void WindowPerson::postAction(const scenario::PlannedCall& call, const scenario::PersonAction& action) {
    Json post = Json::object();
    if (action.kind == scenario::PersonAction::Kind::Close) {
        post["action"] = "close";
    } else {
        const TableControl& c = table_->find(action.control);
        post["action"] = "click";
        post["control"] = c.id;
        // A click on a button, check box or option presses it; one on a label tells the window.
        const bool pressed = c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox || c.kind == ControlKind::Option;
        if (!pressed && c.kind != ControlKind::Label) return;
        post["kind"] = pressed ? "button" : "label";
    }
    postAction_(call, post);
}

// --- What the window shows ----------------------------------------------------------------

Json WindowPerson::dumpControl(const std::string& name) {
    const TableControl& c = control(name, {}, "");
    HWND window = windowOf(c);
    Json e = platform::Transcript::event("control");
    e["name"] = c.name;
    e["kind"] = ui::kindName(c.kind);
    switch (c.kind) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox: e["text"] = windowTextOf(window); break;
        case ControlKind::ListBox: break;
        default: e["caption"] = windowTextOf(window); break;
    }
    LRESULT checked = SendMessageW(window, BM_GETCHECK, 0, 0);
    if (c.kind == ControlKind::CheckBox) e["value"] = static_cast<int>(checked);
    if (c.kind == ControlKind::Option) e["value"] = checked == BST_CHECKED;
    e["enabled"] = IsWindowEnabled(window) != FALSE;
    if (c.kind == ControlKind::ComboBox || c.kind == ControlKind::ListBox) {
        bool combo = c.kind == ControlKind::ComboBox;
        int count = static_cast<int>(SendMessageW(window, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        Json items = Json::array();
        for (int i = 0; i < count; ++i) {
            items.push_back(win32::toUtf8(combo ? win32::itemText(window, CB_GETLBTEXTLEN, CB_GETLBTEXT, i)
                                                : win32::itemText(window, LB_GETTEXTLEN, LB_GETTEXT, i)));
        }
        e["items"] = std::move(items);
    }
    if (c.kind == ControlKind::ListBox) {
        Json selected = Json::array();
        int count = static_cast<int>(SendMessageW(window, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            if (SendMessageW(window, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected.push_back(i);
        }
        e["selected"] = std::move(selected);
    }
    return e;
}

std::vector<Json> WindowPerson::dumpWindow() {
    if (!isRunning() || !table_) throw ScriptFault("the program is not running");
    std::vector<Json> events;
    for (const auto& c : table_->controls()) events.push_back(dumpControl(c.name));
    HWND window = process_->mainWindow();
    // The window's place is its frame's; its size the size of its inside, as the form gives them.
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT inside{};
    GetClientRect(window, &inside);
    Json e = platform::Transcript::event("window");
    e["caption"] = windowTextOf(window);
    e["left"] = scenario::twips(pixelsToTwips(frame.left));
    e["top"] = scenario::twips(pixelsToTwips(frame.top));
    e["width"] = scenario::twips(pixelsToTwips(inside.right));
    e["height"] = scenario::twips(pixelsToTwips(inside.bottom));
    e["topmost"] = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    events.push_back(std::move(e));
    noteUnobservable({"window"}, "a real window sits at whole pixels inside the display's screen, where the form's "
                                 "place is in twips on the scenario's");
    screenshots_.take(window, "window");
    return events;
}

}  // namespace qvl::drive
