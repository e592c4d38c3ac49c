#include "app/App.h"

#include "app/MenuBar1.h"

#include <QAction>
#include <QApplication>

App::App() : MenuBar1_(new MenuBar1) {}

QAction *App::menuItem(const QString &name, int index) const {
    return MenuBar1_->item(name, index);
}

void App::Event_Open() {
    AutoQuit = true;
    QApplication::setQuitOnLastWindowClosed(AutoQuit);
}
