#include "Edit.h"

#include "Colors.h"

#include <QPainter>

TRzEdit::TRzEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(3, 0, 3, 0);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Colors::White);
    colours.setColor(QPalette::Disabled, QPalette::Base, Colors::DisabledFace);
    setPalette(colours);
    connect(this, &QLineEdit::textChanged, this, &TRzEdit::Change);
}

void TRzEdit::SetMaxLength(int length) {
    maxLength = length;
    setMaxLength(length > 0 ? length : 32767);
}

void TRzEdit::SetFrameColor(const QColor& colour) {
    frameColor = colour;
    update();
}

void TRzEdit::SetFontColor(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Active, QPalette::Text, colour);
    colours.setColor(QPalette::Inactive, QPalette::Text, colour);
    colours.setColor(QPalette::Disabled, QPalette::Text, Colors::DisabledText);
    setPalette(colours);
}

int TRzEdit::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TRzEdit::SetSelStart(int position) {
    setCursorPosition(position);
}

int TRzEdit::SelLength() const {
    return int(selectedText().size());
}

void TRzEdit::SetSelLength(int length) {
    setSelection(SelStart(), length);
}

void TRzEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(isEnabled() ? frameColor : Colors::DisabledFrame);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
