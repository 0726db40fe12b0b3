#pragma once

#include "common/winmsg/window_messages.h"

namespace qvl::win32 {

// Other programs' windows reached through user32's wide-character functions (FindWindowW,
// FindWindowExW, SendMessageW), so that a window's texts are found and read correctly whatever
// the system's ANSI code page. The interface's texts are UTF-8; they are converted to and from
// UTF-16 here, at the call, and a list item's length is told in UTF-8 bytes.
class Win32WindowMessages : public winmsg::WindowMessages {
public:
    WindowHandle findWindow(const std::optional<std::string>& className,
                            const std::optional<std::string>& windowText) override;
    WindowHandle findWindowEx(WindowHandle parent, WindowHandle childAfter,
                              const std::optional<std::string>& className,
                              const std::optional<std::string>& windowText) override;
    winmsg::LResult sendMessage(WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                                winmsg::LParam lParam) override;
    winmsg::LResult sendTextMessage(WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                                    std::string& buffer) override;
    winmsg::LResult sendRectMessage(WindowHandle window, winmsg::MessageId message, winmsg::WParam wParam,
                                    winmsg::Rect& rect) override;
};

}  // namespace qvl::win32
