#pragma once

namespace qvl::win32 {

// What a GUI program sets up on its user-interface thread for its whole life: OLE (a
// single-threaded apartment, which the shell's dialogs and the COM client need) and the common
// controls of version 6.
class GuiSession {
public:
    GuiSession();
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

private:
    bool oleStarted_;
};

}  // namespace qvl::win32
