#pragma once

#include <QAction>
#include <QMenu>

// One item of a pop-up menu. Ticking a radio item unticks the other radio items of its group
// in the same menu; clicking an item does not tick it by itself.
class TMenuItem : public QAction {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip)
    Q_PROPERTY(int Tag MEMBER Tag)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool RadioItem MEMBER RadioItem)
    Q_PROPERTY(int GroupIndex MEMBER GroupIndex)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)

public:
    explicit TMenuItem(QMenu* menu);

    int Tag = 0;
    bool RadioItem = false;
    int GroupIndex = 0;
    bool Checked() const { return checked; }
    void SetChecked(bool on);

signals:
    void Click();

private:
    bool checked = false;
};

class TPopupMenu : public QMenu {
    Q_OBJECT
    Q_PROPERTY(int Tag MEMBER Tag)

public:
    explicit TPopupMenu(QWidget* parent);

    int Tag = 0;
    // Opens the menu at a point of the screen.
    void Popup(const QPoint& screenPoint) { popup(screenPoint); }
};
