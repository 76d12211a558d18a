#pragma once

class QWidget;

class QPoint;

// Lets the user move a window by the pressed mouse button until it is released, through the
// window system's own move loop where it has one. pressedAt is the screen point of the press.
void StartWindowMove(QWidget* window, const QPoint& pressedAt);
