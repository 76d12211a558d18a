#include "BitBtn.h"

#include "Colors.h"

#include <QIcon>
#include <QPainter>

TRzBitBtn::TRzBitBtn(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
}

void TRzBitBtn::SetGlyph(const QImage& newGlyph) {
    glyph = newGlyph;
    update();
}

void TRzBitBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    const bool hot = enabled && underMouse();
    QColor face = enabled ? Colors::White : Colors::DisabledFace;
    if (hot)
        face = Colors::HotFace;
    if (isDown())
        face = Colors::HotFace.darker(108);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(face);
    painter.setPen(enabled ? Colors::Frame : Colors::DisabledFrame);
    painter.drawRoundedRect(box, 3, 3);
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QFontMetrics metrics(font());
    const QString shownText = QString(text()).remove(QLatin1Char('&'));
    const int gap = glyph.isNull() ? 0 : 6;
    const int contentWidth = glyph.width() + gap + metrics.horizontalAdvance(shownText);
    const int shift = isDown() ? 1 : 0;
    int left = (width() - contentWidth) / 2 + shift;
    if (!glyph.isNull()) {
        const QPixmap drawn = QIcon(QPixmap::fromImage(glyph))
                                  .pixmap(glyph.size(), enabled ? QIcon::Normal : QIcon::Disabled);
        painter.drawPixmap(left, (height() - glyph.height()) / 2 + shift, drawn);
        left += glyph.width() + gap;
    }
    painter.setPen(enabled ? palette().color(QPalette::ButtonText) : Colors::DisabledText);
    painter.drawText(QRect(left, shift, width() - left, height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());

    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Colors::Frame, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}
