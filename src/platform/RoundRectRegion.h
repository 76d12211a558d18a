#pragma once

#include <QRegion>

// The pixels the original platform's rounded-rectangle region covers for the rectangle
// (left, top)-(right, bottom) with a corner ellipse of the given size: like its other rounded
// shapes it leaves out both the right-most column and the bottom row, so the region spans
// columns left to right - 2 and rows top to bottom - 2. A pixel lies in a corner when its
// centre lies inside the corner ellipse.
QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight);
