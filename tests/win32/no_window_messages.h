#pragma once

#include "common/winmsg/window_messages.h"

namespace qvl::apps {

// STAND-IN until the Win32 window messages are built in: finds no window, and a message sent
// to no window answers 0, as user32 does.
class NoWindowMessages : public winmsg::WindowMessages {
public:
    winmsg::WindowHandle findWindow(const std::optional<std::string>&, const std::optional<std::string>&) override {
        return 0;
    }
    winmsg::WindowHandle findWindowEx(winmsg::WindowHandle, winmsg::WindowHandle, const std::optional<std::string>&,
                                      const std::optional<std::string>&) override {
        return 0;
    }
    winmsg::LResult sendMessage(winmsg::WindowHandle, winmsg::MessageId, winmsg::WParam, winmsg::LParam) override {
        return 0;
    }
    winmsg::LResult sendTextMessage(winmsg::WindowHandle, winmsg::MessageId, winmsg::WParam, std::string&) override {
        return 0;
    }
    winmsg::LResult sendRectMessage(winmsg::WindowHandle, winmsg::MessageId, winmsg::WParam, winmsg::Rect&) override {
        return 0;
    }
};

}  // namespace qvl::apps
