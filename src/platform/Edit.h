#pragma once

#include "ControlProperties.h"

#include <QLineEdit>

// A flat one-line edit with a one-pixel frame. MaxLength 0 means no limit.
class TRzEdit : public QLineEdit {
    Q_OBJECT
    SNIPORA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(int SelStart READ SelStart WRITE SetSelStart)
    Q_PROPERTY(int SelLength READ SelLength WRITE SetSelLength)

public:
    explicit TRzEdit(QWidget* parent);

    virtual QString Text() const { return text(); }
    virtual void SetText(const QString& value) { setText(value); }
    int MaxLength() const { return maxLength; }
    void SetMaxLength(int length);
    void SetFrameColor(const QColor& colour);
    void SetFontColor(const QColor& colour);
    // The caret, or the start of the selection; setting it drops the selection.
    int SelStart() const;
    void SetSelStart(int position);
    int SelLength() const;
    // Selects this many characters from SelStart.
    void SetSelLength(int length);

signals:
    // Every change of the text, typed or set by the program.
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor frameColor{Qt::gray};
    int maxLength = 0;
};
