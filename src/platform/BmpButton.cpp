#include "BmpButton.h"

#include <QBitmap>
#include <QPainter>

TRzBmpButton::TRzBmpButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
}

void TRzBmpButton::SetFace(Face face, const QImage& picture) {
    faces[Index(face)] = picture;
    Rebuild(face);
    update();
}

void TRzBmpButton::SetTransparentColor(const QColor& colour) {
    transparentColor = colour;
    for (Face face : {Face::Up, Face::Hot, Face::Disabled})
        Rebuild(face);
    update();
}

void TRzBmpButton::Rebuild(Face face) {
    const QImage& picture = faces[Index(face)];
    QPixmap& pixmap = shown[Index(face)];
    pixmap = QPixmap::fromImage(picture);
    if (transparentColor.isValid() && !picture.isNull())
        pixmap.setMask(QBitmap::fromImage(
            picture.createMaskFromColor(transparentColor.rgb(), Qt::MaskInColor)));
}

TRzBmpButton::Face TRzBmpButton::Current() const {
    if (!isEnabled())
        return shown[Index(Face::Disabled)].isNull() ? Face::Up : Face::Disabled;
    if ((hot || isDown()) && !shown[Index(Face::Hot)].isNull())
        return Face::Hot;
    return Face::Up;
}

void TRzBmpButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int shift = isDown() ? 1 : 0; // a pressed button sinks by a pixel
    painter.drawPixmap(shift, shift, shown[Index(Current())]);
    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect().adjusted(shift, captionMargin + shift, shift, shift),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, text());
    }
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void TRzBmpButton::enterEvent(QEnterEvent* event) {
    hot = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TRzBmpButton::leaveEvent(QEvent* event) {
    hot = false;
    update();
    QAbstractButton::leaveEvent(event);
}
