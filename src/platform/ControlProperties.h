#pragma once

#include <QWidget>

// The properties every visual control shares, under the names the forms and the language
// files use. Enabled and Visible are the control's own flags, not inherited from its parents.
// clang-format off
#define SNIPORA_CONTROL_PROPERTIES                                                          \
    Q_PROPERTY(int Left READ Left WRITE SetLeft)                                            \
    Q_PROPERTY(int Top READ Top WRITE SetTop)                                               \
    Q_PROPERTY(int Width READ Width WRITE SetWidth)                                         \
    Q_PROPERTY(int Height READ Height WRITE SetHeight)                                      \
    Q_PROPERTY(int Tag MEMBER Tag)                                                          \
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)                                        \
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)                                  \
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)                                  \
                                                                                            \
public:                                                                                     \
    int Tag = 0;                                                                            \
    int Left() const { return x(); }                                                        \
    int Top() const { return y(); }                                                         \
    int Width() const { return width(); }                                                   \
    int Height() const { return height(); }                                                 \
    void SetLeft(int left) { move(left, y()); }                                             \
    void SetTop(int top) { move(x(), top); }                                                \
    void SetWidth(int width) { resize(width, height()); }                                   \
    void SetHeight(int height) { resize(width(), height); }                                 \
    QString Hint() const { return toolTip(); }                                              \
    void SetHint(const QString& hint) { setToolTip(hint); }                                 \
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }                   \
    bool Visible() const { return !isHidden(); }                                            \
                                                                                            \
private:
// clang-format on
