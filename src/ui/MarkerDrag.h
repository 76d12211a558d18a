#pragma once

#include <QPoint>

class QWidget;

// Geometry and drag state of one selection marker; pixel values are the marker's Left in
// the main window's client coordinates.
struct TMarkerDrag {
    bool Dragging = false;
    QPoint LastMouse;
    int MinLeft = 0;
    int MaxLeft = 0;
    int ZeroLeft = 0;
    int FullLeft = 0;
    int CurrentLeft = 0;
    QWidget* Host = nullptr;
};
