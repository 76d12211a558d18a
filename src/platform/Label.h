#pragma once

#include "ControlProperties.h"

// A text label painted by the form itself. An auto-sized label follows its text; a
// right-aligned one keeps its right edge where it is.
class TLabel : public QWidget {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TLabel(QWidget* parent);

    QString Caption() const { return caption; }
    void SetCaption(const QString& text);
    void SetAutoSize(bool on);
    void SetRightAligned(bool on);
    // An opaque label fills its background with colour; a transparent one shows its parent.
    void SetOpaque(const QColor& colour);
    void SetFontColor(const QColor& colour);
    QColor FontColor() const { return fontColor; }

signals:
    void Click();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AdjustSize();

    QString caption;
    QColor fontColor{Qt::black};
    QColor background;
    bool autoSize = true;
    bool rightAligned = false;
};
