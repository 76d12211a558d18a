#include "PopupMenu.h"

TMenuItem::TMenuItem(QMenu* menu) : QAction(menu) {
    setCheckable(true);
    menu->addAction(this);
    connect(this, &QAction::triggered, this, [this] {
        // Qt ticks a checkable action on its own; the item's handler decides instead.
        setChecked(checked);
        emit Click();
    });
}

void TMenuItem::SetChecked(bool on) {
    checked = on;
    setChecked(on);
    auto* menu = qobject_cast<QMenu*>(parent());
    if (!on || !RadioItem || !menu)
        return;
    for (QAction* action : menu->actions())
        if (auto* item = qobject_cast<TMenuItem*>(action);
            item && item != this && item->RadioItem && item->GroupIndex == GroupIndex)
            item->SetChecked(false);
}

TPopupMenu::TPopupMenu(QWidget* parent) : QMenu(parent) {}
