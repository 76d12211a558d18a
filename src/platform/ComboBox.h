#pragma once

#include "ControlProperties.h"

#include <QComboBox>

// A flat drop-down list: the user picks an item but cannot type. ItemIndex -1 means no item
// is selected.
class TRzComboBox : public QComboBox {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex)
    Q_PROPERTY(QString Text READ currentText)

public:
    explicit TRzComboBox(QWidget* parent);

    QStringList Items() const;
    // Keeps the selected index when it still names an item.
    void SetItems(const QStringList& items);
    // Appends items; an empty box stays without a selection.
    void AddItems(const QStringList& items);
    void SetFrameColor(const QColor& colour);
    void SetItemHeight(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor frameColor{Qt::gray};
};
