#include "sim/reorder/reorder_dialog.h"

#include <algorithm>

#include "common/text/utf8.h"

namespace qvl::sim::reorder {

using winmsg::LParam;
using winmsg::LResult;
using winmsg::MessageId;
using winmsg::WindowHandle;
using winmsg::WParam;
namespace msg = winmsg::msg;

namespace {

constexpr const char* dialogClass = "#32770";
constexpr const char* frameClass = "CATDlgFrame";
constexpr const char* buttonClass = "Button";
constexpr const char* listClass = "ListBox";

// The dialog's layout in pixels: the list beside the move buttons, OK and Apply below both.
// The list's rows are ItemList's; its frame leaves room for a border and a scroll bar.
constexpr int margin = 8;
constexpr int buttonWidth = 88;
constexpr int buttonHeight = 24;
constexpr int listWidth = ItemList::clientWidth;
constexpr int listHeight = ItemList::visibleRows * ItemList::itemHeight;
constexpr int listFrameWidth = listWidth + 30;
constexpr int listFrameHeight = listHeight + 8;
constexpr int frameWidth = listFrameWidth + margin + buttonWidth;
constexpr int buttonsTop = margin + listFrameHeight + margin;
constexpr int dialogWidth = margin + frameWidth + margin;
constexpr int dialogHeight = buttonsTop + buttonHeight + margin;

winmsg::Rect at(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// The signed coordinates packed into a mouse message's lParam.
int lowWordSigned(LParam value) { return static_cast<std::int16_t>(value & 0xFFFF); }
int highWordSigned(LParam value) { return static_cast<std::int16_t>((value >> 16) & 0xFFFF); }

}  // namespace

bool windowTextMatches(const std::string& text, const std::optional<std::string>& wanted) {
    if (!wanted) return true;
    return text::compareTextIgnoreCase(text, *wanted) == 0;
}

ReorderDialog::ReorderDialog(std::shared_ptr<ReorderTarget> target, const DialogTexts& texts, WindowHandle firstHandle)
    : target_(std::move(target)), list_(target_->childNames()) {
    WindowHandle next = firstHandle;
    auto add = [&](WindowHandle parent, const char* className, std::string text, winmsg::Rect bounds, Role role) {
        windows_.push_back({{next++, parent, className, std::move(text), bounds}, role});
        return windows_.back().handle;
    };
    WindowHandle dialog = add(0, dialogClass, texts.caption, at(0, 0, dialogWidth, dialogHeight), Role::Dialog);
    WindowHandle frame =
        add(dialog, frameClass, "FrameWindow", at(margin, margin, frameWidth, listFrameHeight), Role::Frame);
    WindowHandle listFrame =
        add(frame, frameClass, "FrameList", at(0, 0, listFrameWidth, listFrameHeight), Role::Frame);
    add(listFrame, listClass, "ListProd", at(0, 0, listWidth, listHeight), Role::List);
    WindowHandle actionFrame = add(frame, frameClass, "FrameAction",
                                   at(listFrameWidth + margin, 0, buttonWidth, listFrameHeight), Role::Frame);
    add(actionFrame, buttonClass, texts.moveUp, at(0, 0, buttonWidth, buttonHeight), Role::MoveUp);
    add(actionFrame, buttonClass, texts.moveDown, at(0, buttonHeight + margin, buttonWidth, buttonHeight),
        Role::MoveDown);
    const int applyLeft = dialogWidth - margin - buttonWidth;
    const int okLeft = applyLeft - margin - buttonWidth;
    add(dialog, buttonClass, texts.ok, at(okLeft, buttonsTop, buttonWidth, buttonHeight), Role::Ok);
    add(dialog, buttonClass, texts.apply, at(applyLeft, buttonsTop, buttonWidth, buttonHeight), Role::Apply);
}

std::vector<WindowLayout> ReorderDialog::layout() const { return {windows_.begin(), windows_.end()}; }

bool ReorderDialog::owns(WindowHandle window) const noexcept {
    return !closed_ && window >= handle() && window < endHandle();
}

bool ReorderDialog::matches(const std::optional<std::string>& className, const std::optional<std::string>& ansiText) const {
    const Window& dialog = windows_.front();
    return windowTextMatches(dialog.className, className) && windowTextMatches(dialog.text, ansiText);
}

WindowHandle ReorderDialog::findChild(WindowHandle parent, WindowHandle childAfter,
                                      const std::optional<std::string>& className,
                                      const std::optional<std::string>& ansiText) const {
    if (!owns(parent) || (childAfter != 0 && !owns(childAfter))) return 0;
    bool afterPassed = childAfter == 0;
    for (const Window& w : windows_) {
        if (w.parent != parent) continue;
        if (!afterPassed) {
            afterPassed = w.handle == childAfter;
            continue;
        }
        if (windowTextMatches(w.className, className) && windowTextMatches(w.text, ansiText)) return w.handle;
    }
    return 0;
}

const ReorderDialog::Window* ReorderDialog::window(WindowHandle target) const {
    if (!owns(target)) return nullptr;
    return &windows_[static_cast<std::size_t>(target - handle())];
}

std::optional<int> ReorderDialog::listIndex(WParam wParam) const {
    // The index travels as an unsigned word; anything the list does not hold is refused.
    if (wParam >= static_cast<WParam>(list_.count())) return std::nullopt;
    return static_cast<int>(wParam);
}

LResult ReorderDialog::onMessage(WindowHandle target, MessageId message, WParam wParam, LParam lParam) {
    const Window* w = window(target);
    if (!w) return 0;
    if (w->role == Role::List) return onListMessage(message, wParam, lParam);
    if (message == msg::bmClick && w->role != Role::Dialog && w->role != Role::Frame) press(w->role);
    return 0;
}

LResult ReorderDialog::onListMessage(MessageId message, WParam wParam, LParam lParam) {
    switch (message) {
        case msg::lbGetCount: return list_.count();
        case msg::lbGetTextLen: {
            auto index = listIndex(wParam);
            if (!index) return winmsg::listBoxError;
            return static_cast<LResult>(list_.text(*index).size());
        }
        case msg::lbGetTopIndex: return list_.topIndex();
        case msg::lbSetTopIndex: {
            auto index = listIndex(wParam);
            if (!index) return winmsg::listBoxError;
            list_.scrollTo(*index);
            return 0;
        }
        case msg::lbGetCurSel: return list_.selection().value_or(static_cast<int>(winmsg::listBoxError));
        case msg::wmLButtonDown: {
            if (auto index = list_.itemAt(lowWordSigned(lParam), highWordSigned(lParam))) list_.select(*index);
            return 0;
        }
        default: return 0;
    }
}

LResult ReorderDialog::onTextMessage(WindowHandle target, MessageId message, WParam wParam, std::string& buffer) {
    const Window* w = window(target);
    if (!w || w->role != Role::List || message != msg::lbGetText) return 0;
    auto index = listIndex(wParam);
    if (!index) return winmsg::listBoxError;
    const std::string& item = list_.text(*index);
    std::size_t written = std::min(item.size(), buffer.size());
    std::copy_n(item.begin(), written, buffer.begin());
    return static_cast<LResult>(written);
}

LResult ReorderDialog::onRectMessage(WindowHandle target, MessageId message, WParam wParam, winmsg::Rect& rect) {
    const Window* w = window(target);
    if (!w || w->role != Role::List || message != msg::lbGetItemRect) return 0;
    auto index = listIndex(wParam);
    if (!index) return winmsg::listBoxError;
    rect = list_.itemRect(*index);
    return 0;
}

void ReorderDialog::press(Role button) {
    switch (button) {
        case Role::MoveUp: list_.moveSelection(-1); break;
        case Role::MoveDown: list_.moveSelection(+1); break;
        case Role::Apply: commit(); break;
        case Role::Ok:
            commit();
            closed_ = true;
            break;
        default: break;
    }
}

void ReorderDialog::commit() {
    target_->commitOrder(list_.orderSinceCommit());
    list_.markCommitted();
}

}  // namespace qvl::sim::reorder
