#include "common/platform/message_buttons.h"

namespace qvl::platform {
namespace {

// The button sets of the style flags' lowest four bits (MB_OK ... MB_CANCELTRYCONTINUE), by the
// answers of this vocabulary that each offers.
constexpr int buttonsMask = 0xF;
enum ButtonSet { okOnly = 0, okCancel = 1, abortRetryIgnore = 2, yesNoCancel = 3, yesNo = 4, retryCancel = 5,
                 cancelTryContinue = 6 };

}  // namespace

int answerValue(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok: return 1;
        case MessageAnswer::Cancel: return 2;
        case MessageAnswer::Yes: return 6;
        case MessageAnswer::No: return 7;
    }
    return 0;
}

const char* answerName(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok: return "ok";
        case MessageAnswer::Cancel: return "cancel";
        case MessageAnswer::Yes: return "yes";
        case MessageAnswer::No: return "no";
    }
    return "";
}

std::optional<MessageAnswer> answerNamed(std::string_view name) {
    for (MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::Yes, MessageAnswer::No}) {
        if (name == answerName(answer)) return answer;
    }
    return std::nullopt;
}

bool offersButton(int flags, MessageAnswer answer) {
    switch (flags & buttonsMask) {
        case okOnly: return answer == MessageAnswer::Ok;
        case okCancel: return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
        case yesNoCancel: return answer != MessageAnswer::Ok;
        case yesNo: return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
        case retryCancel:
        case cancelTryContinue: return answer == MessageAnswer::Cancel;
        case abortRetryIgnore:
        default: return false;
    }
}

bool offersOnlyOk(int flags) { return (flags & buttonsMask) == okOnly; }

}  // namespace qvl::platform
