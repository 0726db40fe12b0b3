#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace qvl::win32 {

// A dialog template built in memory (DLGTEMPLATE with DS_SETFONT and its items), for
// DialogBoxIndirectParamW. Positions are in dialog units.
class DialogTemplate {
public:
    DialogTemplate(const std::wstring& caption, short width, short height, const std::wstring& font, WORD pointSize);

    // One control of a predefined class (0x0080 button, 0x0081 edit, 0x0082 static).
    void add(WORD classAtom, WORD id, DWORD style, short x, short y, short cx, short cy, const std::wstring& text);

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void alignToDword();
    void put(WORD word) { words_.push_back(word); }
    void putDword(DWORD value);
    void putText(const std::wstring& text);

    std::vector<WORD> words_;
    std::size_t countAt_ = 0;
};

inline constexpr WORD buttonClass = 0x0080;
inline constexpr WORD editClass = 0x0081;
inline constexpr WORD staticClass = 0x0082;

}  // namespace qvl::win32
