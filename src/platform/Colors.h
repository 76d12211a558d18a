#pragma once

#include <QColor>

// The named colours of the forms, with the values the original palette gives them.
namespace Colors {
inline const QColor White{255, 255, 255};
inline const QColor Green{0, 128, 0};
inline const QColor Red{255, 0, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor Olive{128, 128, 0}; // painted around button faces, never shown
inline const QColor Frame{50, 152, 204};
inline const QColor DisabledText{128, 128, 128};
inline const QColor DisabledFrame{179, 179, 179};
inline const QColor DisabledFace{240, 240, 240};
inline const QColor HotFace{229, 243, 251};
} // namespace Colors

// Font sizes are given in points at 96 dots per inch and laid out as pixels, so the forms
// never re-lay out on another screen density.
constexpr int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}
