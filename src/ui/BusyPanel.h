#pragma once

#include "UnitVE3Zezeva.h"

#include <QCoreApplication>

// Shows the busy panel with `text` and lets it paint before the window blocks. User input
// waits meanwhile, so no second click starts while the window is busy.
inline void ShowBusyPanel(TFrmVE3Zezeva& form, const QString& text) {
    form.Label25->SetCaption(text);
    form.PanelState->setVisible(true);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
