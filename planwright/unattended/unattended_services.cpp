#include "planwright/unattended/unattended_services.h"

#include "common/platform/message_buttons.h"

namespace qvl::planwright {

using platform::MessageAnswer;

int UnattendedServices::messageBox(const std::string& text, const std::string&, int flags) {
    if (platform::offersOnlyOk(flags)) {
        log_.message(text);
        return platform::answerValue(MessageAnswer::Ok);
    }
    const MessageAnswer answer = platform::offersButton(flags, MessageAnswer::No) ? MessageAnswer::No : MessageAnswer::Cancel;
    log_.message(text + " (" + (answer == MessageAnswer::No ? "否" : "取消") + ")");
    return platform::answerValue(answer);
}

std::optional<std::string> UnattendedServices::inputBox(const std::string&, const std::string&,
                                                        const std::string& defaultText) {
    return drawingName_.value_or(defaultText);
}

std::optional<platform::ChosenFolder> UnattendedServices::browseForFolder(const std::string& title) {
    log_.message(title + " (取消)");
    return std::nullopt;
}

std::optional<std::vector<std::string>> UnattendedServices::openFiles(const std::string& filterDescription,
                                                                      const std::string&) {
    log_.message(filterDescription + " (取消)");
    return std::nullopt;
}

void UnattendedServices::startProgram(const std::string&) {}

}  // namespace qvl::planwright
