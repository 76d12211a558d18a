#include "TrackBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

TRzTrackBar::TRzTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QSlider::valueChanged, this, &TRzTrackBar::Change);
}

void TRzTrackBar::SetThumbStrip(const QImage& strip) {
    const int thumbWidth = strip.width() / 3;
    for (int i = 0; i < 3; ++i)
        thumbs[i] = strip.copy(i * thumbWidth, 0, thumbWidth, strip.height());
    update();
}

void TRzTrackBar::SetTrack(int offset, int width, const QColor& colour, const QColor& frame) {
    trackOffset = offset;
    trackWidth = width;
    trackColour = colour;
    trackFrame = frame;
    update();
}

int TRzTrackBar::ThumbWidth() const {
    return thumbs[0].isNull() ? 11 : thumbs[0].width();
}

QRect TRzTrackBar::ThumbRect() const {
    const int travel = width() - ThumbWidth();
    const qint64 span = qint64(maximum()) - minimum();
    const int left =
        span <= 0 ? 0 : int(std::lround(double(qint64(value()) - minimum()) * travel / span));
    const int thumbHeight = thumbs[0].isNull() ? height() : thumbs[0].height();
    return QRect(left, (height() - thumbHeight) / 2, ThumbWidth(), thumbHeight);
}

int TRzTrackBar::ValueAt(int x) const {
    const int travel = width() - ThumbWidth();
    if (travel <= 0)
        return minimum();
    const double fraction = std::clamp(double(x - ThumbWidth() / 2) / travel, 0.0, 1.0);
    return minimum() + int(std::lround(fraction * (qint64(maximum()) - minimum())));
}

void TRzTrackBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect track(trackOffset, (height() - trackWidth) / 2, width() - 2 * trackOffset,
                      trackWidth);
    painter.fillRect(track, trackColour);
    painter.setPen(trackFrame);
    painter.drawRect(track.adjusted(0, 0, -1, -1));

    const QRect thumb = ThumbRect();
    int index = 0;
    if (!isEnabled() || isSliderDown())
        index = 2;
    else if (hot)
        index = 1;
    if (!thumbs[index].isNull())
        painter.drawImage(thumb.topLeft(), thumbs[index]);
}

void TRzTrackBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setSliderDown(true);
    setSliderPosition(ValueAt(event->position().toPoint().x()));
}

void TRzTrackBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (isSliderDown()) {
        setSliderPosition(ValueAt(at.x()));
        return;
    }
    const bool overThumb = ThumbRect().contains(at);
    if (overThumb != hot) {
        hot = overThumb;
        update();
    }
}

void TRzTrackBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isSliderDown())
        setSliderDown(false);
    update();
}

void TRzTrackBar::leaveEvent(QEvent* event) {
    hot = false;
    update();
    QSlider::leaveEvent(event);
}
