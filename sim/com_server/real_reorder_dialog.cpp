#include "sim/com_server/real_reorder_dialog.h"

#include <algorithm>
#include <mutex>

#include "sim/com_server/server_calls.h"
#include "sim/reorder/item_list.h"
#include "win32/base/wide_text.h"

namespace qvl::simcatia {

using sim::reorder::WindowLayout;
using winmsg::WindowHandle;
namespace msg = winmsg::msg;

namespace {

constexpr int firstControlId = 1001;

// A class of the layout that the system does not know (CATIA's frames): a plain window in the
// dialog's colour.
void registerUnlessKnown(const std::wstring& className) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW known{};
    known.cbSize = sizeof(known);
    if (GetClassInfoExW(instance, className.c_str(), &known) || GetClassInfoExW(nullptr, className.c_str(), &known)) {
        return;
    }
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof(frame);
    frame.lpfnWndProc = DefWindowProcW;
    frame.hInstance = instance;
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frame.lpszClassName = className.c_str();
    RegisterClassExW(&frame);
}

int widthOf(const winmsg::Rect& r) { return r.right - r.left; }
int heightOf(const winmsg::Rect& r) { return r.bottom - r.top; }

// Makes a child window's client area exactly this size, whatever its border and scroll bar take.
void setClientSize(HWND window, int width, int height) {
    RECT client{};
    RECT outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    const int extraWidth = (outer.right - outer.left) - client.right;
    const int extraHeight = (outer.bottom - outer.top) - client.bottom;
    SetWindowPos(window, nullptr, 0, 0, width + extraWidth, height + extraHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool isListBoxMessage(UINT message) { return message >= LB_ADDSTRING && message <= LB_MSGMAX; }

}  // namespace

RealReorderDialog::RealReorderDialog(sim::reorder::DialogWindows& model, const std::vector<WindowLayout>& layout,
                                     std::function<void()> touched)
    : model_(model), touched_(std::move(touched)) {
    int id = firstControlId;
    for (const WindowLayout& w : layout) {
        Kind kind = Kind::Frame;
        if (w.parent == 0) kind = Kind::Dialog;
        else if (w.className == "ListBox") kind = Kind::List;
        else if (w.className == "Button") kind = Kind::Button;
        HWND real = create(w, kind, kind == Kind::Dialog ? 0 : id++);
        if (!real) continue;
        parts_[real] = {w.handle, kind};
        if (kind == Kind::Dialog) {
            dialog_ = real;
            modelDialog_ = w.handle;
        } else if (kind == Kind::List) {
            list_ = real;
            modelList_ = w.handle;
        }
    }
    refresh();
    if (dialog_) {
        ShowWindow(dialog_, SW_SHOWNOACTIVATE);
        UpdateWindow(dialog_);
    }
}

RealReorderDialog::~RealReorderDialog() {
    if (dialog_) DestroyWindow(dialog_);
}

HWND RealReorderDialog::create(const WindowLayout& w, Kind kind, int id) {
    const std::wstring className = win32::toWide(w.className);
    const std::wstring text = win32::toWide(w.text);
    registerUnlessKnown(className);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND parent = nullptr;
    for (const auto& [real, part] : parts_) {
        if (part.model == w.parent) parent = real;
    }
    if (kind != Kind::Dialog && !parent) return nullptr;

    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    RECT place{w.bounds.left, w.bounds.top, w.bounds.right, w.bounds.bottom};
    switch (kind) {
        case Kind::Dialog: {
            // A dialog frame with a title bar, centred in the work area of the screen.
            style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | DS_MODALFRAME;
            exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
            place = RECT{0, 0, widthOf(w.bounds), heightOf(w.bounds)};
            AdjustWindowRectEx(&place, style, FALSE, exStyle);
            RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
            OffsetRect(&place, work.left + (work.right - work.left - (place.right - place.left)) / 2 - place.left,
                       work.top + (work.bottom - work.top - (place.bottom - place.top)) / 2 - place.top);
            break;
        }
        case Kind::List:
            style |= WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case Kind::Button: style |= WS_TABSTOP | BS_PUSHBUTTON; break;
        case Kind::Frame:
            style |= WS_CLIPSIBLINGS;
            exStyle = WS_EX_CONTROLPARENT;
            break;
    }
    HWND window = CreateWindowExW(exStyle, className.c_str(), text.c_str(), style, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, parent,
                                  kind == Kind::Dialog ? nullptr : reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  instance, nullptr);
    if (!window) return nullptr;
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    if (kind == Kind::List) {
        // Rows as high as the simulator's, so that a point hits the same row in both; the
        // font set above would otherwise decide.
        SendMessageW(window, LB_SETITEMHEIGHT, 0, sim::reorder::ItemList::itemHeight);
        setClientSize(window, widthOf(w.bounds), heightOf(w.bounds));
    }
    SetWindowSubclass(window, windowProc, 0, reinterpret_cast<DWORD_PTR>(this));
    return window;
}

LRESULT CALLBACK RealReorderDialog::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
    auto& dialog = *reinterpret_cast<RealReorderDialog*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, windowProc, 0);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (dialog.passing_ || !dialog.answers(window, message)) return DefSubclassProc(window, message, wParam, lParam);

    std::unique_lock guard(serverState().lock);
    const std::optional<LRESULT> result = dialog.answer(window, message, wParam, lParam);
    if (!result) {
        guard.unlock();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    // The simulator may have closed the dialog, and this object may end with it: nothing of it
    // is touched after this call.
    const std::function<void()> touched = dialog.touched_;
    touched();
    return *result;
}

bool RealReorderDialog::answers(HWND window, UINT message) const {
    const auto part = parts_.find(window);
    if (part == parts_.end()) return false;
    switch (part->second.kind) {
        case Kind::List:
            return isListBoxMessage(message) || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
                   message == WM_LBUTTONDBLCLK || message == WM_KEYDOWN || message == WM_CHAR ||
                   message == WM_VSCROLL || message == WM_MOUSEWHEEL;
        case Kind::Button: return message == BM_CLICK;
        case Kind::Dialog:
        case Kind::Frame: return message == WM_COMMAND;
    }
    return false;
}

std::optional<LRESULT> RealReorderDialog::answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Part& part = parts_.at(window);
    switch (part.kind) {
        case Kind::List: return answerList(window, part.model, message, wParam, lParam);
        case Kind::Button:
            // BM_CLICK: the simulator's button is pressed; the real one is not, or it would tell
            // its parent a second time.
            model_.sendMessage(part.model, msg::bmClick, 0, 0);
            return 0;
        case Kind::Dialog:
        case Kind::Frame: {
            // A person's click on a real button reaches its parent as BN_CLICKED.
            const auto button = parts_.find(reinterpret_cast<HWND>(lParam));
            if (HIWORD(wParam) != BN_CLICKED || button == parts_.end() || button->second.kind != Kind::Button) {
                return std::nullopt;
            }
            model_.sendMessage(button->second.model, msg::bmClick, 0, 0);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<LRESULT> RealReorderDialog::answerList(HWND list, WindowHandle model, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
    switch (message) {
        case LB_GETTEXTLEN: {
            // In UTF-16 units, the room that LB_GETTEXT needs without its terminating zero.
            const auto text = itemText(model, wParam);
            return text ? static_cast<LRESULT>(win32::toWide(*text).size()) : LB_ERR;
        }
        case LB_GETTEXT: {
            const auto text = itemText(model, wParam);
            if (!text || lParam == 0) return LB_ERR;
            const std::wstring wide = win32::toWide(*text);
            auto* buffer = reinterpret_cast<wchar_t*>(lParam);
            std::copy(wide.begin(), wide.end(), buffer);
            buffer[wide.size()] = L'\0';
            return static_cast<LRESULT>(wide.size());
        }
        case LB_GETITEMRECT: {
            winmsg::Rect rect;
            const LRESULT result = model_.sendRectMessage(model, msg::lbGetItemRect, wParam, rect);
            if (lParam != 0) *reinterpret_cast<RECT*>(lParam) = RECT{rect.left, rect.top, rect.right, rect.bottom};
            return result;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: return model_.sendMessage(model, msg::wmLButtonDown, wParam, lParam);
        case WM_LBUTTONUP: return model_.sendMessage(model, msg::wmLButtonUp, wParam, lParam);
        case WM_KEYDOWN:
        case WM_CHAR:
            // The simulator's list takes no keys; the real one keeps its selection.
            return 0;
        case WM_VSCROLL:
        case WM_MOUSEWHEEL: {
            // The real list scrolls, and the simulator's list follows its view.
            const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
            const LRESULT top = sendPast(list, LB_GETTOPINDEX, 0, 0);
            if (top >= 0) model_.sendMessage(model, msg::lbSetTopIndex, static_cast<WPARAM>(top), 0);
            return result;
        }
        default:
            // Every other list box message is the simulator's to answer (0 for those it does not
            // know), so that no one changes the real list behind its back.
            return model_.sendMessage(model, message, wParam, lParam);
    }
}

std::optional<std::string> RealReorderDialog::itemText(WindowHandle list, WPARAM index) {
    const winmsg::LResult length = model_.sendMessage(list, msg::lbGetTextLen, index, 0);
    if (length < 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    const winmsg::LResult written = model_.sendTextMessage(list, msg::lbGetText, index, text);
    if (written < 0) return std::nullopt;
    text.resize(std::min(text.size(), static_cast<std::size_t>(written)));
    return text;
}

LRESULT RealReorderDialog::sendPast(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool wasPassing = std::exchange(passing_, true);
    const LRESULT result = SendMessageW(window, message, wParam, lParam);
    passing_ = wasPassing;
    return result;
}

void RealReorderDialog::refresh() {
    if (!list_) return;
    const auto names = model_.listedNames();
    if (!names) return;
    if (*names != shownNames_) {
        sendPast(list_, WM_SETREDRAW, FALSE, 0);
        sendPast(list_, LB_RESETCONTENT, 0, 0);
        for (const std::string& name : *names) {
            const std::wstring wide = win32::toWide(name);
            sendPast(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        }
        sendPast(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
        shownNames_ = *names;
    }
    // The selection first: selecting scrolls the real list to the item.
    const LRESULT selected = model_.sendMessage(modelList_, msg::lbGetCurSel, 0, 0);
    sendPast(list_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    sendPast(list_, LB_SETTOPINDEX, static_cast<WPARAM>(model_.sendMessage(modelList_, msg::lbGetTopIndex, 0, 0)), 0);
}

}  // namespace qvl::simcatia
