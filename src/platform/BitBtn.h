#pragma once

#include "ControlProperties.h"

#include <QAbstractButton>
#include <QImage>

// A flat push button with a small picture left of its caption; it lights up under the mouse.
class TRzBitBtn : public QAbstractButton {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    explicit TRzBitBtn(QWidget* parent);

    void SetGlyph(const QImage& glyph);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage glyph;
};
