#include "app/App.h"

#include "app/MenuBar1.h"

#include <QAction>
#include <QApplication>

App::App() : MenuBar1_(new MenuBar1) {}

QAction *App::menuItem(const QString &name, int index) const {
    return MenuBar1_->item(name, index);
}

void App::Event_Open() {
    // The start-up marks; the generator is not told about them.
    static const struct {
        const char *array;
        int index;
    } defaults[] = {{"Output", 2},     {"DeepColor", 0}, {"Channels", 0},
                    {"Gray2Color", 0}, {"Color75", 0},   {"F5994", 0},
                    {"WSize", 3},      {"CBSize", 2},    {"GS_PLUGE", 0}};
    for (const auto &d : defaults) {
        if (QAction *a = menuItem(QString::fromLatin1(d.array), d.index))
            a->setChecked(true);
    }
    AutoQuit = true;
    QApplication::setQuitOnLastWindowClosed(AutoQuit);
}
