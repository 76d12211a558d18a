#pragma once

#include "MaskEdit.h"

// Writes a time field's text with its change handling switched off: a field's Tag is 1 while
// the program itself writes it.
inline void SetTextGuarded(TRzMaskEdit& field, const QString& text) {
    field.Tag = 1;
    field.SetText(text);
    field.Tag = 0;
}
