#pragma once

#include "ControlProperties.h"

#include <QImage>
#include <QPixmap>

// A picture control. A transparent picture leaves out every pixel of the colour of its
// bottom-left pixel, the way bitmaps are drawn transparent on the original platform.
class TImage : public QWidget {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES

public:
    explicit TImage(QWidget* parent);

    void SetPicture(const QImage& picture);
    // Throws std::runtime_error naming the file when it cannot be read as a picture.
    void LoadFromFile(const QString& path);
    void SetTransparent(bool on);
    const QImage& Picture() const { return picture; }

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Rebuild();

    QImage picture;
    QPixmap shown;
    bool transparent = false;
};
