#include "MaskEdit.h"

TRzMaskEdit::TRzMaskEdit(QWidget* parent) : TRzEdit(parent) {}

void TRzMaskEdit::SetEditMask(const QString& mask) {
    editMask = mask;
    const QStringList parts = mask.split(QLatin1Char(';'));
    blank = parts.size() > 2 && !parts[2].isEmpty() ? parts[2][0] : QLatin1Char('_');
    setInputMask(parts[0] + QLatin1Char(';') + blank);
}

QString TRzMaskEdit::Text() const {
    return displayText().replace(blank, QLatin1Char(' '));
}

void TRzMaskEdit::SetText(const QString& value) {
    setText(QString(value).replace(QLatin1Char(' '), blank));
}
