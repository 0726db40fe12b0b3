#pragma once

#include "common/winmsg/window_messages.h"

namespace qvl::winmsg {

// A machine without other programs' windows: finds no window, and a message sent to no window
// answers 0, as user32 does.
class NoWindowMessages : public WindowMessages {
public:
    WindowHandle findWindow(const std::optional<std::string>&, const std::optional<std::string>&) override {
        return 0;
    }
    WindowHandle findWindowEx(WindowHandle, WindowHandle, const std::optional<std::string>&,
                                      const std::optional<std::string>&) override {
        return 0;
    }
    LResult sendMessage(WindowHandle, MessageId, WParam, LParam) override {
        return 0;
    }
    LResult sendTextMessage(WindowHandle, MessageId, WParam, std::string&) override {
        return 0;
    }
    LResult sendRectMessage(WindowHandle, MessageId, WParam, Rect&) override {
        return 0;
    }
};

}  // namespace qvl::winmsg
