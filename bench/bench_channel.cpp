// Figures for the command channel: exchange rate and latency over the in-process virtual port and
// over a pseudo-terminal through QSerialPort, CPU spent while a silent device is awaited, and the
// time from process start to the main window shown. Run with QT_QPA_PLATFORM=offscreen.
#include "app/App.h"
#include "app/Window1.h"
#include "platform/QtSerialPortBackend.h"
#include "sim/PtyGenerator.h"
#include "sim/VirtualSerialPort.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

// Message boxes are dismissed at once: the figures are about the program, not its user.
class DismissingDialogs : public Dialogs {
public:
    void messageBox(QWidget *, const QString &) override {}
    Answer messageDialog(QWidget *, const MessageDialog &) override { return Answer::Cancel; }
    QString openFile(QWidget *, const QString &) override { return {}; }
    QString saveFile(QWidget *, const QString &, const QString &) override { return {}; }
};

class FolderStorage : public Storage {
public:
    explicit FolderStorage(QString folder) : folder_(std::move(folder)) {}
    QString preferencesFolder() override { return folder_; }

private:
    QString folder_;
};

struct Bench {
    explicit Bench(std::unique_ptr<SerialPort> serial) {
        Platform p;
        p.serial = std::move(serial);
        p.dialogs = std::make_unique<DismissingDialogs>();
        p.storage = std::make_unique<FolderStorage>(prefs.path());
        p.ticks = std::make_unique<ElapsedTickCounter>();
        app = std::make_unique<App>();
        window = std::make_unique<Window1>(std::move(p), app->menuBar());
    }
    bool openFirstPort() {
        window->Serial1->portNames();
        window->Serial1->selectPort(0);
        window->Authorized = true;
        return window->Serial1->open();
    }
    QTemporaryDir prefs;
    std::unique_ptr<App> app;
    std::unique_ptr<Window1> window;
};

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// "CB75" CR out, "OK" CR LF back: 9 bytes of 10 bits each.
constexpr double kWireMs = 9 * 10 * 1000.0 / 115200;

bool exchanges(const char *carrier, Window1 &w, int count) {
    std::vector<double> ms;
    ms.reserve(size_t(count));
    QElapsedTimer all;
    all.start();
    for (int i = 0; i < count; ++i) {
        QElapsedTimer one;
        one.start();
        w.SendCommand(QStringLiteral("CB75"));
        ms.push_back(double(one.nsecsElapsed()) / 1e6);
        if (!w.ReplyReceived) {
            std::printf("%-22s exchange %d got no reply\n", carrier, i);
            return false;
        }
    }
    const double seconds = double(all.nsecsElapsed()) / 1e9;
    std::printf("%-22s %6d exchanges  %9.0f /s  median %7.3f ms  p99 %7.3f ms  (wire at 115200: "
                "%.3f ms)\n",
                carrier, count, count / seconds, percentile(ms, 0.5), percentile(ms, 0.99),
                kWireMs);
    return true;
}

void silentCpu(const char *carrier, Window1 &w) {
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    for (int i = 0; i < 5; ++i)
        w.SendCommand(QStringLiteral("CB75"));
    const double cpu = cpuSeconds() - cpu0;
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    std::printf("%-22s 5 silent sends: %.2f s wall, %.3f s CPU = %.2f%% of the wait\n", carrier,
                seconds, cpu, 100.0 * cpu / seconds);
}

void waitExposed(QWidget &w) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (w.windowHandle() && w.windowHandle()->isExposed())
            loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
}

// The child of the start-up figure: starts as main() does with no serial port at all and says
// "shown" once the window is on screen.
int startupChild(QApplication &qapp) {
    QApplication::setQuitOnLastWindowClosed(false);
    Bench b(std::make_unique<VirtualSerialPort>());
    b.window->show();
    b.window->Event_Open();
    b.app->Event_Open();
    waitExposed(*b.window);
    std::printf("shown\n");
    std::fflush(stdout);
    Q_UNUSED(qapp);
    return 0;
}

void startupFigure(const QString &self) {
    std::vector<double> ms;
    for (int run = 0; run < 5; ++run) {
        QProcess child;
        QElapsedTimer t;
        t.start();
        child.start(self, {QStringLiteral("--startup-child")});
        double shownAt = -1;
        while (child.waitForReadyRead(10000)) {
            if (child.readAll().contains("shown")) {
                shownAt = double(t.nsecsElapsed()) / 1e6;
                break;
            }
        }
        child.waitForFinished(10000);
        if (shownAt < 0) {
            std::printf("start-up: the window was not shown\n");
            return;
        }
        ms.push_back(shownAt);
    }
    std::printf("start-up, no serial port: process start to window shown: median %.0f ms, "
                "best %.0f ms (5 runs)\n",
                percentile(ms, 0.5), percentile(ms, 0.0));
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication qapp(argc, argv);
    if (qapp.arguments().contains(QStringLiteral("--startup-child")))
        return startupChild(qapp);
    QApplication::setQuitOnLastWindowClosed(false);

    {
        auto ports = std::make_unique<VirtualSerialPort>();
        ports->addDevice(QStringLiteral("ttyV0"));
        Bench b(std::move(ports));
        if (!b.openFirstPort() || !exchanges("virtual port", *b.window, 20000))
            return 1;
    }
    {
        PtyGenerator pty;
        if (!pty.isValid()) {
            std::printf("no pseudo-terminal: %s\n", qPrintable(pty.errorString()));
            return 1;
        }
        Bench b(std::make_unique<QtSerialPortBackend>(QStringList{pty.slavePath()}));
        if (!b.openFirstPort() || !exchanges("pty + QSerialPort", *b.window, 5000))
            return 1;
    }
    {
        auto ports = std::make_unique<VirtualSerialPort>();
        ports->addDevice(QStringLiteral("ttyV0"), VirtualHxt::Persona::Silent);
        Bench b(std::move(ports));
        b.openFirstPort();
        silentCpu("virtual port", *b.window);
    }
    {
        PtyGenerator pty;
        pty.hxt().persona = VirtualHxt::Persona::Silent;
        Bench b(std::make_unique<QtSerialPortBackend>(QStringList{pty.slavePath()}));
        b.openFirstPort();
        silentCpu("pty + QSerialPort", *b.window);
    }
    startupFigure(QCoreApplication::applicationFilePath());
    return 0;
}
