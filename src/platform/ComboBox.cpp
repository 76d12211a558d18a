#include "ComboBox.h"

#include "Colors.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>

namespace {
constexpr int ButtonWidth = 17;

class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(int height, QObject* parent)
        : QStyledItemDelegate(parent), height(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height};
    }

private:
    int height;
};
} // namespace

TRzComboBox::TRzComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setMaxVisibleItems(8);
    setAttribute(Qt::WA_Hover);
}

QStringList TRzComboBox::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    return items;
}

void TRzComboBox::SetItems(const QStringList& items) {
    const int selected = currentIndex();
    clear();
    addItems(items);
    setCurrentIndex(selected < count() ? selected : -1);
}

void TRzComboBox::AddItems(const QStringList& items) {
    const int selected = currentIndex();
    addItems(items);
    setCurrentIndex(selected);
}

void TRzComboBox::SetFrameColor(const QColor& colour) {
    frameColor = colour;
    update();
}

void TRzComboBox::SetItemHeight(int pixels) {
    view()->setItemDelegate(new FixedHeightDelegate(pixels, view()));
}

void TRzComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    painter.fillRect(rect(), enabled ? Colors::White : Colors::DisabledFace);
    const QRect button(width() - ButtonWidth, 0, ButtonWidth, height());
    if (enabled && underMouse())
        painter.fillRect(button, Colors::HotFace);

    const QColor frame = enabled ? frameColor : Colors::DisabledFrame;
    painter.setPen(frame);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawLine(button.left(), 1, button.left(), height() - 2);

    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QRectF(button).center();
    QPainterPath arrow;
    arrow.moveTo(centre.x() - 3.5, centre.y() - 1.5);
    arrow.lineTo(centre.x() + 3.5, centre.y() - 1.5);
    arrow.lineTo(centre.x(), centre.y() + 2.0);
    arrow.closeSubpath();
    painter.fillPath(arrow, enabled ? Colors::Navy : Colors::DisabledText);
    painter.setRenderHint(QPainter::Antialiasing, false);

    QRect textArea = rect().adjusted(4, 0, -ButtonWidth - 2, 0);
    if (hasFocus() && enabled) {
        const QRect focus = rect().adjusted(2, 2, -ButtonWidth - 2, -2);
        painter.fillRect(focus, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::HighlightedText));
    } else {
        painter.setPen(enabled ? palette().color(QPalette::Text) : Colors::DisabledText);
    }
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, currentText());
}
