#include "win32/platform/input_box.h"

#include "win32/base/window_texts.h"
#include "win32/platform/dialog_template.h"

namespace qvl::win32 {
namespace {

constexpr WORD promptId = 100;
constexpr WORD textId = 101;

struct InputBoxState {
    const std::wstring* defaultText;
    std::wstring answer;
};

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            state = reinterpret_cast<InputBoxState*>(lParam);
            HWND text = GetDlgItem(dialog, textId);
            SetWindowTextW(text, state->defaultText->c_str());
            SendMessageW(text, EM_SETSEL, 0, -1);
            SetFocus(text);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                state->answer = windowText(GetDlgItem(dialog, textId));
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

std::optional<std::wstring> showInputBox(HWND owner, const std::wstring& prompt, const std::wstring& caption,
                                         const std::wstring& defaultText) {
    // VB's layout: the prompt on the left, the buttons on the right, the text field below.
    DialogTemplate layout(caption, 250, 96, L"Tahoma", 9);
    layout.add(staticClass, promptId, SS_LEFT | SS_NOPREFIX, 7, 7, 176, 58, prompt);
    layout.add(buttonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 190, 7, 53, 15, L"OK");
    layout.add(buttonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 190, 26, 53, 15, L"Cancel");
    layout.add(editClass, textId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 7, 72, 236, 14, L"");
    InputBoxState state{&defaultText, {}};
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner, inputBoxProc,
                                             reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return std::nullopt;
    return state.answer;
}

}  // namespace qvl::win32
