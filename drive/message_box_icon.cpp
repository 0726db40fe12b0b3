#include "drive/message_box_icon.h"

#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace qvl::drive {

namespace {

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The pixels of the screen inside `area`, top row first, as 0x00RRGGBB.
std::vector<std::uint32_t> screenPixels(const RECT& area, HDC into = nullptr, HBITMAP* keep = nullptr) {
    int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = into ? into : CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<std::uint32_t*>(bits),
                                      static_cast<std::uint32_t*>(bits) + static_cast<std::size_t>(width) * height);
    ReleaseDC(nullptr, screen);
    if (keep) {
        *keep = bitmap;
        return pixels;
    }
    SelectObject(memory, old);
    if (!into) DeleteDC(memory);
    DeleteObject(bitmap);
    return pixels;
}

long long distance(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    long long total = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            total += std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF));
        }
    }
    return total;
}

}  // namespace

int messageBoxIconFlag(HWND box) {
    HWND iconWindow = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(classOf(child).c_str(), L"Static") == 0 && IsWindowVisible(child) &&
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            iconWindow = child;
        }
    }
    // A box without an icon keeps its icon control empty.
    if (!iconWindow || !SendMessageW(iconWindow, STM_GETICON, 0, 0)) return 0;
    // The picture is read from the screen: the box is painted first.
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(50);
    RECT area{};
    GetWindowRect(iconWindow, &area);
    if (area.right <= area.left || area.bottom <= area.top) return 0;
    const std::vector<std::uint32_t> shown = screenPixels(area);
    struct Candidate {
        int flag;
        LPCWSTR icon;
    };
    const Candidate candidates[] = {{MB_ICONERROR, IDI_HAND}, {MB_ICONQUESTION, IDI_QUESTION},
                                    {MB_ICONWARNING, IDI_EXCLAMATION}, {MB_ICONINFORMATION, IDI_ASTERISK}};
    int best = 0;
    long long bestDistance = -1;
    for (const Candidate& candidate : candidates) {
        HDC memory = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = nullptr;
        screenPixels(area, memory, &bitmap);
        DrawIconEx(memory, 0, 0, LoadIconW(nullptr, candidate.icon), area.right - area.left, area.bottom - area.top, 0,
                   nullptr, DI_NORMAL);
        GdiFlush();
        BITMAP layout{};
        GetObjectW(bitmap, sizeof layout, &layout);
        const auto* bits = static_cast<const std::uint32_t*>(layout.bmBits);
        std::vector<std::uint32_t> drawn(bits, bits + shown.size());
        DeleteDC(memory);
        DeleteObject(bitmap);
        long long d = distance(shown, drawn);
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = candidate.flag;
        }
    }
    return best;
}


}  // namespace qvl::drive
