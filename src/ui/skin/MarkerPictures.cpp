#include "MarkerPictures.h"

#include "SkinArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Skin {

QImage MarkerPicture(Marker marker, bool enabled) {
    QColor light, dark;
    if (!enabled) {
        light = QColor(184, 187, 192);
        dark = QColor(134, 138, 145);
    } else if (marker == Marker::Start) {
        light = QColor(76, 196, 88);
        dark = QColor(24, 140, 48);
    } else {
        light = QColor(238, 92, 78);
        dark = QColor(190, 34, 28);
    }

    // White is the background the form draws transparent (it is also the bottom-left pixel),
    // so the number keeps clear of pure white and never turns into a hole.
    QImage image = Art::NewOpaque(16, 16, Qt::white);
    QPainter painter(&image);
    Art::SetUpPainter(painter);
    QPainterPath pointer;
    pointer.moveTo(3, 0.5);
    pointer.lineTo(13, 0.5);
    pointer.quadTo(15.5, 0.5, 15.5, 3);
    pointer.lineTo(15.5, 8.5);
    pointer.quadTo(15.5, 10, 14.3, 10.8);
    pointer.lineTo(8, 15.5);
    pointer.lineTo(1.7, 10.8);
    pointer.quadTo(0.5, 10, 0.5, 8.5);
    pointer.lineTo(0.5, 3);
    pointer.quadTo(0.5, 0.5, 3, 0.5);
    const auto fill = Art::TwoTone(QLinearGradient(0, 0, 0, 16), light, dark);
    painter.setPen(QPen(dark.darker(130), 1));
    painter.setBrush(fill);
    painter.drawPath(pointer);

    painter.setFont(Art::LatinFont(10, true));
    painter.setPen(QColor(252, 252, 252));
    painter.drawText(QRect(0, 0, 16, 11), Qt::AlignCenter, marker == Marker::Start ? "1" : "2");
    return image;
}

} // namespace Skin
