#pragma once

#include "ControlProperties.h"

#include <QList>

class TRzPageControl;

// One page of a page control; its controls are placed relative to the page.
class TTabSheet : public QWidget {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TTabSheet(TRzPageControl* pageControl);

    QString Caption() const { return caption; }
    void SetCaption(const QString& text);

private:
    QString caption;
};

// Pages with their tabs along the left edge, captions running upwards. The first page's tab
// lies at the bottom of the strip and later ones stack above it.
class TRzPageControl : public QWidget {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(int TabIndex READ TabIndex WRITE SetTabIndex)

public:
    explicit TRzPageControl(QWidget* parent);

    void SetTabStripWidth(int pixels);
    void SetFlatColor(const QColor& colour);
    TTabSheet* Page(int index) const { return pages.value(index); }
    TTabSheet* ActivePage() const { return Page(active); }
    void SetActivePage(TTabSheet* page);
    int TabIndex() const { return active; }
    void SetTabIndex(int index);
    QRect TabRect(int index) const;

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* page);
    QRect PageRect() const;

    QList<TTabSheet*> pages;
    int active = -1;
    int stripWidth = 23;
    QColor flatColor{Qt::gray};
};
