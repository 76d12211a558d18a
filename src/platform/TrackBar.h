#pragma once

#include "ControlProperties.h"

#include <QImage>
#include <QSlider>

// A horizontal position bar: a thin flat track and a thumb taken from a strip of three
// equal pictures (normal, hot, pressed or disabled). A press anywhere on the bar moves the
// thumb there and drags it.
class TRzTrackBar : public QSlider {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int Position READ value WRITE setValue)

public:
    explicit TRzTrackBar(QWidget* parent);

    void SetThumbStrip(const QImage& strip);
    void SetTrack(int offset, int trackWidth, const QColor& colour, const QColor& frame);
    QRect ThumbRect() const;

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int ThumbWidth() const;
    int ValueAt(int x) const;

    QImage thumbs[3];
    int trackOffset = 8;
    int trackWidth = 4;
    QColor trackColour{Qt::white};
    QColor trackFrame{Qt::gray};
    bool hot = false;
};
