#include "app/App.h"
#include "app/Window1.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HXT-2416 Desktop"));
    QApplication::setApplicationVersion(QStringLiteral("2.70"));
    // Until the start-up is done the window must not end the program by itself.
    QApplication::setQuitOnLastWindowClosed(false);

    App app;
    Window1 window(makeDesktopPlatform(), app.menuBar());
    window.show();
    window.Event_Open();
    app.Event_Open();
    if (window.hasClosed())
        return 0;
    return qapp.exec();
}
