// Menu handler binding, menu enabling and the About box.
#include "app/AboutWindow.h"
#include "app/MenuBar1.h"
#include "app/Window1.h"

#include <QAction>
#include <QMenu>

void Window1::AddMenuHandlers() {
    if (!menuBar_)
        return;
    using Handler = void (Window1::*)(int);
    static const struct {
        const char *name;
        Handler handler;
    } arrays[] = {
        {"Color75", &Window1::Color75_Action},
        {"Output", &Window1::Output_Action},
        {"Color100", &Window1::Color100_Action},
        {"Special", &Window1::Special_Action},
        {"PLUGE", &Window1::PLUGE_Action},
        {"Grayfield", &Window1::Grayfield_Action},
        {"Grayscale100", &Window1::Grayscale100_Action},
        {"Grayscale10", &Window1::Grayscale10_Action},
        {"Grayscale109", &Window1::Grayscale109_Action},
        {"DeepColor", &Window1::DeepColor_Action},
        {"F5994", &Window1::F5994_Action},
        {"F60", &Window1::F60_Action},
        {"F50", &Window1::F50_Action},
        {"F3DFP", &Window1::F3DFP_Action},
        {"F3DSSH", &Window1::F3DSSH_Action},
        {"F3DTB", &Window1::F3DTB_Action},
        {"Channels", &Window1::Channels_Action},
        {"Gray2Color", &Window1::Gray2Color_Action},
        {"WSize", &Window1::WSize_Action},
        {"CBSize", &Window1::CBSize_Action},
        {"GS_PLUGE", &Window1::GS_PLUGE_Action},
    };
    for (const auto &binding : arrays) {
        const auto items = menuBar_->findChildren<QAction *>(QString::fromLatin1(binding.name));
        for (QAction *a : items) {
            const int index = a->property("index").toInt();
            const Handler handler = binding.handler;
            connect(a, &QAction::triggered, this,
                    [this, handler, index] { (this->*handler)(index); });
        }
    }
    if (QAction *about = AppleAbout())
        connect(about, &QAction::triggered, this, [this] { AppleAbout_Action(); });
    if (QAction *load = Load_History())
        connect(load, &QAction::triggered, this, [this] { Load_History_Action(); });
    if (QAction *save = Save_History())
        connect(save, &QAction::triggered, this, [this] { Save_History_Action(); });
    if (QAction *quit = FileQuit())
        connect(quit, &QAction::triggered, this, [this] { close(); });

    for (QMenu *m : menuBar_->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly))
        connect(m, &QMenu::aboutToShow, this, [this] { EnableMenuItems(); });
    // Shortcuts and programmatic triggers do not open a menu: keep the enabled flags in step with
    // the checkmarks they depend on.
    for (const char *name : {"Output", "Gray2Color"}) {
        for (QAction *a : menuBar_->findChildren<QAction *>(QString::fromLatin1(name)))
            connect(a, &QAction::toggled, this, [this] { EnableMenuItems(); });
    }
    EnableMenuItems();
}

void Window1::EnableMenuItems() {
    if (!menuBar_)
        return;
    // Items without AutoEnable start disabled; only the rules below enable them.
    for (int i = 0; i <= 2; ++i) {
        if (QAction *a = DeepColor(i))
            a->setEnabled(false);
    }
    for (int i = 0; i <= 6; ++i) {
        if (QAction *a = Channels(i))
            a->setEnabled(false);
    }
    // A deep-colour depth exists only for the 4:4:4 and RGB outputs.
    QAction *out0 = Output(0), *out1 = Output(1);
    if (!(out0 && out0->isChecked()) && !(out1 && out1->isChecked())) {
        for (int i = 0; i <= 2; ++i) {
            if (QAction *a = DeepColor(i))
                a->setEnabled(true);
        }
    }
    // Channels can be chosen only while gray-to-colour is off.
    if (QAction *off = Gray2Color(0); off && off->isChecked()) {
        for (int i = 0; i <= 6; ++i) {
            if (QAction *a = Channels(i))
                a->setEnabled(true);
        }
    }
}

void Window1::AppleAbout_Action() {
    if (!About)
        About = new AboutWindow(this);
    About->show();
    About->raise();
    About->activateWindow();
}
