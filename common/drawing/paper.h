#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qvl::drawing {

// The ISO A sheets used in landscape, and "Ax" for anything larger than A0. The digit of a
// code orders the sizes: a smaller digit is a larger paper.
struct Paper {
    std::string_view code;
    double width;   // mm
    double height;  // mm
};

inline constexpr std::array<Paper, 5> isoPapers{{
    {"A4", 297, 210},
    {"A3", 420, 297},
    {"A2", 594, 420},
    {"A1", 841, 594},
    {"A0", 1189, 841},
}};
inline constexpr std::string_view oversizePaperCode = "Ax";

// The six codes in the order in which the window offers them.
inline constexpr std::array<std::string_view, 6> paperCodes{"A0", "A1", "A2", "A3", "A4", "Ax"};

bool isPaperCode(std::string_view code);

// The paper that a block of views `width` by `height` mm needs: by width and by height the
// smallest sheet that holds it (a boundary belongs to the smaller sheet), then the larger of
// the two; "Ax" when either is larger than A0 or negative.
std::string PaperSizeFor(double width, double height);

// The ISO paper of a code; nullopt for "Ax" and for text that is no code.
std::optional<Paper> isoPaper(std::string_view code);

// CATIA's paper-size enumeration for a sheet of this code: A0 2, A1 3, A2 4, A3 5, A4 6; "Ax"
// and anything else get A0.
int catiaPaperSize(std::string_view code);

}  // namespace qvl::drawing
