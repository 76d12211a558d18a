#include "SkinPictures.h"

#include "SkinArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace Skin {

using namespace Art;

namespace {

void PaintBand(QPainter& painter, const QRect& band, const QColor& top, const QColor& bottom) {
    const auto colour = TwoTone(QLinearGradient(0, band.top(), 0, band.bottom() + 1), top, bottom);
    painter.fillRect(band, colour);
}

// A faint waveform across the empty middle of the title band.
void PaintWaveDecoration(QPainter& painter, int left, int right, int middle) {
    painter.setPen(Qt::NoPen);
    for (int x = left, i = 0; x < right; x += 5, ++i) {
        const double envelope = std::sin(M_PI * (x - left) / (right - left));
        const double swing = 0.55 + 0.45 * std::sin(i * 0.9) * std::cos(i * 0.37);
        const double half = 3 + 24 * envelope * swing;
        painter.setBrush(QColor(255, 255, 255, 34));
        painter.drawRoundedRect(QRectF(x, middle - half, 3, 2 * half), 1.5, 1.5);
    }
}

QPainterPath TitleButtonShape(QSizeF size, bool roundLeft, bool roundRight) {
    const double r = 5;
    const double w = size.width(), h = size.height();
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(w, 0);
    if (roundRight) {
        path.lineTo(w, h - r);
        path.quadTo(w, h, w - r, h);
    } else {
        path.lineTo(w, h);
    }
    if (roundLeft) {
        path.lineTo(r, h);
        path.quadTo(0, h, 0, h - r);
    } else {
        path.lineTo(0, h);
    }
    path.closeSubpath();
    return path;
}

struct TitleButtonColours {
    QColor top, bottom, edge;
};

QImage TitleButtonLayer(QSize size, bool roundLeft, bool roundRight,
                        const TitleButtonColours& colours) {
    QImage layer = NewTransparent(size.width(), size.height());
    QPainter painter(&layer);
    SetUpPainter(painter);
    const QPainterPath shape = TitleButtonShape(QSizeF(size), roundLeft, roundRight);
    const auto fill = TwoTone(QLinearGradient(0, 0, 0, size.height()), colours.top, colours.bottom);
    painter.fillPath(shape, fill);
    const auto gloss = TwoTone(QLinearGradient(0, 0, 0, size.height() / 2.0),
                               QColor(255, 255, 255, 80), QColor(255, 255, 255, 0));
    painter.fillPath(shape, gloss);
    painter.setPen(QPen(colours.edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(
        TitleButtonShape(QSizeF(size.width() - 1, size.height()), roundLeft, roundRight)
            .translated(0.5, -0.5));
    return layer;
}

void PaintThumb(QPainter& painter, QPointF centre, const QColor& ring, const QColor& light,
                const QColor& dark) {
    const QRectF disc(centre.x() - 7.5, centre.y() - 7.5, 15, 15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 30, 70, 40));
    painter.drawEllipse(disc.translated(0, 1));
    const auto fill = TwoTone(QRadialGradient(centre - QPointF(2, 3), 10), light, dark);
    painter.setPen(QPen(ring, 1.4));
    painter.setBrush(fill);
    painter.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ring);
    painter.drawEllipse(centre, 2.2, 2.2);
}

void PaintNote(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.save();
    painter.translate(6.6, 11.0);
    painter.rotate(-22);
    painter.drawEllipse(QPointF(0, 0), 2.4, 1.8);
    painter.restore();
    painter.drawRect(QRectF(8.2, 3.6, 1.3, 7.6));
    QPainterPath flag;
    flag.moveTo(9.5, 3.6);
    flag.cubicTo(11.5, 4.6, 12.6, 6.0, 11.6, 8.6);
    flag.cubicTo(11.6, 7.0, 10.8, 6.2, 9.5, 5.9);
    flag.closeSubpath();
    painter.drawPath(flag);
}

QImage FileStateIcon(const QColor& light, const QColor& dark, const QColor& edge,
                     const QColor& note) {
    QImage image = NewTransparent(16, 16);
    QPainter painter(&image);
    SetUpPainter(painter);
    const auto fill = TwoTone(QRadialGradient(QPointF(6, 5), 10), light, dark);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(1, 1, 14, 14));
    PaintNote(painter, note);
    return image;
}

// The soft shadow a rounded tile casts two pixels below it, over the whole picture.
void DrawTileShadow(QPainter& painter, const QRectF& tile, qreal radius, int opacity) {
    QImage shape = NewTransparent(painter.device()->width(), painter.device()->height());
    {
        QPainter shapePainter(&shape);
        SetUpPainter(shapePainter);
        shapePainter.setPen(Qt::NoPen);
        shapePainter.setBrush(Qt::black);
        shapePainter.drawRoundedRect(tile, radius, radius);
    }
    DrawSoftShadow(painter, shape, QPoint(0, 2), 1, opacity);
}

} // namespace

QImage MainBackground() {
    QImage image = NewOpaque(592, 452, Magenta);
    QPainter painter(&image);
    painter.setPen(BorderRing);
    painter.drawRect(1, 1, 589, 449);

    const int inLeft = 2, inWidth = 588;
    const QRect band(inLeft, 2, inWidth, TitleBandBottom - 1);
    PaintBand(painter, band, QColor(80, 148, 214), QColor(34, 94, 162));
    const auto gloss =
        TwoTone(QLinearGradient(0, 2, 0, 56), QColor(255, 255, 255, 52), QColor(255, 255, 255, 8));
    painter.fillRect(QRect(inLeft, 2, inWidth, 54), gloss);
    painter.fillRect(QRect(inLeft, 2, inWidth, 1), QColor(255, 255, 255, 70));
    painter.fillRect(QRect(inLeft, TitleBandBottom, inWidth, 1), QColor(26, 74, 134));

    painter.fillRect(
        QRect(inLeft, TitleBandBottom + 1, inWidth, FooterBandTop - TitleBandBottom - 1),
        Qt::white);

    const QRect footer(inLeft, FooterBandTop, inWidth, 450 - FooterBandTop);
    PaintBand(painter, footer, QColor(52, 116, 184), QColor(30, 80, 142));
    painter.fillRect(QRect(inLeft, FooterBandTop, inWidth, 1), QColor(26, 74, 134));
    painter.fillRect(QRect(inLeft, FooterBandTop + 1, inWidth, 1), QColor(255, 255, 255, 60));

    SetUpPainter(painter);
    PaintWaveDecoration(painter, 346, 500, 66);
    QImage headphones = NewTransparent(76, 76);
    {
        QPainter art(&headphones);
        SetUpPainter(art);
        DrawHeadphones(art, QRectF(3, 3, 70, 70));
    }
    DrawSoftShadow(painter, headphones, QPoint(24, 26), 2, 110);
    painter.drawImage(QPoint(24, 24), headphones);
    return image;
}

QImage CloseButtonFace(Face face) {
    const bool hot = face == Face::Hot;
    QImage layer =
        TitleButtonLayer(CloseButtonPlace.size(), false, true,
                         {hot ? QColor(246, 112, 92) : QColor(226, 80, 62),
                          hot ? QColor(214, 58, 40) : QColor(184, 36, 24), QColor(132, 24, 18)});
    QPainter painter(&layer);
    SetUpPainter(painter);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(20, 9.5);
    painter.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
    painter.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
    painter.end();
    return FaceOverBackground(CloseButtonPlace, layer);
}

QImage MinimizeButtonFace(Face face) {
    const bool hot = face == Face::Hot;
    QImage layer =
        TitleButtonLayer(MinimizeButtonPlace.size(), true, false,
                         {hot ? QColor(120, 184, 240) : QColor(84, 150, 218),
                          hot ? QColor(64, 128, 200) : QColor(40, 98, 170), QColor(22, 64, 120)});
    QPainter painter(&layer);
    painter.fillRect(QRect(9, 12, 9, 2), Qt::white);
    painter.end();
    return FaceOverBackground(MinimizeButtonPlace, layer);
}

QImage TrackThumb() {
    QImage image = NewOpaque(54, 18, Qt::white);
    QPainter painter(&image);
    SetUpPainter(painter);
    PaintThumb(painter, QPointF(9, 8.5), QColor(36, 120, 190), QColor(255, 255, 255),
               QColor(190, 222, 246));
    PaintThumb(painter, QPointF(27, 8.5), QColor(10, 132, 222), QColor(226, 244, 255),
               QColor(112, 186, 246));
    PaintThumb(painter, QPointF(45, 8.5), QColor(140, 156, 172), QColor(246, 246, 248),
               QColor(206, 212, 220));
    return image;
}

QImage PlayGlyph() {
    QImage image = NewTransparent(16, 16);
    QPainter painter(&image);
    SetUpPainter(painter);
    QPainterPath triangle;
    triangle.moveTo(4, 2);
    triangle.lineTo(13.5, 8);
    triangle.lineTo(4, 14);
    triangle.closeSubpath();
    const auto fill =
        TwoTone(QLinearGradient(0, 2, 0, 14), QColor(70, 150, 240), QColor(20, 84, 190));
    painter.setPen(QPen(QColor(16, 64, 150), 1, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(triangle);
    return image;
}

QImage StopGlyph() {
    QImage image = NewTransparent(16, 16);
    QPainter painter(&image);
    SetUpPainter(painter);
    const auto fill =
        TwoTone(QLinearGradient(0, 3, 0, 13), QColor(196, 52, 44), QColor(130, 18, 16));
    painter.setPen(QPen(QColor(104, 12, 10), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(3.5, 3.5, 9, 9), 1.5, 1.5);
    return image;
}

QImage FileLoadedIcon() {
    return FileStateIcon(QColor(150, 232, 120), QColor(34, 150, 62), QColor(20, 110, 44),
                         Qt::white);
}

QImage NoFileIcon() {
    return FileStateIcon(QColor(226, 228, 232), QColor(150, 154, 162), QColor(118, 122, 130),
                         QColor(250, 250, 252, 170));
}

QImage BusyPlate() {
    QImage image = NewOpaque(190, 50, Qt::white);
    QPainter painter(&image);
    SetUpPainter(painter);
    const QRectF plate(4, 3, 182, 43);
    DrawTileShadow(painter, plate, 7, 120);

    const auto fill = TwoTone(QLinearGradient(0, plate.top(), 0, plate.bottom()),
                              QColor(78, 146, 214), QColor(34, 94, 164));
    painter.setPen(QPen(QColor(28, 78, 140), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    const auto gloss = TwoTone(QLinearGradient(0, plate.top(), 0, plate.center().y()),
                               QColor(255, 255, 255, 64), QColor(255, 255, 255, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawRoundedRect(
        QRectF(plate.left() + 1.5, plate.top() + 1.5, plate.width() - 3, plate.height() / 2 - 1), 6,
        6);

    const QPointF spinner(18, 25);
    for (int i = 0; i < 8; ++i) {
        const double angle = i * M_PI / 4;
        painter.setBrush(QColor(255, 255, 255, 60 + i * 24));
        painter.drawEllipse(spinner + QPointF(6 * std::cos(angle), 6 * std::sin(angle)), 1.6, 1.6);
    }
    return image;
}

QImage AppIcon() {
    QImage image = NewTransparent(64, 64);
    QPainter painter(&image);
    SetUpPainter(painter);
    const QRectF tile(3, 2, 58, 58);
    DrawTileShadow(painter, tile, 13, 110);

    const auto fill = TwoTone(QLinearGradient(0, tile.top(), 0, tile.bottom()),
                              QColor(84, 156, 224), QColor(28, 84, 156));
    painter.setPen(QPen(QColor(22, 66, 126), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 12.5, 12.5);
    const auto gloss = TwoTone(QLinearGradient(0, tile.top(), 0, tile.center().y()),
                               QColor(255, 255, 255, 80), QColor(255, 255, 255, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawRoundedRect(QRectF(5, 4, 54, 27), 11, 11);

    const double selectLeft = 21.5, selectRight = 42.5, middle = 33;
    painter.setBrush(QColor(255, 255, 255, 46));
    painter.drawRect(QRectF(selectLeft, 16, selectRight - selectLeft, 34));
    for (int i = 0; i < 13; ++i) {
        const double x = 9 + i * 3.7;
        const double half = 2.5 + 11 * std::fabs(std::sin(i * 0.8 + 0.4)) * (i % 3 ? 1.0 : 0.6);
        const bool inside = x > selectLeft && x < selectRight;
        painter.setBrush(QColor(255, 255, 255, inside ? 255 : 120));
        painter.drawRoundedRect(QRectF(x, middle - half, 2.4, 2 * half), 1.2, 1.2);
    }
    const auto marker = [&painter](double x, const QColor& colour) {
        painter.setPen(QPen(colour, 2));
        painter.drawLine(QPointF(x, 17), QPointF(x, 50));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        QPainterPath head;
        head.moveTo(x - 5, 10);
        head.lineTo(x + 5, 10);
        head.lineTo(x, 17);
        head.closeSubpath();
        painter.drawPath(head);
    };
    marker(selectLeft, QColor(80, 220, 90));
    marker(selectRight, QColor(250, 84, 70));
    return image;
}

} // namespace Skin
