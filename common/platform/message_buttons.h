#pragma once

#include <optional>
#include <string_view>

namespace qvl::platform {

// The buttons of a message box, as its style flags choose them, and the answer a person gives
// by pressing one.
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The value a message box returns for the button (IDOK, IDCANCEL, IDYES, IDNO).
int answerValue(MessageAnswer answer);
// "ok", "cancel", "yes", "no"; and back (nullopt for any other word).
const char* answerName(MessageAnswer answer);
std::optional<MessageAnswer> answerNamed(std::string_view name);

// Whether a box with these style flags offers the button; a box that offers only OK asks
// nothing.
bool offersButton(int flags, MessageAnswer answer);
bool offersOnlyOk(int flags);

}  // namespace qvl::platform
