#include "SkinPictures.h"

#include "SkinArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

namespace Skin {

using namespace Art;

namespace {

using IconPainter = std::function<void(QPainter&)>;

void PaintFolder(QPainter& painter) {
    QPainterPath back;
    back.moveTo(14, 9);
    back.lineTo(24, 9);
    back.lineTo(27, 12);
    back.lineTo(48, 12);
    back.quadTo(50, 12, 50, 14);
    back.lineTo(50, 34);
    back.lineTo(14, 34);
    back.closeSubpath();
    const auto backFill =
        TwoTone(QLinearGradient(0, 9, 0, 34), QColor(236, 178, 58), QColor(200, 132, 24));
    painter.setPen(QPen(QColor(150, 96, 14), 1));
    painter.setBrush(backFill);
    painter.drawPath(back);

    painter.setPen(QPen(QColor(200, 206, 214), 0.8));
    painter.setBrush(QColor(252, 252, 250));
    painter.drawRect(QRectF(18.5, 14.5, 27, 16));

    QPainterPath front;
    front.moveTo(17, 19);
    front.lineTo(53, 19);
    front.lineTo(48.5, 35);
    front.lineTo(12.5, 35);
    front.closeSubpath();
    const auto frontFill =
        TwoTone(QLinearGradient(0, 19, 0, 35), QColor(255, 222, 120), QColor(240, 172, 40));
    painter.setPen(QPen(QColor(160, 104, 16), 1, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.setBrush(frontFill);
    painter.drawPath(front);
    painter.setPen(QPen(QColor(255, 244, 200, 200), 1));
    painter.drawLine(QPointF(18, 20.2), QPointF(51.6, 20.2));
}

void PaintFloppy(QPainter& painter) {
    const QRectF body(15.5, 4.5, 33, 32);
    QPainterPath outline;
    outline.moveTo(body.left() + 3, body.top());
    outline.lineTo(body.right() - 5, body.top());
    outline.lineTo(body.right(), body.top() + 5);
    outline.lineTo(body.right(), body.bottom() - 3);
    outline.quadTo(body.right(), body.bottom(), body.right() - 3, body.bottom());
    outline.lineTo(body.left() + 3, body.bottom());
    outline.quadTo(body.left(), body.bottom(), body.left(), body.bottom() - 3);
    outline.lineTo(body.left(), body.top() + 3);
    outline.quadTo(body.left(), body.top(), body.left() + 3, body.top());
    const auto fill = TwoTone(QLinearGradient(0, body.top(), 0, body.bottom()), QColor(74, 88, 118),
                              QColor(36, 44, 66));
    painter.setPen(QPen(QColor(20, 26, 42), 1));
    painter.setBrush(fill);
    painter.drawPath(outline);

    const auto metal =
        TwoTone(QLinearGradient(0, 4.5, 0, 15), QColor(236, 240, 246), QColor(176, 186, 200));
    painter.setPen(QPen(QColor(120, 130, 146), 0.8));
    painter.setBrush(metal);
    painter.drawRect(QRectF(22.5, 4.5, 18, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(58, 66, 86));
    painter.drawRect(QRectF(34, 6.5, 4, 7));

    painter.setPen(QPen(QColor(190, 198, 210), 0.8));
    painter.setBrush(QColor(252, 252, 252));
    painter.drawRoundedRect(QRectF(20.5, 20.5, 23, 14), 1.5, 1.5);
    painter.setPen(QPen(QColor(150, 180, 220), 1));
    for (const double y : {25.5, 29.5})
        painter.drawLine(QPointF(23, y), QPointF(41, y));

    const QPointF badge(46, 32);
    const auto badgeFill = TwoTone(QRadialGradient(badge - QPointF(2, 2), 9), QColor(130, 226, 110),
                                   QColor(30, 150, 54));
    painter.setPen(QPen(QColor(255, 255, 255), 1.3));
    painter.setBrush(badgeFill);
    painter.drawEllipse(badge, 7, 7);
    QPainterPath arrow;
    arrow.moveTo(badge + QPointF(-1.4, -4));
    arrow.lineTo(badge + QPointF(1.4, -4));
    arrow.lineTo(badge + QPointF(1.4, -0.2));
    arrow.lineTo(badge + QPointF(3.8, -0.2));
    arrow.lineTo(badge + QPointF(0, 4));
    arrow.lineTo(badge + QPointF(-3.8, -0.2));
    arrow.lineTo(badge + QPointF(-1.4, -0.2));
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
}

void PaintInfo(QPainter& painter) {
    const QPointF centre(32, 20.5);
    const auto fill = TwoTone(QRadialGradient(centre - QPointF(5, 7), 22), QColor(255, 255, 255),
                              QColor(206, 226, 248));
    painter.setPen(QPen(QColor(26, 88, 168), 1.4));
    painter.setBrush(fill);
    painter.drawEllipse(centre, 15.5, 15.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(28, 100, 190));
    painter.drawEllipse(QPointF(32, 11.8), 2.6, 2.6);
    painter.drawRoundedRect(QRectF(29.8, 16.5, 4.4, 13.5), 1.2, 1.2);
    painter.drawRoundedRect(QRectF(27.5, 16.5, 5, 2.4), 0.8, 0.8);
    painter.drawRoundedRect(QRectF(27.5, 28, 9, 2.4), 0.8, 0.8);
}

QImage ContentLayer(const IconPainter& paintIcon, const QString& caption, Captions captions) {
    QImage icon = NewTransparent(64, 64);
    {
        QPainter painter(&icon);
        SetUpPainter(painter);
        paintIcon(painter);
    }
    QImage layer = NewTransparent(64, 64);
    QPainter painter(&layer);
    SetUpPainter(painter);
    DrawSoftShadow(painter, icon, QPoint(0, 1), 1, 120);
    painter.drawImage(0, 0, icon);

    painter.setFont(captions == Captions::Chinese ? ChineseFont(13) : LatinFont(12, true));
    const QRect textBox(0, 43, 64, 17);
    painter.setPen(QColor(8, 36, 80, 150));
    painter.drawText(textBox.translated(0, 1), Qt::AlignHCenter | Qt::AlignVCenter, caption);
    painter.setPen(Qt::white);
    painter.drawText(textBox, Qt::AlignHCenter | Qt::AlignVCenter, caption);
    return layer;
}

QImage BigFace(const QRect& place, Face face, const IconPainter& paintIcon, const QString& caption,
               Captions captions) {
    QImage content = ContentLayer(paintIcon, caption, captions);
    if (face == Face::Disabled)
        return FaceOverBackground(place, Greyed(content));
    if (face == Face::Up)
        return FaceOverBackground(place, content);

    QImage layer = NewTransparent(64, 64);
    QPainter painter(&layer);
    SetUpPainter(painter);
    const auto plate =
        TwoTone(QLinearGradient(0, 0, 0, 64), QColor(255, 255, 255, 70), QColor(255, 255, 255, 26));
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    painter.setBrush(plate);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 6, 6);
    painter.drawImage(0, 0, Brightened(content, 18));
    painter.end();
    return FaceOverBackground(place, layer);
}

} // namespace

QImage OpenButtonFace(Face face, Captions captions) {
    return BigFace(OpenButtonPlace, face, PaintFolder,
                   captions == Captions::Chinese ? QString::fromUtf8("打开") : "Open", captions);
}

QImage SaveButtonFace(Face face, Captions captions) {
    return BigFace(SaveButtonPlace, face, PaintFloppy,
                   captions == Captions::Chinese ? QString::fromUtf8("另存为") : "Save As",
                   captions);
}

QImage AboutButtonFace(Face face, Captions captions) {
    return BigFace(AboutButtonPlace, face, PaintInfo,
                   captions == Captions::Chinese ? QString::fromUtf8("关于") : "About", captions);
}

} // namespace Skin
