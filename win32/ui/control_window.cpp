#include "win32/ui/control_window.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "win32/base/wide_text.h"
#include "win32/base/window_texts.h"
#include "win32/ui/control_styles.h"

namespace qvl::win32 {
namespace {

using ui::ControlKind;

// A combo box's window holds its drop-down list too: this many pixels of list below the field.
constexpr int comboListHeight = 200;

}  // namespace

ControlWindow::ControlWindow(ui::Control& control, HWND parent, RECT pixels, FontSource fontFor)
    : control_(control), fontFor_(std::move(fontFor)) {
    ChildStyle style = childStyleOf(control);
    int height = pixels.bottom - pixels.top;
    if (control.kind() == ControlKind::ComboBox) height += comboListHeight;
    window_ = CreateWindowExW(style.extended, style.className, L"", style.style | WS_CHILD | WS_VISIBLE, pixels.left,
                              pixels.top, pixels.right - pixels.left, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id())), GetModuleHandleW(nullptr),
                              nullptr);
    if (!window_) throw std::runtime_error("the window of control " + control.name() + " cannot be created");
    if (control.kind() == ControlKind::ComboBox) {
        // The field keeps the height the table gives; the list drops below it.
        SendMessageW(window_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), pixels.bottom - pixels.top - 6);
    }
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor_(control_)), FALSE);
    sync();
    control_.setPeer(this);
}

ControlWindow::~ControlWindow() {
    if (control_.peer() == this) control_.setPeer(nullptr);
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

std::wstring ControlWindow::windowText() const { return win32::windowText(window_); }

void ControlWindow::sync() {
    syncing_ = true;
    syncItems();
    syncText();
    switch (control_.kind()) {
        case ControlKind::CheckBox:
        case ControlKind::Option:
            if (SendMessageW(window_, BM_GETCHECK, 0, 0) != control_.value()) {
                SendMessageW(window_, BM_SETCHECK, static_cast<WPARAM>(control_.value()), 0);
            }
            break;
        case ControlKind::ListBox: {
            std::vector<int> chosen = control_.selectedIndexes();
            if (control_.style().multiSelect) {
                for (int i = 0; i < control_.listCount(); ++i) {
                    bool shown = SendMessageW(window_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
                    if (shown != control_.selected(i)) SendMessageW(window_, LB_SETSEL, control_.selected(i), i);
                }
            } else {
                int index = chosen.empty() ? -1 : chosen.front();
                if (SendMessageW(window_, LB_GETCURSEL, 0, 0) != index) SendMessageW(window_, LB_SETCURSEL, index, 0);
            }
            break;
        }
        default:
            break;
    }
    if ((IsWindowEnabled(window_) != FALSE) != control_.enabled()) EnableWindow(window_, control_.enabled());
    syncing_ = false;
}

void ControlWindow::fontChanged(const ui::Control&) {
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor_(control_)), TRUE);
}

void ControlWindow::syncText() {
    if (control_.kind() == ControlKind::ListBox) return;
    std::wstring wanted = toWide(control_.caption());
    if (control_.kind() == ControlKind::TextBox && control_.style().multiLine) {
        // The edit control breaks lines at CR LF only.
        std::wstring crlf;
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            if (wanted[i] == L'\n' && (i == 0 || wanted[i - 1] != L'\r')) crlf += L'\r';
            crlf += wanted[i];
        }
        wanted = std::move(crlf);
    }
    if (windowText() != wanted) SetWindowTextW(window_, wanted.c_str());
}

void ControlWindow::syncItems() {
    bool combo = control_.kind() == ControlKind::ComboBox;
    if (!combo && control_.kind() != ControlKind::ListBox) return;
    UINT count = combo ? CB_GETCOUNT : LB_GETCOUNT;
    UINT length = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    UINT text = combo ? CB_GETLBTEXT : LB_GETTEXT;
    const auto& items = control_.items();
    bool same = SendMessageW(window_, count, 0, 0) == static_cast<LRESULT>(items.size());
    for (std::size_t i = 0; same && i < items.size(); ++i) {
        same = itemText(window_, length, text, static_cast<int>(i)) == toWide(items[i]);
    }
    if (same) return;
    SendMessageW(window_, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    for (const auto& item : items) {
        std::wstring wide = toWide(item);
        SendMessageW(window_, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
}

void ControlWindow::onCommand(WORD notification) {
    if (syncing_) return;
    switch (control_.kind()) {
        case ControlKind::Button:
            if (notification == BN_CLICKED) control_.click();
            break;
        case ControlKind::CheckBox:
        case ControlKind::Option:
            // The model decides the new value (a check box's change raises Click, an option
            // clears the others of its group); sync() shows it.
            if (notification == BN_CLICKED) control_.click();
            break;
        case ControlKind::Label:
            if (notification == STN_CLICKED) control_.click();
            if (notification == STN_DBLCLK) control_.dblClick();
            break;
        case ControlKind::TextBox:
            if (notification == EN_CHANGE) control_.setText(toUtf8(windowText()));
            break;
        case ControlKind::ComboBox:
            if (notification == CBN_EDITCHANGE) control_.setText(toUtf8(windowText()));
            if (notification == CBN_SELCHANGE) {
                LRESULT index = SendMessageW(window_, CB_GETCURSEL, 0, 0);
                if (index >= 0) {
                    control_.setText(toUtf8(itemText(window_, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<int>(index))));
                    control_.click();
                }
            }
            break;
        case ControlKind::ListBox:
            if (notification == LBN_SELCHANGE) {
                // Read the whole selection first: each change told to the model is shown again.
                std::vector<bool> chosen;
                for (int i = 0; i < control_.listCount(); ++i) {
                    chosen.push_back(SendMessageW(window_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0);
                }
                for (int i = 0; i < control_.listCount(); ++i) control_.setSelected(i, chosen[static_cast<std::size_t>(i)]);
                control_.click();
            }
            if (notification == LBN_DBLCLK) control_.dblClick();
            break;
        case ControlKind::Frame:
            break;
    }
}

bool ControlWindow::takesTabStop() const {
    if (!control_.enabled() || !IsWindowVisible(window_)) return false;
    switch (control_.kind()) {
        case ControlKind::Frame:
        case ControlKind::Label:
            return false;
        case ControlKind::Option:
            return control_.value() == 1;
        default:
            return true;
    }
}

}  // namespace qvl::win32
