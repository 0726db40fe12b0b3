#include "headless/headless_services.h"

#include <algorithm>
#include <cmath>

#include "headless/script_fault.h"

namespace qvl::platform {

HeadlessServices::HeadlessServices(VirtualDisk& disk, Transcript& transcript)
    : disk_(disk), transcript_(transcript) {}

int HeadlessServices::messageBox(const std::string& text, const std::string& caption, int flags) {
    Json e = Transcript::event("message");
    e["text"] = text;
    e["caption"] = caption;
    e["flags"] = flags;
    if (offersOnlyOk(flags)) {
        transcript_.record(std::move(e));
        return mb::answerOk;
    }
    // A box with a choice asks the person something: the answer must have been foreseen.
    if (messageAnswers_.empty()) throw UnansweredQuestion("the message box \"" + text + "\"");
    const MessageAnswer answer = messageAnswers_.front();
    if (!offersButton(flags, answer)) {
        throw ScriptFault(std::string("the message box \"") + text + "\" has no button " + answerName(answer));
    }
    messageAnswers_.pop_front();
    e["answer"] = answerName(answer);
    transcript_.record(std::move(e));
    return answerValue(answer);
}

std::optional<std::string> HeadlessServices::inputBox(const std::string& prompt, const std::string& caption,
                                                      const std::string& defaultText) {
    if (inputs_.empty()) throw UnansweredQuestion("the input box \"" + prompt + "\"");
    std::optional<std::string> answer = std::move(inputs_.front());
    inputs_.pop_front();
    Json e = Transcript::event("input");
    e["prompt"] = prompt;
    e["caption"] = caption;
    e["default"] = defaultText;
    e["answer"] = answer ? Json(*answer) : Json(nullptr);
    transcript_.record(std::move(e));
    return answer;
}

std::optional<ChosenFolder> HeadlessServices::browseForFolder(const std::string& title) {
    if (folders_.empty()) throw UnansweredQuestion("the folder browser \"" + title + "\"");
    FolderAnswer answer = std::move(folders_.front());
    folders_.pop_front();
    std::optional<ChosenFolder> chosen;
    if (answer.kind == FolderAnswer::Kind::Path) chosen = ChosenFolder{answer.path, true};
    if (answer.kind == FolderAnswer::Kind::Virtual) chosen = ChosenFolder{virtualFolderName, false};
    Json e = Transcript::event("folder");
    e["title"] = title;
    e["answer"] = chosen ? Json(chosen->path) : Json(nullptr);
    transcript_.record(std::move(e));
    return chosen;
}

std::optional<std::vector<std::string>> HeadlessServices::openFiles(const std::string& filterDescription,
                                                                    const std::string& filterPatterns) {
    std::string filter = filterDescription + " (" + filterPatterns + ")";
    if (files_.empty()) throw UnansweredQuestion("the open-file dialog " + filter);
    std::optional<std::vector<std::string>> answer = std::move(files_.front());
    files_.pop_front();
    Json e = Transcript::event("files");
    e["filter"] = filter;
    e["answer"] = answer ? Json(*answer) : Json(nullptr);
    transcript_.record(std::move(e));
    return answer;
}

void HeadlessServices::startProgram(const std::string& commandLine) {
    Json e = Transcript::event("shell");
    e["command"] = commandLine;
    transcript_.record(std::move(e));
}

void HeadlessServices::processPendingMessages() {
    clock_ += messagePassSeconds;
    if (idleHook_) idleHook_();
}

double HeadlessServices::random() {
    if (fixedRandom_) return *fixedRandom_;
    // A draw can round up to 1.0 in some standard libraries; a random number stays below 1.
    const double draw = std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
    return std::min(draw, std::nextafter(1.0, 0.0));
}

bool HeadlessServices::isTopMost(WindowHandle window) const {
    auto found = topMost_.find(window);
    return found != topMost_.end() && found->second;
}

void HeadlessServices::setWindowPos(WindowHandle window, WindowHandle insertAfter, int, int, int, int,
                                    unsigned) {
    if (insertAfter == swp::topMost) topMost_[window] = true;
    if (insertAfter == swp::noTopMost) topMost_[window] = false;
}

}  // namespace qvl::platform
