#pragma once

#include "ControlProperties.h"

// A plain container filled with its colour, without a border.
class TRzPanel : public QWidget {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption MEMBER caption)

public:
    explicit TRzPanel(QWidget* parent);

    void SetColor(const QColor& colour);

private:
    QString caption;
};
