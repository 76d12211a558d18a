#pragma once

#include "ControlProperties.h"

#include <QAbstractButton>

// A check box with a flat frame that lights up under the mouse. Click is emitted whenever the
// checked state changes, whether the user or the program changed it.
class TRzCheckBox : public QAbstractButton {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)

public:
    explicit TRzCheckBox(QWidget* parent);

    void SetFrameColor(const QColor& colour);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor frameColor{Qt::gray};
};
