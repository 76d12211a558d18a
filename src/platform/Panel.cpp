#include "Panel.h"

TRzPanel::TRzPanel(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void TRzPanel::SetColor(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}
