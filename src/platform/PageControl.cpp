#include "PageControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int TabPadding = 10;
constexpr int TabGap = 2;
constexpr int TabCorner = 4;
} // namespace

TTabSheet::TTabSheet(TRzPageControl* pageControl) : QWidget(pageControl) {
    setAutoFillBackground(true);
    pageControl->AddPage(this);
}

void TTabSheet::SetCaption(const QString& text) {
    caption = text;
    if (parentWidget())
        parentWidget()->update();
}

TRzPageControl::TRzPageControl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void TRzPageControl::SetTabStripWidth(int pixels) {
    stripWidth = pixels;
    for (TTabSheet* page : pages)
        page->setGeometry(PageRect());
    update();
}

void TRzPageControl::SetFlatColor(const QColor& colour) {
    flatColor = colour;
    update();
}

void TRzPageControl::AddPage(TTabSheet* page) {
    pages.append(page);
    page->setGeometry(PageRect());
    if (active < 0)
        active = 0;
    page->setVisible(pages.size() - 1 == active);
    update();
}

void TRzPageControl::SetActivePage(TTabSheet* page) {
    SetTabIndex(int(pages.indexOf(page)));
}

void TRzPageControl::SetTabIndex(int index) {
    if (index < 0 || index >= pages.size() || index == active)
        return;
    active = index;
    for (int i = 0; i < pages.size(); ++i)
        pages[i]->setVisible(i == active);
    update();
    emit Change();
}

QRect TRzPageControl::PageRect() const {
    return QRect(stripWidth + 1, 1, width() - stripWidth - 2, height() - 2);
}

QRect TRzPageControl::TabRect(int index) const {
    const QFontMetrics metrics(font());
    int bottom = height() - 1 - TabGap;
    for (int i = 0; i < pages.size(); ++i) {
        const int length = metrics.horizontalAdvance(pages[i]->Caption()) + 2 * TabPadding;
        if (i == index)
            return QRect(0, bottom - length, stripWidth, length);
        bottom -= length;
    }
    return {};
}

void TRzPageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(PageRect(), palette().color(QPalette::Window));
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < pages.size(); ++i) {
        const QRectF tab = QRectF(TabRect(i)).adjusted(0.5, 0.5, 0.5, -0.5);
        QPainterPath outline;
        outline.moveTo(tab.right(), tab.top());
        outline.lineTo(tab.left() + TabCorner, tab.top());
        outline.quadTo(tab.left(), tab.top(), tab.left(), tab.top() + TabCorner);
        outline.lineTo(tab.left(), tab.bottom() - TabCorner);
        outline.quadTo(tab.left(), tab.bottom(), tab.left() + TabCorner, tab.bottom());
        outline.lineTo(tab.right(), tab.bottom());
        const bool current = i == active;
        const QColor idle =
            QColor::fromRgbF(0.75 + 0.25 * flatColor.redF(), 0.75 + 0.25 * flatColor.greenF(),
                             0.75 + 0.25 * flatColor.blueF());
        painter.fillPath(outline, current ? palette().color(QPalette::Window) : idle);
        painter.setPen(flatColor);
        painter.drawPath(outline);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.setPen(flatColor);
    painter.drawRect(PageRect().adjusted(-1, -1, 0, 0));
    // The current tab opens into its page: no frame line between them.
    const QRect opening = TabRect(active);
    if (!opening.isEmpty())
        painter.fillRect(stripWidth, opening.top() + 1, 1, opening.height() - 1,
                         palette().color(QPalette::Window));

    for (int i = 0; i < pages.size(); ++i) {
        const QRect tab = TabRect(i);
        painter.save();
        painter.translate(tab.left(), tab.bottom() + 1);
        painter.rotate(-90);
        const QRect text(0, 0, tab.height(), tab.width());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(text, Qt::AlignCenter, pages[i]->Caption());
        if (i == active && hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            painter.setPen(QPen(flatColor, 1, Qt::DotLine));
            painter.drawRect(text.adjusted(3, 3, -5, -4));
        }
        painter.restore();
    }
}

void TRzPageControl::resizeEvent(QResizeEvent*) {
    for (TTabSheet* page : pages)
        page->setGeometry(PageRect());
}

void TRzPageControl::mousePressEvent(QMouseEvent* event) {
    for (int i = 0; i < pages.size(); ++i)
        if (TabRect(i).contains(event->position().toPoint())) {
            SetTabIndex(i);
            return;
        }
    event->ignore();
}

void TRzPageControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        SetTabIndex(active + 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        SetTabIndex(active - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
