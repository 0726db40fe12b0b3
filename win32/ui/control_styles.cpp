#include "win32/ui/control_styles.h"

namespace qvl::win32 {

ChildStyle childStyleOf(const ui::Control& control) {
    // Siblings may overlap as the tables place them: every child clips the siblings above it.
    constexpr DWORD common = WS_CLIPSIBLINGS;
    switch (control.kind()) {
        case ui::ControlKind::Frame:
            return {L"BUTTON", common | BS_GROUPBOX, 0};
        case ui::ControlKind::Option:
            return {L"BUTTON", common | BS_RADIOBUTTON | BS_MULTILINE | BS_VCENTER, 0};
        case ui::ControlKind::CheckBox:
            // Not automatic: the model decides the next state, including the grey one (2).
            return {L"BUTTON", common | BS_3STATE | BS_MULTILINE | BS_VCENTER, 0};
        case ui::ControlKind::ComboBox:
            return {L"COMBOBOX", common | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
        case ui::ControlKind::TextBox:
            if (control.style().multiLine) {
                return {L"EDIT",
                        common | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL |
                            (control.style().verticalScroll ? WS_VSCROLL : 0),
                        WS_EX_CLIENTEDGE};
            }
            return {L"EDIT", common | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ui::ControlKind::ListBox:
            // The model keeps a sorted list in order itself: the window shows the items as given.
            return {L"LISTBOX",
                    common | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                        (control.style().multiSelect ? LBS_EXTENDEDSEL : 0),
                    WS_EX_CLIENTEDGE};
        case ui::ControlKind::Button:
            return {L"BUTTON", common | BS_PUSHBUTTON | BS_MULTILINE, 0};
        case ui::ControlKind::Label:
            // Labels take clicks and show paths and texts literally ('&' is no mnemonic).
            return {L"STATIC", common | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0};
    }
    return {L"STATIC", common, 0};
}

}  // namespace qvl::win32
