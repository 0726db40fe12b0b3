#pragma once

namespace qvl::win32 {

inline constexpr int twipsPerInch = 1440;

// Twips to pixels at a window's DPI, rounded to the nearest pixel (96 DPI: 15 twips a pixel).
constexpr int twipsToPixels(double twips, int dpi) {
    double pixels = twips * dpi / twipsPerInch;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr double pixelsToTwips(int pixels, int dpi) { return static_cast<double>(pixels) * twipsPerInch / dpi; }

}  // namespace qvl::win32
