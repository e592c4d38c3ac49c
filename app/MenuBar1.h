#pragma once

#include <QMenuBar>

class QAction;
class QMenu;

// The menu tree. Items carry their name as objectName and, for item arrays, an "index" property;
// look-ups search the whole bar afresh each time.
class MenuBar1 : public QMenuBar {
    Q_OBJECT
public:
    explicit MenuBar1(QWidget *parent = nullptr);

    // The item `name`(index); index -1 for an item that is not part of an array.
    QAction *item(const QString &name, int index = -1) const;
    // A menu or submenu by its title name.
    QMenu *menu(const QString &name) const;

    // Enables the editing commands for the focused text field, as the Edit menu opens.
    void enableEditItems();

private:
    void build();
};
