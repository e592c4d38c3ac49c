#include "support/TestSupport.h"

#include "app/MenuBar1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QtTest>

void FakeDialogs::messageBox(QWidget *, const QString &text) {
    messages << text;
    if (onMessage)
        onMessage(text);
}

Dialogs::Answer FakeDialogs::messageDialog(QWidget *, const MessageDialog &dialog) {
    shownDialogs << dialog;
    return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
}

QString FakeDialogs::openFile(QWidget *, const QString &) {
    return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
}

QString FakeDialogs::saveFile(QWidget *, const QString &defaultName, const QString &) {
    saveDefaults << defaultName;
    return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
}

Rig::Rig(const std::function<void(VirtualSerialPort &)> &setup, std::unique_ptr<SerialPort> serial,
         const QString &prefsFolder) {
    Platform p;
    if (serial) {
        p.serial = std::move(serial);
    } else {
        auto virtualPorts = std::make_unique<VirtualSerialPort>();
        ports = virtualPorts.get();
        if (setup)
            setup(*virtualPorts);
        p.serial = std::move(virtualPorts);
    }
    auto fake = std::make_unique<FakeDialogs>();
    dialogs = fake.get();
    p.dialogs = std::move(fake);
    p.storage =
        std::make_unique<FixedStorage>(prefsFolder.isNull() ? prefsDir.path() : prefsFolder);
    p.ticks = std::make_unique<ElapsedTickCounter>();
    app = std::make_unique<App>();
    window = std::make_unique<Window1>(std::move(p), app->menuBar());
}

Rig::~Rig() {
    window.reset();
}

void Rig::open(bool show) {
    if (show)
        window->show();
    window->Event_Open();
    app->Event_Open();
}

QStringList Rig::words(int device) const {
    if (!ports || ports->deviceCount() == 0)
        return {};
    const int i = device < 0 ? ports->deviceCount() - 1 : device;
    return ports->device(i).hxt->transcript;
}

void pumpEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QStringList popupRows(const QComboBox *popup) {
    QStringList rows;
    for (int i = 0; i < popup->count(); ++i)
        rows << popup->itemText(i);
    return rows;
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
