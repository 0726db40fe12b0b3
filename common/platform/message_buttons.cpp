#include "common/platform/message_buttons.h"

#include "common/platform/services.h"

namespace qvl::platform {
namespace {

// The button sets of the style flags' lowest four bits (MB_OK ... MB_CANCELTRYCONTINUE), by the
// answers of this vocabulary that each offers.
constexpr int buttonsMask = 0xF;
enum ButtonSet { okOnly = mb::okOnly, okCancel = 1, abortRetryIgnore = 2, yesNoCancel = 3, yesNo = mb::yesNo,
                 retryCancel = 5, cancelTryContinue = 6 };

}  // namespace

int answerValue(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok: return mb::answerOk;
        case MessageAnswer::Cancel: return mb::answerCancel;
        case MessageAnswer::Yes: return mb::answerYes;
        case MessageAnswer::No: return mb::answerNo;
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
