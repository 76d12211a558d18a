#include "Label.h"

#include "Colors.h"

#include <QMouseEvent>
#include <QPainter>

TLabel::TLabel(QWidget* parent) : QWidget(parent) {}

void TLabel::SetCaption(const QString& text) {
    caption = text;
    AdjustSize();
    update();
}

void TLabel::SetAutoSize(bool on) {
    autoSize = on;
    AdjustSize();
}

void TLabel::SetRightAligned(bool on) {
    rightAligned = on;
    update();
}

void TLabel::SetOpaque(const QColor& colour) {
    background = colour;
    update();
}

void TLabel::SetFontColor(const QColor& colour) {
    fontColor = colour;
    update();
}

void TLabel::AdjustSize() {
    if (!autoSize)
        return;
    const QFontMetrics metrics(font());
    const int newWidth = metrics.horizontalAdvance(caption);
    const int right = x() + width();
    setGeometry(rightAligned ? right - newWidth : x(), y(), newWidth, metrics.height());
}

void TLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background.isValid())
        painter.fillRect(rect(), background);
    const int flags = (rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
    if (isEnabled()) {
        painter.setPen(fontColor);
        painter.drawText(rect(), flags, caption);
        return;
    }
    // Disabled text is embossed, as the platform's own labels draw it.
    painter.setPen(Colors::White);
    painter.drawText(rect().translated(1, 1), flags, caption);
    painter.setPen(Colors::DisabledText);
    painter.drawText(rect(), flags, caption);
}

void TLabel::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void TLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        AdjustSize();
    QWidget::changeEvent(event);
}
