#include "common/winmsg/counting_window_messages.h"

namespace qvl::winmsg {

WindowHandle CountingWindowMessages::findWindow(const std::optional<std::string>& className,
                                                const std::optional<std::string>& windowText) {
    ++windowSearches_;
    return target_.findWindow(className, windowText);
}

WindowHandle CountingWindowMessages::findWindowEx(WindowHandle parent, WindowHandle childAfter,
                                                  const std::optional<std::string>& className,
                                                  const std::optional<std::string>& windowText) {
    ++windowSearches_;
    return target_.findWindowEx(parent, childAfter, className, windowText);
}

LResult CountingWindowMessages::sendMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
    count(message);
    return target_.sendMessage(window, message, wParam, lParam);
}

LResult CountingWindowMessages::sendTextMessage(WindowHandle window, MessageId message, WParam wParam,
                                                std::string& buffer) {
    count(message);
    return target_.sendTextMessage(window, message, wParam, buffer);
}

LResult CountingWindowMessages::sendRectMessage(WindowHandle window, MessageId message, WParam wParam, Rect& rect) {
    count(message);
    return target_.sendRectMessage(window, message, wParam, rect);
}

std::size_t CountingWindowMessages::messagesSent(MessageId message) const {
    auto found = byMessage_.find(message);
    return found == byMessage_.end() ? 0 : found->second;
}

void CountingWindowMessages::reset() {
    windowSearches_ = 0;
    messagesSent_ = 0;
    byMessage_.clear();
}

void CountingWindowMessages::count(MessageId message) {
    ++messagesSent_;
    ++byMessage_[message];
}

}  // namespace qvl::winmsg
