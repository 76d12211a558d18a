#include "Image.h"

#include <QBitmap>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <stdexcept>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& newPicture) {
    picture = newPicture;
    Rebuild();
}

void TImage::LoadFromFile(const QString& path) {
    QImageReader reader(path);
    const QImage loaded = reader.read();
    if (loaded.isNull())
        throw std::runtime_error("Cannot open file \"" + QFile::encodeName(path).toStdString() +
                                 "\". " + reader.errorString().toStdString());
    SetPicture(loaded);
}

void TImage::SetTransparent(bool on) {
    transparent = on;
    Rebuild();
}

void TImage::Rebuild() {
    shown = QPixmap::fromImage(picture);
    if (transparent && !picture.isNull()) {
        const QRgb key = picture.pixel(0, picture.height() - 1);
        shown.setMask(QBitmap::fromImage(picture.createMaskFromColor(key, Qt::MaskInColor)));
    }
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, shown);
}

void TImage::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMove(event->modifiers(), at.x(), at.y());
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}
