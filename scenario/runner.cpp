#include "scenario/runner.h"

#include <charconv>
#include <system_error>

#include "common/platform/message_buttons.h"
#include "headless/script_fault.h"
#include "common/platform/windows_path.h"
#include "common/profile/profile_text.h"
#include "common/text/gbk.h"
#include "common/text/utf16.h"
#include "scenario/headless_person.h"
#include "scenario/programs.h"

namespace qvl::scenario {

namespace fs = std::filesystem;
using platform::Json;

namespace {

// A fault found while executing a line; the runner adds the line number.
struct LineFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fault(const std::string& reason) { throw LineFault(reason); }

void expectCount(const std::vector<std::string>& args, std::size_t least, std::size_t most, const char* usage) {
    if (args.size() < least || args.size() > most) fault(std::string("usage: ") + usage);
}

int parseInt(const std::string& text, const char* what) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) fault(std::string(what) + " must be a whole number: " + text);
    return value;
}

double parseDouble(const std::string& text, const char* what) {
    try {
        std::size_t used = 0;
        double value = std::stod(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    fault(std::string(what) + " must be a number: " + text);
}

// How the call log names a kind of call.
const char* callKindName(automation::CallKind kind) {
    switch (kind) {
        case automation::CallKind::Get: return "get";
        case automation::CallKind::Put: return "put";
        case automation::CallKind::PutRef: return "putref";
        case automation::CallKind::Method: return "method";
    }
    return "method";
}

bool isDocumentFile(const std::string& path) {
    std::string ext = platform::extensionOf(path);
    for (const char* known : {"CATPart", "CATProduct", "CATDrawing", "CATProcess"}) {
        if (platform::samePath(ext, known)) return true;
    }
    return false;
}

bool isSettingsFile(const std::string& path) { return platform::samePath(platform::extensionOf(path), "ini"); }

// A file as Notepad saves it in "Unicode": the UTF-16LE byte-order mark, then the text in UTF-16LE.
std::string unicodeFileBytes(std::string_view utf8) {
    return std::string(profile::kUnicodeMark) + text::unitsToUtf16le(text::utf8ToUtf16(utf8));
}

std::string textOfUnicodeFile(std::string_view bytes) {
    return text::utf16ToUtf8(text::utf16leToUnits(bytes.substr(profile::kUnicodeMark.size())));
}

// Copies a world folder onto the disk, merging with what is there. Each drive is copied into
// the disk's drive folder, which may be a link to the drive of a real machine.
void copyWorld(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::is_directory(from, ec)) fault("the world folder does not exist: " + platform::utf8FromPath(from));
    for (const auto& drive : fs::directory_iterator(from, ec)) {
        fs::path target = to / drive.path().filename();
        if (!drive.is_directory(ec)) {
            fs::copy(drive.path(), target, fs::copy_options::overwrite_existing, ec);
        } else {
            fs::create_directories(target, ec);
            for (const auto& entry : fs::directory_iterator(drive.path(), ec)) {
                fs::copy(entry.path(), target / entry.path().filename(),
                         fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
                if (ec) break;
            }
        }
        if (ec) break;
    }
    if (ec) fault("the world folder cannot be copied: " + ec.message());
}

}  // namespace

Runner::Runner(fs::path scriptFolder, fs::path workspace, platform::Transcript::Listener listener,
               const CatiaMaker& makeCatia, const PersonMaker& makePerson)
    : scriptFolder_(std::move(scriptFolder)),
      disk_(std::move(workspace)),
      catia_(makeCatia ? makeCatia(disk_, transcript_) : std::make_unique<sim::SimCatia>(disk_, transcript_)),
      person_(makePerson ? makePerson(disk_, transcript_, *catia_)
                         : std::make_unique<HeadlessPerson>(disk_, transcript_, *catia_)) {
    transcript_.setListener(std::move(listener));
    disk_.createFolder("C:\\");
}

Runner::~Runner() = default;


void Runner::logCalls(std::function<void(const std::string& line)> sink) {
    catia_->observeCalls([this, sink = std::move(sink)](const sim::ObservedCall& call) {
        sink(std::to_string(currentLine_) + ' ' + std::string(call.typeName) + '.' + std::string(call.member) + ' ' +
             callKindName(call.kind) + ' ' + std::to_string(call.argumentCount));
    });
}

const std::map<std::string, Runner::Command>& Runner::commands() {
    static const std::map<std::string, Command> table{
        {"program", &Runner::program},   {"world", &Runner::world},
        {"programfolder", &Runner::programFolder},
        {"catia", &Runner::catia},       {"language", &Runner::language},
        {"statusbar", &Runner::statusBar},
        {"open", &Runner::open},         {"new", &Runner::newDocument},
        {"activate", &Runner::activate}, {"today", &Runner::today},
        {"random", &Runner::random},     {"screen", &Runner::screen},
        {"alerts", &Runner::alerts},     {"dialogdelay", &Runner::dialogDelay},
        {"commandline", &Runner::commandLine}, {"during", &Runner::during},
        {"answer", &Runner::answer},
        {"pick", &Runner::pick},         {"fail", &Runner::fail},
        {"crash", &Runner::crash},       {"busy", &Runner::busy},
        {"delete", &Runner::deleteFile}, {"write", &Runner::writeFile},
        {"start", &Runner::start},       {"restart", &Runner::restart},
        {"set", &Runner::set},           {"check", &Runner::check},
        {"choose", &Runner::choose},     {"select", &Runner::select},
        {"click", &Runner::click},       {"dblclick", &Runner::dblclick},
        {"dump", &Runner::dump},
    };
    return table;
}

void Runner::run(const std::vector<ScriptLine>& lines) {
    for (const ScriptLine& line : lines) execute(line);
}

void Runner::execute(const ScriptLine& line) {
    currentLine_ = line.number;
    const std::string& name = line.tokens.front();
    auto found = commands().find(name);
    if (found == commands().end()) throw ScriptError(line.number, "unknown command: " + name);
    Args args(line.tokens.begin() + 1, line.tokens.end());
    try {
        (this->*(found->second))(args);
    } catch (const LineFault& e) {
        throw ScriptError(line.number, e.what());
    } catch (const platform::ScriptFault& e) {
        throw ScriptError(line.number, e.what());
    } catch (const ScriptError&) {
        throw;
    } catch (const std::exception& e) {
        // A fault of the program itself, not of the script: the run cannot go on.
        throw ScriptError(line.number, std::string("the program failed: ") + e.what());
    }
}

void Runner::requireBeforeStart(const char* command) const {
    if (started_) fault(std::string(command) + " belongs before start");
}

// --- The machine and CATIA --------------------------------------------------------------

void Runner::program(const Args& args) {
    requireBeforeStart("program");
    expectCount(args, 1, 1, "program planwright|millsheet|orderloom");
    if (!programLaunchers().count(args[0])) fault("unknown program: " + args[0]);
    programName_ = args[0];
}

void Runner::world(const Args& args) {
    requireBeforeStart("world");
    expectCount(args, 1, 1, "world DIR");
    copyWorld(scriptFolder_ / platform::pathFromUtf8(args[0]), disk_.root());
}

void Runner::programFolder(const Args& args) {
    requireBeforeStart("programfolder");
    expectCount(args, 1, 1, "programfolder PATH");
    programFolder_ = args[0];
}

void Runner::catia(const Args& args) {
    requireBeforeStart("catia");
    expectCount(args, 1, 1, "catia running|startable|absent");
    if (args[0] == "running") catia_->setAvailability(sim::Availability::Running);
    else if (args[0] == "startable") catia_->setAvailability(sim::Availability::Startable);
    else if (args[0] == "absent") catia_->setAvailability(sim::Availability::Absent);
    else fault("catia must be running, startable or absent");
}

void Runner::language(const Args& args) {
    expectCount(args, 1, 1, "language english|chinese");
    if (args[0] == "english") catia_->setLanguage(sim::Language::English);
    else if (args[0] == "chinese") catia_->setLanguage(sim::Language::Chinese);
    else fault("language must be english or chinese");
}

void Runner::statusBar(const Args& args) {
    expectCount(args, 1, 1, "statusbar TEXT");
    catia_->setStatusBar(args[0]);
}

void Runner::open(const Args& args) {
    expectCount(args, 1, 1, "open PATH");
    catia_->open(args[0]);
}

void Runner::newDocument(const Args& args) {
    expectCount(args, 1, 1, "new part|product|drawing");
    if (args[0] == "part") catia_->newDocument(sim::NewDocumentKind::Part);
    else if (args[0] == "product") catia_->newDocument(sim::NewDocumentKind::Product);
    else if (args[0] == "drawing") catia_->newDocument(sim::NewDocumentKind::Drawing);
    else fault("new takes part, product or drawing");
}

void Runner::activate(const Args& args) {
    expectCount(args, 1, 1, "activate NAME");
    catia_->activate(args[0]);
}

void Runner::today(const Args& args) {
    requireBeforeStart("today");
    expectCount(args, 1, 1, "today TEXT");
    person_->setToday(args[0]);
}

void Runner::random(const Args& args) {
    requireBeforeStart("random");
    expectCount(args, 1, 1, "random R");
    double value = parseDouble(args[0], "R");
    if (value < 0 || value >= 1) fault("R must lie in [0, 1)");
    person_->setFixedRandom(value);
}

void Runner::screen(const Args& args) {
    requireBeforeStart("screen");
    expectCount(args, 1, 1, "screen WIDTH");
    int width = parseInt(args[0], "WIDTH");
    if (width <= 0) fault("WIDTH must be positive");
    person_->setScreenWidthPixels(width);
}

void Runner::alerts(const Args& args) {
    expectCount(args, 1, 1, "alerts on|off");
    if (args[0] != "on" && args[0] != "off") fault("alerts must be on or off");
    catia_->setDisplayFileAlerts(args[0] == "on");
}

void Runner::dialogDelay(const Args& args) {
    expectCount(args, 1, 1, "dialogdelay SECONDS");
    double seconds = parseDouble(args[0], "SECONDS");
    if (seconds < 0) fault("SECONDS must not be negative");
    catia_->setDialogDelay(seconds);
}

void Runner::commandLine(const Args& args) {
    requireBeforeStart("commandline");
    expectCount(args, 1, 1, "commandline TEXT");
    commandLine_ = args[0];
}

// --- What the person and the world will do next ------------------------------------------

void Runner::answer(const Args& args) {
    if (args.size() < 2) fault("usage: answer input|folder|files|message ...");
    const std::string& kind = args[0];
    if (kind == "input") {
        expectCount(args, 2, 2, "answer input TEXT|cancel");
        person_->queueInput(args[1] == "cancel" ? std::nullopt : std::optional<std::string>(args[1]));
    } else if (kind == "folder") {
        expectCount(args, 2, 2, "answer folder PATH|cancel|virtual");
        using Answer = Person::FolderAnswer;
        if (args[1] == "cancel") person_->queueFolder({Answer::Kind::Cancel, ""});
        else if (args[1] == "virtual") person_->queueFolder({Answer::Kind::Virtual, ""});
        else person_->queueFolder({Answer::Kind::Path, args[1]});
    } else if (kind == "files") {
        if (args.size() == 2 && args[1] == "cancel") {
            person_->queueFiles(std::nullopt);
        } else {
            person_->queueFiles(std::vector<std::string>(args.begin() + 1, args.end()));
        }
    } else if (kind == "message") {
        expectCount(args, 2, 2, "answer message yes|no|ok|cancel");
        std::optional<platform::MessageAnswer> answer = platform::answerNamed(args[1]);
        if (!answer) fault("a message box is answered yes, no, ok or cancel");
        person_->queueMessageAnswer(*answer);
    } else {
        fault("answer takes input, folder, files or message");
    }
}

void Runner::pick(const Args& args) {
    if (args.empty()) fault("usage: pick PATH... | pick cancel [PATH...] | pick undo | pick redo");
    sim::PickAnswer answer;
    auto rest = args.begin();
    if (args[0] == "cancel") {
        answer.kind = sim::PickAnswer::Kind::Cancel;
        ++rest;
    } else if (args[0] == "undo" || args[0] == "redo") {
        expectCount(args, 1, 1, "pick undo|redo");
        answer.kind = args[0] == "undo" ? sim::PickAnswer::Kind::Undo : sim::PickAnswer::Kind::Redo;
        ++rest;
    }
    answer.paths.assign(rest, args.end());
    catia_->queuePick(std::move(answer));
}

void Runner::fail(const Args& args) {
    expectCount(args, 1, 2, "fail TYPE.MEMBER [N] | fail catia");
    if (args[0] == "catia" && args.size() == 1) {
        catia_->failEverything();
        return;
    }
    const PlannedCall call = plannedCall(args, 0, "fail");
    catia_->failCall(call.typeName, call.member, call.n);
}

void Runner::crash(const Args& args) {
    expectCount(args, 1, 2, "crash TYPE.MEMBER [N]");
    const PlannedCall call = plannedCall(args, 0, "crash");
    catia_->crashAt(call.typeName, call.member, call.n);
}

void Runner::busy(const Args& args) {
    expectCount(args, 2, 3, "busy TYPE.MEMBER SECONDS [N]");
    const double seconds = parseDouble(args[1], "SECONDS");
    if (seconds < 0) fault("SECONDS must not be negative");
    const PlannedCall call = plannedCall(args, 1, "busy");
    catia_->busyAt(call.typeName, call.member, seconds, call.n);
}

void Runner::during(const Args& args) {
    const char* usage = "during TYPE.MEMBER [N] click CONTROL | during TYPE.MEMBER [N] close";
    if (args.size() < 2) fault(std::string("usage: ") + usage);
    // N is there when the word after TYPE.MEMBER is no action.
    const bool counted = args[1] != "click" && args[1] != "close";
    const PlannedCall call = plannedCall(Args(args.begin(), args.begin() + (counted ? 2 : 1)), 0, "during");
    const Args action(args.begin() + (counted ? 2 : 1), args.end());
    PersonAction act;
    if (action.size() == 2 && action[0] == "click") {
        act = {PersonAction::Kind::Click, action[1]};
    } else if (action.size() == 1 && action[0] == "close") {
        act = {PersonAction::Kind::Close, ""};
    } else {
        fault(std::string("usage: ") + usage);
    }
    person_->during(call, act);
}

// TYPE.MEMBER in the first argument and N after the `skipped` arguments that follow it.
PlannedCall Runner::plannedCall(const Args& args, std::size_t skipped, const char* command) {
    std::size_t dot = args[0].find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == args[0].size()) {
        fault(std::string(command) + " takes TYPE.MEMBER");
    }
    const std::size_t nAt = 1 + skipped;
    int n = args.size() > nAt ? parseInt(args[nAt], "N") : 1;
    if (n < 1) fault("N must be 1 or more");
    return {args[0].substr(0, dot), args[0].substr(dot + 1), n};
}

void Runner::deleteFile(const Args& args) {
    expectCount(args, 1, 1, "delete PATH");
    if (!disk_.removeFile(args[0])) fault("no such file: " + args[0]);
}

void Runner::writeFile(const Args& args) {
    expectCount(args, 2, 3, "write PATH TEXT [utf-16le]");
    if (args.size() == 3 && args[2] != "utf-16le") fault("write takes utf-16le as the file's encoding, or none");
    const std::string bytes = args.size() == 3          ? unicodeFileBytes(args[1])
                              : isSettingsFile(args[0]) ? text::utf8ToGbk(args[1])
                                                        : args[1];
    if (!disk_.writeFile(args[0], bytes, true)) fault("the file cannot be written: " + args[0]);
}

// --- The person at the window -------------------------------------------------------------

void Runner::launch() {
    if (programName_.empty()) fault("no program chosen before start");
    person_->start(programName_, programFolder_, commandLine_);
}

void Runner::start(const Args& args) {
    expectCount(args, 0, 0, "start");
    if (started_) fault("the program has started already");
    started_ = true;
    launch();
}

void Runner::restart(const Args& args) {
    expectCount(args, 0, 0, "restart");
    if (!started_) fault("restart needs a started program");
    person_->close();
    launch();
}

void Runner::set(const Args& args) {
    expectCount(args, 2, 2, "set CONTROL TEXT");
    person_->set(args[0], args[1]);
}

void Runner::check(const Args& args) {
    expectCount(args, 2, 2, "check CONTROL 0|1|2");
    int value = parseInt(args[1], "the value");
    if (value < 0 || value > 2) fault("a check box takes 0, 1 or 2");
    person_->check(args[0], value);
}

void Runner::choose(const Args& args) {
    expectCount(args, 1, 1, "choose CONTROL");
    person_->choose(args[0]);
}

void Runner::select(const Args& args) {
    if (args.empty()) fault("usage: select CONTROL INDEX...");
    std::vector<int> lines;
    for (auto it = args.begin() + 1; it != args.end(); ++it) lines.push_back(parseInt(*it, "INDEX"));
    person_->select(args[0], lines);
}

void Runner::click(const Args& args) {
    expectCount(args, 1, 1, "click CONTROL");
    person_->click(args[0]);
}

void Runner::dblclick(const Args& args) {
    expectCount(args, 1, 1, "dblclick CONTROL");
    person_->dblclick(args[0]);
}

// --- Inspection -----------------------------------------------------------------------------

void Runner::dump(const Args& args) {
    if (args.empty()) fault("usage: dump CONTROL|window|document|file|files|catia");
    const std::string& what = args[0];
    if (what == "window") {
        expectCount(args, 1, 1, "dump window");
        for (Json& event : person_->dumpWindow()) transcript_.record(std::move(event));
    } else if (what == "catia") {
        expectCount(args, 1, 1, "dump catia");
        transcript_.record(catia_->dumpCatia());
    } else if (what == "document") {
        expectCount(args, 2, 2, "dump document NAME|active");
        if (auto document = catia_->dumpDocument(args[1])) {
            transcript_.record(*document);
        } else {
            Json e = platform::Transcript::event("document");
            e["name"] = args[1] == "active" ? Json(nullptr) : Json(args[1]);
            e["path"] = nullptr;
            e["kind"] = nullptr;
            e["saved"] = nullptr;
            e["content"] = nullptr;
            transcript_.record(std::move(e));
        }
    } else if (what == "file") {
        expectCount(args, 2, 2, "dump file PATH");
        Json e = platform::Transcript::event("file");
        e["path"] = args[1];
        std::optional<std::string> bytes = disk_.readFile(args[1]);
        e["exists"] = bytes.has_value();
        if (!bytes) {
            e["content"] = nullptr;
        } else if (isSettingsFile(args[1]) && profile::isUnicodeFile(*bytes)) {
            e["encoding"] = "UTF-16LE";
            e["content"] = textOfUnicodeFile(*bytes);
        } else if (isSettingsFile(args[1])) {
            e["content"] = text::gbkToUtf8(*bytes);
        } else {
            Json parsed = isDocumentFile(args[1]) ? Json::parse(*bytes, nullptr, false) : Json(Json::value_t::discarded);
            e["content"] = parsed.is_discarded() ? Json(*bytes) : parsed;
        }
        transcript_.record(std::move(e));
    } else if (what == "files") {
        expectCount(args, 2, 2, "dump files PATH");
        Json e = platform::Transcript::event("files");
        e["path"] = args[1];
        e["names"] = disk_.filesBelow(args[1]);
        transcript_.record(std::move(e));
    } else {
        expectCount(args, 1, 1, "dump CONTROL");
        transcript_.record(person_->dumpControl(what));
    }
}

}  // namespace qvl::scenario
