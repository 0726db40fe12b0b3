#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/reorder/dialog_windows.h"

namespace qvl::simcatia {

// The real windows of one open reorder dialog of the simulator: a top-level dialog, its frames,
// a standard list box and standard buttons, made from the simulator's layout on the calling
// thread, which pumps their messages. The simulator's dialog stays the one truth: what another
// program sends to a real window (list texts, rectangles and clicks, button clicks, a person's
// clicks) is answered by the simulator's window of the same place, texts in UTF-16 as Win32
// answers them, and the list box shows the simulator's list. After each message so answered,
// `touched` is called (with the server's lock held); it may destroy this object.
class RealReorderDialog {
public:
    RealReorderDialog(sim::reorder::DialogWindows& model, const std::vector<sim::reorder::WindowLayout>& layout,
                      std::function<void()> touched);
    ~RealReorderDialog();
    RealReorderDialog(const RealReorderDialog&) = delete;
    RealReorderDialog& operator=(const RealReorderDialog&) = delete;

    // The simulator's dialog that these windows show.
    winmsg::WindowHandle modelDialog() const noexcept { return modelDialog_; }
    HWND window() const noexcept { return dialog_; }

    // Brings the list box's items, view and selection in step with the simulator's list.
    void refresh();

private:
    enum class Kind { Dialog, Frame, List, Button };
    struct Part {
        winmsg::WindowHandle model;
        Kind kind;
    };

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self);
    HWND create(const sim::reorder::WindowLayout& layout, Kind kind, int id);
    bool answers(HWND window, UINT message) const;
    std::optional<LRESULT> answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> answerList(HWND list, winmsg::WindowHandle model, UINT message, WPARAM wParam,
                                      LPARAM lParam);
    std::optional<std::string> itemText(winmsg::WindowHandle list, WPARAM index);
    // A message to a real window that its own procedure answers, past the simulator.
    LRESULT sendPast(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    sim::reorder::DialogWindows& model_;
    std::function<void()> touched_;
    winmsg::WindowHandle modelDialog_ = 0;
    winmsg::WindowHandle modelList_ = 0;
    HWND dialog_ = nullptr;
    HWND list_ = nullptr;
    std::map<HWND, Part> parts_;
    std::vector<std::string> shownNames_;
    bool passing_ = false;
};

}  // namespace qvl::simcatia
