#pragma once

namespace qvl::drawing {

// A point on a drawing sheet in millimetres.
struct SheetPoint {
    double x = 0;
    double y = 0;

    friend bool operator==(const SheetPoint&, const SheetPoint&) = default;
};

}  // namespace qvl::drawing
