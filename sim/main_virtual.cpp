// The program with a virtual HXT-2416 as one more row of the port list. Every word the virtual
// generator receives goes to standard output, one per line; diagnostics go to standard error.
#include "app/App.h"
#include "app/Window1.h"
#include "platform/CompositeSerialPort.h"
#include "platform/QtSerialPortBackend.h"
#include "sim/VirtualSerialPort.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HXT-2416 Desktop"));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("HXT-2416 Desktop with a virtual generator"));
    parser.addHelpOption();
    QCommandLineOption firmware(QStringLiteral("firmware"),
                                QStringLiteral("Firmware version the virtual generator reports."),
                                QStringLiteral("version"), QStringLiteral("v4.72"));
    QCommandLineOption noSystem(QStringLiteral("no-system-ports"),
                                QStringLiteral("List only the virtual generator."));
    QCommandLineOption delay(QStringLiteral("reply-delay"),
                             QStringLiteral("Milliseconds before each reply."), QStringLiteral("ms"),
                             QStringLiteral("2"));
    parser.addOptions({firmware, noSystem, delay});
    parser.process(qapp);

    auto composite = std::make_unique<CompositeSerialPort>();
    if (!parser.isSet(noSystem))
        composite->addBackend(std::make_unique<QtSerialPortBackend>());
    auto virtualPorts = std::make_unique<VirtualSerialPort>();
    VirtualHxt &hxt = virtualPorts->addDevice(QStringLiteral("HXT-2416 (virtual)"));
    hxt.firmware = parser.value(firmware);
    hxt.replyDelayMs = parser.value(delay).toInt();
    hxt.onWord = [](const QString &word) {
        std::fputs(word.toLocal8Bit().constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    };
    composite->addBackend(std::move(virtualPorts));

    Platform platform = makeDesktopPlatform();
    platform.serial = std::move(composite);

    App app;
    Window1 window(std::move(platform), app.menuBar());
    window.show();
    window.Event_Open();
    app.Event_Open();
    if (window.hasClosed())
        return 0;
    return qapp.exec();
}
