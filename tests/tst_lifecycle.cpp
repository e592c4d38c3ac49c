// Start-up order and shut-down of the main window.
#include "support/TestSupport.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kNoGenerator = QStringLiteral(
    "No HXT-2416 Connected - Check Connections and Power, then Restart this Program");
const QString kPrefName = QStringLiteral("HXT-2416 Desktop.pref");

// Virtual ports that note every close and discard, and whether a send was waiting then.
class LoggingPorts : public VirtualSerialPort {
public:
    QStringList log;
    Window1 *window = nullptr;

    void close() override {
        note(QStringLiteral("close"));
        VirtualSerialPort::close();
    }
    void discardBuffers() override {
        note(QStringLiteral("discard"));
        VirtualSerialPort::discardBuffers();
    }

private:
    void note(const QString &what) {
        log << (window && window->isWaiting() ? what + QStringLiteral(" while waiting") : what);
    }
};

struct LoggedRig {
    LoggingPorts *ports;
    std::unique_ptr<Rig> rig;

    explicit LoggedRig(const std::function<void(VirtualSerialPort &)> &setup) {
        auto p = std::make_unique<LoggingPorts>();
        ports = p.get();
        setup(*p);
        rig = std::make_unique<Rig>(std::function<void(VirtualSerialPort &)>(), std::move(p));
        ports->window = rig->window.get();
    }
    Window1 *window() const { return rig->window.get(); }
};

void writePrefs(const Rig &rig, const QByteArray &lines) {
    QFile f(rig.prefsDir.filePath(kPrefName));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(lines);
}

} // namespace

class LifecycleTest : public QObject {
    Q_OBJECT
private slots:
    void generatorOnThirdPort();
    void noGenerator_data();
    void noGenerator();
    void closingClosesPortAndSaves();
    void closeWhileSendWaits();
    void closeDuringStartupSearch();
    void closeBeforeHistoryIsReadKeepsPrefs();
};

void LifecycleTest::generatorOnThirdPort() {
    Rig rig([](VirtualSerialPort &p) {
        p.addDevice(QStringLiteral("ttyS0"), VirtualHxt::Persona::Silent);
        p.addDevice(QStringLiteral("ttyS1"), VirtualHxt::Persona::Foreign);
        p.addDevice(QStringLiteral("ttyUSB0"));
    });
    writePrefs(rig, "ColorBars75,,,,\n");
    Window1 *w = rig.window.get();

    // What holds when the search reaches the generator: ports listed, focus given, commands
    // allowed; the history and the tables come later.
    bool seen = false;
    rig.ports->device(2).hxt->onWord = [&](const QString &) {
        if (seen)
            return;
        seen = true;
        QCOMPARE(w->PortPopup->count(), 3);
        QCOMPARE(w->SerialPortCount, 3);
        QCOMPARE(w->focusWidget(), w->TxText);
        QCOMPARE(w->User_LB->topLevelItemCount(), 0);
        QVERIFY(w->Color75PatsUSB.isEmpty());
    };
    rig.open(true);
    QVERIFY(seen);

    QCOMPARE(w->PortPopup->currentIndex(), 2);
    QVERIFY(w->PortPopup->itemText(2).contains(QStringLiteral("ttyUSB0")));
    QCOMPARE(w->Connected_Text->text(), QStringLiteral("True"));
    QVERIFY(w->Authorized);
    QVERIFY(rig.dialogs->messages.isEmpty());
    QCOMPARE(w->focusWidget(), w->TxText);

    // Each port was asked once; the generator a second time by the firmware check. Nothing
    // else was sent, the default menu marks included.
    const QStringList once = {QStringLiteral("ver?")};
    QCOMPARE(rig.words(0), once);
    QCOMPARE(rig.words(1), once);
    QCOMPARE(rig.words(2), QStringList({"ver?", "ver?"}));
    QCOMPARE(rig.ports->openIndex(), 2);

    QCOMPARE(w->User_LB->topLevelItemCount(), 1);
    QCOMPARE(w->User_LB->topLevelItem(0)->text(0), QStringLiteral("ColorBars75"));
    QVERIFY(!w->Color75PatsUSB.isEmpty());
}

void LifecycleTest::noGenerator_data() {
    QTest::addColumn<QList<int>>("personas"); // VirtualHxt::Persona per port
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("selected");
    QTest::newRow("no port at all") << QList<int>{} << QStringList{"none"} << -1;
    QTest::newRow("one silent port")
        << QList<int>{int(VirtualHxt::Persona::Silent)} << QStringList{"ttyS0"} << 0;
    QTest::newRow("foreign then silent")
        << QList<int>{int(VirtualHxt::Persona::Foreign), int(VirtualHxt::Persona::Silent)}
        << QStringList{"ttyS0", "ttyS1"} << 1;
}

void LifecycleTest::noGenerator() {
    QFETCH(QList<int>, personas);
    QFETCH(QStringList, rows);
    QFETCH(int, selected);

    Rig rig([&](VirtualSerialPort &p) {
        for (int i = 0; i < personas.size(); ++i)
            p.addDevice(QStringLiteral("ttyS%1").arg(i), VirtualHxt::Persona(personas.at(i)));
    });
    writePrefs(rig, "ColorBars75,,,,\nUserWindow,50,,,\n");
    Window1 *w = rig.window.get();

    // The message holds the start-up: history and tables are loaded only after it.
    int shown = 0;
    rig.dialogs->onMessage = [&](const QString &text) {
        if (text != kNoGenerator)
            return;
        ++shown;
        QCOMPARE(w->Connected_Text->text(), QStringLiteral("False"));
        QVERIFY(!w->Authorized);
        QCOMPARE(w->User_LB->topLevelItemCount(), 0);
        QVERIFY(w->Color75PatsUSB.isEmpty());
    };
    rig.open(true);

    QCOMPARE(shown, 1);
    QCOMPARE(rig.dialogs->messages.count(kNoGenerator), 1);
    QCOMPARE(w->PortPopup->count(), rows.size());
    for (int i = 0; i < rows.size(); ++i)
        QVERIFY2(w->PortPopup->itemText(i).contains(rows.at(i)),
                 qPrintable(popupRows(w->PortPopup).join('|')));
    QCOMPARE(w->PortPopup->currentIndex(), selected);
    QCOMPARE(w->Connected_Text->text(), QStringLiteral("False"));
    QVERIFY(!w->Authorized);
    QCOMPARE(w->focusWidget(), w->TxText);

    // Commands stay off: a later send writes nothing.
    if (rig.ports->deviceCount() > 0) {
        const int before = int(rig.words().size());
        w->SendCommand(QStringLiteral("CB75"));
        QCOMPARE(int(rig.words().size()), before);
    }

    QVERIFY(!w->Color75PatsUSB.isEmpty());
    QVERIFY(!w->GrayfieldLBPatNames.isEmpty());
    QCOMPARE(w->User_LB->topLevelItemCount(), 2);
}

void LifecycleTest::closingClosesPortAndSaves() {
    LoggedRig lr([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyUSB0")); });
    Rig &rig = *lr.rig;
    Window1 *w = lr.window();
    rig.open(true);
    QVERIFY(lr.ports->isOpen());
    new QTreeWidgetItem(w->User_LB, {"ColorBars75", "", "", "", ""});
    const QString pref = rig.prefsDir.filePath(kPrefName);
    QVERIFY(!QFile::exists(pref));

    lr.ports->log.clear();
    QVERIFY(w->close());
    QVERIFY(!w->isVisible());
    QVERIFY(w->hasClosed());
    QVERIFY(!lr.ports->isOpen());
    QCOMPARE(lr.ports->log, QStringList({"close", "discard"}));
    QByteArray saved;
    if (QFile f(pref); f.open(QIODevice::ReadOnly))
        saved = f.readAll();

    // A second close request finds the window closed: nothing runs again.
    QFile::remove(pref);
    w->close();
    pumpEvents(0);
    QCOMPARE(lr.ports->log, QStringList({"close", "discard"}));
    QVERIFY(!QFile::exists(pref));

    QVERIFY2(saved.startsWith("ColorBars75,,,,"), saved.constData());
}

void LifecycleTest::closeWhileSendWaits() {
    LoggedRig lr([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyUSB0")); });
    Rig &rig = *lr.rig;
    Window1 *w = lr.window();
    rig.open(true);
    QVERIFY(w->Authorized);
    VirtualHxt &hxt = *lr.ports->device(0).hxt;
    hxt.replyDelayMs = 5000;
    hxt.clearTranscript();
    lr.ports->log.clear();

    bool waitingAtClose = false;
    QTimer::singleShot(100, w, [&] {
        waitingAtClose = w->isWaiting();
        w->close();
    });
    // A handler that sends three words in a row, as the pattern handlers do.
    QElapsedTimer clock;
    clock.start();
    w->SendCommand(QStringLiteral("UvalField"));
    w->SendCommand(QStringLiteral("50"));
    w->SendCommand(QStringLiteral("GFUser"));
    const qint64 took = clock.elapsed();

    QVERIFY(waitingAtClose);
    // Without the close the three sends would take three one-second time-outs.
    QVERIFY2(took < 1500, qPrintable(QString::number(took)));
    QCOMPARE(hxt.transcript, QStringList({"UvalField"}));
    QVERIFY(!lr.ports->log.join(';').contains(QStringLiteral("while waiting")));

    pumpEvents(50);
    QVERIFY(w->hasClosed());
    QVERIFY(!w->isVisible());
    QVERIFY(!lr.ports->isOpen());
    QCOMPARE(lr.ports->log, QStringList({"close", "discard"}));
    pumpEvents(100);
    QCOMPARE(lr.ports->log, QStringList({"close", "discard"}));
    QVERIFY(QFile::exists(rig.prefsDir.filePath(kPrefName)));
}

void LifecycleTest::closeDuringStartupSearch() {
    LoggedRig lr([](VirtualSerialPort &p) {
        p.addDevice(QStringLiteral("ttyS0"), VirtualHxt::Persona::Silent);
        p.addDevice(QStringLiteral("ttyUSB0"));
    });
    Rig &rig = *lr.rig;
    Window1 *w = lr.window();
    QTimer::singleShot(100, w, [&] {
        lr.ports->log.clear();
        w->close();
    });
    QElapsedTimer clock;
    clock.start();
    rig.open(true);
    pumpEvents(50);

    QVERIFY2(clock.elapsed() < 900, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(rig.dialogs->messages.isEmpty()); // no "not connected" message for a closed window
    QVERIFY(rig.words(1).isEmpty());          // the search stopped at the first port
    QVERIFY(w->hasClosed());
    QVERIFY(!lr.ports->isOpen());
    QCOMPARE(lr.ports->log.count(QStringLiteral("close")), 1);
    QCOMPARE(lr.ports->log.count(QStringLiteral("discard")), 1);
    QVERIFY(!lr.ports->log.join(';').contains(QStringLiteral("while waiting")));
}

void LifecycleTest::closeBeforeHistoryIsReadKeepsPrefs() {
    LoggedRig lr([](VirtualSerialPort &p) {
        p.addDevice(QStringLiteral("ttyS0"), VirtualHxt::Persona::Foreign);
        p.addDevice(QStringLiteral("ttyUSB0"));
    });
    Rig &rig = *lr.rig;
    Window1 *w = lr.window();
    const QByteArray lines = "ColorBars75,,,,\nUserWindow,50,,,\n";
    writePrefs(rig, lines);
    // Arrives while the ports are listed, when nothing waits and nothing has been read yet.
    QTimer::singleShot(0, w, [&] {
        lr.ports->log.clear();
        w->close();
    });
    rig.open(true);
    pumpEvents(50);

    QVERIFY(w->hasClosed());
    QVERIFY(!lr.ports->isOpen());
    QCOMPARE(lr.ports->log, QStringList({"close", "discard"}));
    QVERIFY(rig.words(0).isEmpty());
    QVERIFY(rig.words(1).isEmpty());
    QVERIFY(rig.dialogs->messages.isEmpty());
    QFile f(rig.prefsDir.filePath(kPrefName));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), lines);
}

QTEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
