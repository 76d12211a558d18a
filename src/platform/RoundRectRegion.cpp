#include "RoundRectRegion.h"

#include <algorithm>
#include <cmath>

namespace {
// How many pixels row `row` (counted from the nearer horizontal edge) of a corner loses.
int CornerInset(int row, double a, double b) {
    const double dy = b - (row + 0.5);
    if (dy <= 0)
        return 0;
    const double halfWidth = a * std::sqrt(std::max(0.0, 1.0 - (dy / b) * (dy / b)));
    return std::max(0, int(std::ceil(a - halfWidth - 0.5)));
}
} // namespace

QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    const int width = right - left - 1;
    const int height = bottom - top - 1;
    if (width <= 0 || height <= 0)
        return {};
    const double a = std::min(ellipseWidth, width) / 2.0;
    const double b = std::min(ellipseHeight, height) / 2.0;
    QRegion region;
    for (int row = 0; row < height; ++row) {
        const int inset = CornerInset(std::min(row, height - 1 - row), a, b);
        if (2 * inset < width)
            region += QRect(left + inset, top + row, width - 2 * inset, 1);
    }
    return region;
}
