#pragma once

#include <QObject>
#include <QTimer>

// A timer that ticks every Interval milliseconds while it is enabled.
class TTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
    Q_PROPERTY(int Tag MEMBER Tag)

public:
    explicit TTimer(QObject* parent);

    int Tag = 0;
    bool Enabled() const { return enabled; }
    void SetEnabled(bool on);
    int Interval() const { return timer.interval(); }
    // A new interval starts counting afresh.
    void SetInterval(int milliseconds);

signals:
    void Timer();

private:
    void Restart();

    QTimer timer;
    bool enabled = true;
};
