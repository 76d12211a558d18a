#pragma once

#include "Edit.h"

// An edit whose text follows a mask of the form "000:00:00.000;1;_": digits in the "0"
// positions, the other characters fixed, "_" shown in positions not yet filled. Text keeps
// the fixed characters and has a space in every unfilled position, so it always has the
// mask's length.
class TRzMaskEdit : public TRzEdit {
    Q_OBJECT
    Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)

public:
    explicit TRzMaskEdit(QWidget* parent);

    QString Text() const override;
    void SetText(const QString& value) override;
    QString EditMask() const { return editMask; }
    void SetEditMask(const QString& mask);

private:
    QString editMask;
    QChar blank = QLatin1Char('_');
};
