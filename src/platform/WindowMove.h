#pragma once

class QWidget;

// Lets the user move a window by the pressed mouse button until it is released, through the
// window system's own move loop where it has one.
void StartWindowMove(QWidget* window);
