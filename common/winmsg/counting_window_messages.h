#pragma once

#include <cstddef>
#include <map>

#include "common/winmsg/window_messages.h"

namespace qvl::winmsg {

// Passes every call on to another WindowMessages and counts what went through: how many
// windows were looked for and how many messages of each kind were sent.
class CountingWindowMessages : public WindowMessages {
public:
    explicit CountingWindowMessages(WindowMessages& target) : target_(target) {}

    WindowHandle findWindow(const std::optional<std::string>& className,
                            const std::optional<std::string>& windowText) override;
    WindowHandle findWindowEx(WindowHandle parent, WindowHandle childAfter,
                              const std::optional<std::string>& className,
                              const std::optional<std::string>& windowText) override;
    LResult sendMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam) override;
    LResult sendTextMessage(WindowHandle window, MessageId message, WParam wParam, std::string& buffer) override;
    LResult sendRectMessage(WindowHandle window, MessageId message, WParam wParam, Rect& rect) override;

    std::size_t windowSearches() const noexcept { return windowSearches_; }
    std::size_t messagesSent() const noexcept { return messagesSent_; }
    std::size_t messagesSent(MessageId message) const;
    void reset();

private:
    void count(MessageId message);

    WindowMessages& target_;
    std::size_t windowSearches_ = 0;
    std::size_t messagesSent_ = 0;
    std::map<MessageId, std::size_t> byMessage_;
};

}  // namespace qvl::winmsg
