#include "CheckBox.h"

#include "Colors.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int BoxSize = 13;
}

TRzCheckBox::TRzCheckBox(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::toggled, this, &TRzCheckBox::Click);
}

void TRzCheckBox::SetFrameColor(const QColor& colour) {
    frameColor = colour;
    update();
}

void TRzCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    const QRect box(0, (height() - BoxSize) / 2, BoxSize, BoxSize);
    QColor fill = enabled ? Colors::White : Colors::DisabledFace;
    if (enabled && (underMouse() || isDown()))
        fill = Colors::HotFace;
    painter.fillRect(box, fill);
    painter.setPen(enabled ? frameColor : Colors::DisabledFrame);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (isChecked()) {
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath tick;
        tick.moveTo(box.left() + 3, box.top() + 6.5);
        tick.lineTo(box.left() + 5.5, box.top() + 9);
        tick.lineTo(box.left() + 10, box.top() + 3.5);
        painter.setPen(QPen(enabled ? Colors::Navy : Colors::DisabledText, 1.8));
        painter.drawPath(tick);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    const QRect textArea = rect().adjusted(BoxSize + 5, 0, 0, 0);
    painter.setPen(enabled ? palette().color(QPalette::WindowText) : Colors::DisabledText);
    QRect used;
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text(),
                     &used);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(frameColor, 1, Qt::DotLine));
        painter.drawRect(used.adjusted(-1, 0, 1, 0));
    }
}
