#pragma once

#include <QAction>
#include <QMenu>

// Checkmarks are the menus' state; these read and write them where an item may be missing
// (looked up by name and index), without crashing.

inline int MenuItemCount(const QMenu *menu) {
    return menu ? int(menu->actions().size()) : 0;
}

inline void SetMark(QAction *item, bool checked) {
    if (!item)
        return;
    item->setCheckable(true);
    item->setChecked(checked);
}

inline bool HasMark(const QAction *item) {
    return item && item->isChecked();
}
