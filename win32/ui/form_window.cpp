#include "win32/ui/form_window.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "win32/base/program_window.h"
#include "win32/base/wide_text.h"
#include "win32/ui/event_guard.h"
#include "win32/ui/taskbar_progress.h"
#include "win32/ui/twips.h"

namespace qvl::win32 {
namespace {

using ui::ControlKind;

constexpr DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD formExtendedStyle = WS_EX_CONTROLPARENT;
// The point size of the controls' fonts.
constexpr int fontPoints = 9;
constexpr int minimumFontPoints = 6;
// The pixels between a button's edge and its caption, on each side.
constexpr int buttonMargin = 3;

void registerWindowClass(WNDPROC windowProcOfForms) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcOfForms;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    windowClass.lpszClassName = programWindowClass;
    RegisterClassExW(&windowClass);
    registered = true;
}

RECT outerRect(double clientWidthTwips, double clientHeightTwips, int dpi) {
    RECT rect{0, 0, twipsToPixels(clientWidthTwips, dpi), twipsToPixels(clientHeightTwips, dpi)};
    AdjustWindowRectExForDpi(&rect, formStyle, FALSE, formExtendedStyle, static_cast<UINT>(dpi));
    return rect;
}

// Posted to itself when the program unloads the form: the window goes once the event being
// handled has ended.
constexpr UINT unloadMessage = WM_APP + 1;

bool isOptionKey(WPARAM key) { return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT; }

}  // namespace

FormWindow::FormWindow(ui::Form& form, std::string programTitle)
    : form_(form), programTitle_(std::move(programTitle)) {
    registerWindowClass(&FormWindow::windowProc);
    window_ = CreateWindowExW(formExtendedStyle, programWindowClass, toWide(form.caption()).c_str(), formStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    if (!window_) throw std::runtime_error("the window \"" + form.caption() + "\" cannot be created");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
    if (dpi_ <= 0) dpi_ = 96;
    RECT outer = outerRect(form.width(), form.height(), dpi_);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    try {
        createControls();
    } catch (...) {
        peers_.clear();
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
        throw;
    }
    form_.setPeer(this);
}

FormWindow::~FormWindow() {
    if (form_.peer() == this) form_.setPeer(nullptr);
    byWindow_.clear();
    peers_.clear();
    if (IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

HFONT FormWindow::fontFor(const std::string& name, int points) {
    std::string key = name + "/" + std::to_string(points);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();
    LOGFONTW font{};
    font.lfHeight = -MulDiv(points, dpi_, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    std::wstring face = toWide(name);
    face.resize(std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    std::copy(face.begin(), face.end(), font.lfFaceName);
    return fonts_.emplace(key, UniqueFont(CreateFontIndirectW(&font))).first->second.get();
}

HFONT FormWindow::fittingFont(const ui::Control& control, RECT pixels) {
    HFONT font = fontFor(control.fontName(), fontPoints);
    if (control.kind() != ControlKind::Button) return font;
    // A button's caption that does not fit its button at the usual size is set smaller, so
    // that it is read whole rather than cut.
    std::wstring caption = toWide(control.caption());
    HDC context = GetDC(window_);
    for (int points = fontPoints; points >= minimumFontPoints; --points) {
        font = fontFor(control.fontName(), points);
        HGDIOBJ previous = SelectObject(context, font);
        SIZE extent{};
        GetTextExtentPoint32W(context, caption.c_str(), static_cast<int>(caption.size()), &extent);
        SelectObject(context, previous);
        int width = pixels.right - pixels.left - 2 * buttonMargin;
        int lines = std::max(1L, (pixels.bottom - pixels.top - 2 * buttonMargin) / std::max(1L, extent.cy));
        if (extent.cx <= width * lines) break;
    }
    ReleaseDC(window_, context);
    return font;
}

RECT FormWindow::pixelsOf(const ui::Control& control) const {
    // Positions are relative to the container: add up the containers' positions in twips.
    double left = control.bounds().left;
    double top = control.bounds().top;
    for (const ui::Control* container = form_.find(control.container()); container;
         container = form_.find(container->container())) {
        left += container->bounds().left;
        top += container->bounds().top;
        if (container->container().empty()) break;
    }
    return RECT{twipsToPixels(left, dpi_), twipsToPixels(top, dpi_), twipsToPixels(left + control.bounds().width, dpi_),
                twipsToPixels(top + control.bounds().height, dpi_)};
}

void FormWindow::createControls() {
    const auto& controls = form_.controls();
    for (std::size_t index = 0; index < controls.size(); ++index) {
        ui::Control& control = *controls[index];
        RECT pixels = pixelsOf(control);
        auto peer = std::make_unique<ControlWindow>(
            control, window_, pixels, [this, pixels](const ui::Control& c) { return fittingFont(c, pixels); });
        byWindow_[peer->handle()] = peer.get();
        peers_.push_back(std::move(peer));
    }
    // Drawing order as the tables mean it: a control declared later lies above an earlier one
    // it overlaps, and frames lie below everything they hold. (Tab order is kept separately.)
    for (const auto& peer : peers_) {
        if (peer->control().kind() != ControlKind::Frame) {
            SetWindowPos(peer->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    for (const auto& peer : peers_) {
        if (peer->control().kind() == ControlKind::Frame) {
            SetWindowPos(peer->handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void FormWindow::captionChanged(const ui::Form&) { SetWindowTextW(window_, toWide(form_.caption()).c_str()); }

void FormWindow::progressChanged(const ui::Form&) { showTaskbarProgress(window_, form_.progress()); }

void FormWindow::unloadRequested(const ui::Form&) { PostMessageW(window_, unloadMessage, 0, 0); }

void FormWindow::closeNow() {
    PostQuitMessage(0);
    DestroyWindow(window_);
}

ControlWindow* FormWindow::peer(const std::string& name) const {
    for (const auto& peer : peers_) {
        if (peer->control().name() == name) return peer.get();
    }
    return nullptr;
}

ControlWindow* FormWindow::peer(HWND child) const {
    // A combo box's field is a child of the combo box.
    for (HWND window = child; window && window != window_; window = GetParent(window)) {
        auto found = byWindow_.find(window);
        if (found != byWindow_.end()) return found->second;
    }
    return nullptr;
}

void FormWindow::syncAll() {
    if (!IsWindow(window_)) return;
    for (const auto& peer : peers_) peer->sync();
    syncPlacement();
}

double FormWindow::outerWidthTwips() const {
    RECT outer = outerRect(form_.width(), form_.height(), dpi_);
    return pixelsToTwips(outer.right - outer.left, dpi_);
}

double FormWindow::outerHeightTwips() const {
    RECT outer = outerRect(form_.width(), form_.height(), dpi_);
    return pixelsToTwips(outer.bottom - outer.top, dpi_);
}

void FormWindow::syncPlacement() {
    RECT now{};
    GetWindowRect(window_, &now);
    int x = twipsToPixels(form_.left(), dpi_);
    int y = twipsToPixels(form_.top(), dpi_);
    if (now.left == x && now.top == y) return;
    placing_ = true;
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
}

void FormWindow::centreOnScreen() {
    double screenWidth = pixelsToTwips(GetSystemMetrics(SM_CXSCREEN), dpi_);
    double screenHeight = pixelsToTwips(GetSystemMetrics(SM_CYSCREEN), dpi_);
    form_.move((screenWidth - outerWidthTwips()) / 2, (screenHeight - outerHeightTwips()) / 2);
    syncPlacement();
}

void FormWindow::raise(ControlWindow& peer, WORD notification) {
    runEvent(window_, programTitle_, [&] { peer.onCommand(notification); });
}

void FormWindow::focusNext(ControlWindow* from, bool backwards) {
    auto count = static_cast<std::ptrdiff_t>(peers_.size());
    if (count == 0) return;
    std::ptrdiff_t start = -1;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        if (peers_[static_cast<std::size_t>(i)].get() == from) start = i;
    }
    if (start < 0) start = backwards ? 0 : count - 1;
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        std::ptrdiff_t i = ((start + (backwards ? -step : step)) % count + count) % count;
        ControlWindow& next = *peers_[static_cast<std::size_t>(i)];
        if (!next.takesTabStop()) continue;
        SetFocus(next.handle());
        if (next.control().hasText()) SendMessageW(next.handle(), EM_SETSEL, 0, -1);
        if (next.control().kind() == ControlKind::ComboBox) SendMessageW(next.handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        return;
    }
}

bool FormWindow::navigate(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    bool control = GetKeyState(VK_CONTROL) < 0;
    bool alt = GetKeyState(VK_MENU) < 0;
    if (control || alt) return false;
    ControlWindow* focused = peer(GetFocus());
    if (message.wParam == VK_TAB) {
        focusNext(focused, GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    // A control that is not enabled takes no keys, though it may keep the focus it had when it
    // was disabled (a busy window's controls).
    if (!focused || !focused->control().enabled()) return false;
    ui::Control& current = focused->control();
    if (message.wParam == VK_RETURN && current.kind() == ControlKind::Button) {
        raise(*focused, BN_CLICKED);
        return true;
    }
    if (isOptionKey(message.wParam) && current.kind() == ControlKind::Option) {
        // The arrows move through the option group in declared order and set the option reached.
        std::vector<ui::Control*> group = form_.optionGroup(current);
        auto at = std::find(group.begin(), group.end(), &current) - group.begin();
        auto size = static_cast<std::ptrdiff_t>(group.size());
        bool back = message.wParam == VK_UP || message.wParam == VK_LEFT;
        ui::Control* target = group[static_cast<std::size_t>(((at + (back ? -1 : 1)) % size + size) % size)];
        ControlWindow* targetPeer = peer(target->name());
        SetFocus(targetPeer->handle());
        runEvent(window_, programTitle_, [&] { target->setValue(1); });
        return true;
    }
    return false;
}

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == navigationMessage()) return navigate(*reinterpret_cast<const MSG*>(lParam)) ? 1 : 0;
    switch (message) {
        case WM_COMMAND:
            if (ControlWindow* from = lParam ? peer(reinterpret_cast<HWND>(lParam)) : nullptr) {
                raise(*from, HIWORD(wParam));
            }
            return 0;
        case WM_WINDOWPOSCHANGED: {
            // The user moved the window: the model's Left and Top follow.
            const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (!placing_ && !(position->flags & SWP_NOMOVE)) {
                form_.move(pixelsToTwips(position->x, dpi_), pixelsToTwips(position->y, dpi_));
            }
            break;
        }
        case WM_CLOSE: {
            // Closing the window ends the program, unless the form asks to stay (it is busy).
            bool mayClose = false;
            runEvent(window_, programTitle_, [&] { mayClose = form_.Form_QueryUnload(); });
            if (mayClose) closeNow();
            return 0;
        }
        case unloadMessage:
            closeNow();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace qvl::win32
