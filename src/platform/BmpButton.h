#pragma once

#include "ControlProperties.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

// A button that shows one of its pictures: Up, Hot while the mouse is over it, Disabled
// while disabled. Pixels of the transparent colour are left out of every face.
class TRzBmpButton : public QAbstractButton {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    enum class Face { Up, Hot, Disabled };

    explicit TRzBmpButton(QWidget* parent);

    void SetFace(Face face, const QImage& picture);
    QImage FaceImage(Face face) const { return faces[Index(face)]; }
    void SetTransparentColor(const QColor& colour);
    // The caption, if any, is drawn below the picture, starting this far from the top.
    void SetCaptionMargin(int margin) { captionMargin = margin; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    static int Index(Face face) { return static_cast<int>(face); }
    void Rebuild(Face face);
    Face Current() const;

    QImage faces[3];
    QPixmap shown[3];
    QColor transparentColor;
    int captionMargin = 0;
    bool hot = false;
};
