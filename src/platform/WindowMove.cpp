#include "WindowMove.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Without a window manager that moves windows, follow the mouse ourselves.
class TManualMove : public QObject {
public:
    TManualMove(QWidget* window, const QPoint& pressedAt)
        : QObject(window), window(window), grabOffset(pressedAt - window->pos()) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            window->move(mouse->globalPosition().toPoint() - grabOffset);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease)
            deleteLater();
        return false;
    }

private:
    QWidget* window;
    QPoint grabOffset;
};

} // namespace

void StartWindowMove(QWidget* window, const QPoint& pressedAt) {
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    new TManualMove(window, pressedAt);
}
