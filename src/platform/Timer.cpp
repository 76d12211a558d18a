#include "Timer.h"

TTimer::TTimer(QObject* parent) : QObject(parent) {
    timer.setInterval(1000);
    connect(&timer, &QTimer::timeout, this, &TTimer::Timer);
    Restart();
}

void TTimer::SetEnabled(bool on) {
    if (on == enabled)
        return;
    enabled = on;
    Restart();
}

void TTimer::SetInterval(int milliseconds) {
    timer.setInterval(milliseconds);
    Restart();
}

void TTimer::Restart() {
    if (enabled && timer.interval() > 0)
        timer.start();
    else
        timer.stop();
}
