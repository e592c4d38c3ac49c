#include "app/MenuBar1.h"

#include <QAction>
#include <QMenu>

MenuBar1::MenuBar1(QWidget *parent) : QMenuBar(parent) {
    setObjectName(QStringLiteral("MenuBar1"));
    build();
}

QAction *MenuBar1::item(const QString &name, int index) const {
    const auto actions = findChildren<QAction *>(name);
    for (QAction *a : actions) {
        const QVariant v = a->property("index");
        const int itemIndex = v.isValid() ? v.toInt() : -1;
        if (itemIndex == index)
            return a;
    }
    return nullptr;
}

QMenu *MenuBar1::menu(const QString &name) const { return findChild<QMenu *>(name); }

void MenuBar1::build() {}
