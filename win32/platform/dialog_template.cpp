#include "win32/platform/dialog_template.h"

namespace qvl::win32 {

DialogTemplate::DialogTemplate(const std::wstring& caption, short width, short height, const std::wstring& font,
                               WORD pointSize) {
    putDword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
    putDword(0);  // extended style
    countAt_ = words_.size();
    put(0);       // number of items, counted by add()
    put(0);
    put(0);
    put(static_cast<WORD>(width));
    put(static_cast<WORD>(height));
    put(0);  // no menu
    put(0);  // the predefined dialog class
    putText(caption);
    put(pointSize);
    putText(font);
}

void DialogTemplate::add(WORD classAtom, WORD id, DWORD style, short x, short y, short cx, short cy,
                         const std::wstring& text) {
    alignToDword();
    putDword(style | WS_CHILD | WS_VISIBLE);
    putDword(0);
    put(static_cast<WORD>(x));
    put(static_cast<WORD>(y));
    put(static_cast<WORD>(cx));
    put(static_cast<WORD>(cy));
    put(id);
    put(0xFFFF);
    put(classAtom);
    putText(text);
    put(0);  // no creation data
    ++words_[countAt_];
}

void DialogTemplate::alignToDword() {
    if (words_.size() % 2 != 0) put(0);
}

void DialogTemplate::putDword(DWORD value) {
    put(LOWORD(value));
    put(HIWORD(value));
}

void DialogTemplate::putText(const std::wstring& text) {
    for (wchar_t c : text) put(static_cast<WORD>(c));
    put(0);
}

}  // namespace qvl::win32
