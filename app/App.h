#pragma once

#include <QObject>

class MenuBar1;
class QAction;

// The application object: owns the menu bar until the main window takes it, sets the default
// menu marks and quits when the last window closes.
class App : public QObject {
    Q_OBJECT
public:
    App();
    MenuBar1 *menuBar() const { return MenuBar1_; }
    QAction *menuItem(const QString &name, int index) const;
    void Event_Open();
    bool AutoQuit = false;

private:
    MenuBar1 *MenuBar1_ = nullptr;
};
