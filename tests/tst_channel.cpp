// The command channel over both carriers: the in-process virtual port, and a pseudo-terminal
// driven through the real QSerialPort backend. Every test runs once per carrier.
#include "link/ReplyRules.h"
#include "platform/QtSerialPortBackend.h"
#include "sim/PtyGenerator.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

namespace {

// One window talking to one virtual generator over the chosen carrier, port open, sends enabled.
struct Link {
    explicit Link(const QString &carrier) : isPty(carrier == QLatin1String("pty")) {
        if (isPty) {
            pty = std::make_unique<PtyGenerator>();
            if (!pty->isValid())
                return;
            hxt = &pty->hxt();
            rig = std::make_unique<Rig>(
                nullptr, std::make_unique<QtSerialPortBackend>(QStringList{pty->slavePath()}));
        } else {
            rig = std::make_unique<Rig>(
                [this](VirtualSerialPort &p) { hxt = &p.addDevice(QStringLiteral("ttyV0")); });
        }
        w = rig->window.get();
        w->Serial1->portNames();
        w->Serial1->selectPort(0);
        opened = w->Serial1->open();
        w->Authorized = true;
    }
    ~Link() {
        rig.reset(); // the port closes before its device goes
        pty.reset();
    }

    void deviceSends(const QByteArray &bytes) {
        if (isPty)
            pty->send(bytes);
        else
            rig->ports->injectInput(bytes);
    }
    void unplug() {
        if (isPty)
            pty->unplug();
        else
            rig->ports->unplug(0);
    }
    // Bytes that reached the device, as far as both carriers can tell.
    QStringList words() const { return hxt->transcript; }

    // Runs one send and returns how long it took in milliseconds.
    qint64 timed(const std::function<void()> &send) {
        QElapsedTimer t;
        t.start();
        send();
        return t.elapsed();
    }

    bool isPty;
    bool opened = false;
    std::unique_ptr<PtyGenerator> pty;
    std::unique_ptr<Rig> rig;
    VirtualHxt *hxt = nullptr;
    Window1 *w = nullptr;
};

#define OPEN_LINK(name)                                                                            \
    QFETCH_GLOBAL(QString, carrier);                                                               \
    Link name(carrier);                                                                            \
    if (name.isPty && !name.pty->isValid())                                                        \
        QSKIP(qPrintable("no pseudo-terminal: " + name.pty->errorString()));                       \
    QVERIFY(name.opened)

const QByteArray kNone = QByteArrayLiteral("<none>");

} // namespace

class ChannelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void replies_data();
    void replies();
    void silentGenerator();
    void unauthorizedSendWritesNothing();
    void lateReplyLandsAfterTimeout();
    void staleInputIsDiscarded_data();
    void staleInputIsDiscarded();
    void streamingDeviceStaysBounded_data();
    void streamingDeviceStaysBounded();
    void unplugDuringWait();
    void sendsResumeWhenAPortOpensAgain();
    void userInputWaitsForTheReply();
};

void ChannelTest::initTestCase_data() {
    QTest::addColumn<QString>("carrier");
    QTest::newRow("virtual port") << QStringLiteral("virtual");
    QTest::newRow("pty+QSerialPort") << QStringLiteral("pty");
}

void ChannelTest::replies_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<int>("pieceGapMs");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QByteArray>("replyAtReturn"); // kNone: the whole reply

    auto row = [](const char *name, const QByteArray &reply, bool complete, int piece = 0,
                  int gap = 0, const QByteArray &atReturn = kNone) {
        QTest::newRow(name) << reply << piece << gap << complete << atReturn;
    };
    row("OK", "OK\r\n", true);
    row("text before OK", "RP OK\r\n", true);
    row("lower-case ok", "ok\r\n", true);
    row("mixed-case Ok", "Ok\r\n", true);
    row("two lines ending in OK", "HXT-2416 v4.72\r\nOK\r\n", true);
    row("ER line", "ER anything\r\n", true);
    row("lower-case er line", "er x\r\n", true);
    row("bare ER", "ER\r\n", true);
    row("ER after other text", "text\r\nER 01\r\n", false);
    row("ER after text, then OK", "text\r\nER 01\r\nOK\r\n", true);
    row("OK with LF only", "OK\n", false);
    row("OK with CR only", "OK\r", false);
    row("OK LF CR", "OK\n\r", false);
    row("ER without line end", "ER 01", false);
    row("split in pieces", "RP OK\r\n", true, 2, 40);
    row("one byte at a time", "HXT-2416 v4.72\r\nOK\r\n", true, 1, 5);
    row("CR and LF far apart", "OK\r\n", true, 3, 300);
    row("text after the ending waits", "OK\r\nXY", true, 0, 0, "OK\r\n");
    row("first ending wins", "OK\r\nOK\r\n", true, 0, 0, "OK\r\n");
}

// What the channel makes of each reply, and that the command left framed with one CR.
void ChannelTest::replies() {
    OPEN_LINK(link);
    QFETCH(QByteArray, reply);
    QFETCH(int, pieceSize);
    QFETCH(int, pieceGapMs);
    QFETCH(bool, complete);
    QFETCH(QByteArray, replyAtReturn);
    if (replyAtReturn == kNone)
        replyAtReturn = reply;

    link.hxt->pieceSize = pieceSize;
    link.hxt->pieceGapMs = pieceGapMs;
    link.hxt->scriptedReply = [reply](const QString &) { return std::optional(reply); };

    const qint64 ms = link.timed([&] { link.w->SendCommand(QStringLiteral("CB75")); });
    QCOMPARE(link.w->ReplyReceived, complete);
    QCOMPARE(link.w->Reply, QString::fromLatin1(replyAtReturn));
    if (complete)
        QVERIFY2(ms < 900, qPrintable(QString::number(ms))); // ended by the reply, not the clock
    else
        QVERIFY2(ms >= 900 && ms <= 3000, qPrintable(QString::number(ms)));
    QCOMPARE(link.words(), QStringList{QStringLiteral("CB75")});
    if (link.isPty)
        QCOMPARE(link.pty->received(), QByteArray("CB75\r"));

    // Whatever followed the completing character is appended once it is handled.
    pumpEvents(150);
    QCOMPARE(link.w->Reply, QString::fromLatin1(reply));
    QCOMPARE(link.w->ReplyReceived, complete);
}

void ChannelTest::silentGenerator() {
    OPEN_LINK(link);
    link.hxt->persona = VirtualHxt::Persona::Silent;
    link.w->RxText->setPlainText(QStringLiteral("previous reply"));

    const qint64 ms = link.timed([&] { link.w->SendCmdWOAuth(QStringLiteral("ver?")); });
    QVERIFY2(ms >= 900 && ms <= 3000, qPrintable(QString::number(ms)));
    QVERIFY(!link.w->ReplyReceived);
    QCOMPARE(link.w->Reply, QString());
    QCOMPARE(link.w->RxText->toPlainText(), QString());
    QCOMPARE(link.words(), QStringList{QStringLiteral("ver?")});
}

void ChannelTest::unauthorizedSendWritesNothing() {
    OPEN_LINK(link);
    link.hxt->scriptedReply = [](const QString &) {
        return std::optional(QByteArray("RP OK\r\n"));
    };
    link.w->SendCommand(QStringLiteral("CB75"));
    QVERIFY(link.w->ReplyReceived);

    link.w->Authorized = false;
    const qint64 ms = link.timed([&] { link.w->SendCommand(QStringLiteral("CB100")); });
    QVERIFY2(ms < 100, qPrintable(QString::number(ms)));
    QCOMPARE(link.w->Reply, QStringLiteral("RP OK\r\n"));
    QVERIFY(link.w->ReplyReceived);
    pumpEvents(100); // anything written would have reached the device by now
    QCOMPARE(link.words(), QStringList{QStringLiteral("CB75")});
    if (link.isPty)
        QCOMPARE(link.pty->received(), QByteArray("CB75\r"));

    // The gate is SendCommand's alone.
    link.w->SendCmdWOAuth(QStringLiteral("id?"));
    QVERIFY(link.w->ReplyReceived);
    QCOMPARE(link.words(), QStringList({QStringLiteral("CB75"), QStringLiteral("id?")}));
}

void ChannelTest::lateReplyLandsAfterTimeout() {
    OPEN_LINK(link);
    link.hxt->replyDelayMs = 1400;
    link.w->SendCommand(QStringLiteral("CB75"));
    QVERIFY(!link.w->ReplyReceived);
    QCOMPARE(link.w->Reply, QString());

    QTRY_VERIFY_WITH_TIMEOUT(link.w->ReplyReceived, 3000);
    QCOMPARE(link.w->Reply, QStringLiteral("OK\r\n"));

    // The next send starts from nothing.
    link.hxt->replyDelayMs = 0;
    link.hxt->scriptedReply = [](const QString &) {
        return std::optional(QByteArray("RP OK\r\n"));
    };
    link.w->SendCommand(QStringLiteral("CB100"));
    QVERIFY(link.w->ReplyReceived);
    QCOMPARE(link.w->Reply, QStringLiteral("RP OK\r\n"));
}

void ChannelTest::staleInputIsDiscarded_data() {
    QTest::addColumn<bool>("handledBeforeSend");
    QTest::newRow("already in Reply") << true;
    QTest::newRow("still in the port") << false;
}

// An "OK" that came before the send must not complete the send's exchange.
void ChannelTest::staleInputIsDiscarded() {
    OPEN_LINK(link);
    QFETCH(bool, handledBeforeSend);
    if (!handledBeforeSend && link.isPty)
        QSKIP("bytes in flight inside the kernel cannot be told from the device's answer");
    link.hxt->persona = VirtualHxt::Persona::Silent;

    link.deviceSends("OK\r\n");
    if (handledBeforeSend) {
        // Input while no command waits is appended in the settled state.
        QTRY_COMPARE(link.w->Reply, QStringLiteral("OK\r\n"));
        QVERIFY(link.w->ReplyReceived);
    }
    const qint64 ms = link.timed([&] { link.w->SendCommand(QStringLiteral("CB75")); });
    QVERIFY(!link.w->ReplyReceived);
    QCOMPARE(link.w->Reply, QString());
    QVERIFY2(ms >= 900, qPrintable(QString::number(ms)));
}

void ChannelTest::streamingDeviceStaysBounded_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<int>("fillerKiB");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<bool>("complete");
    QTest::newRow("noise without end") << QByteArray("xy") << 1024 << QByteArray() << false;
    QTest::newRow("endless error line") << QByteArray("ER ") << 512 << QByteArray("\r\n") << true;
    QTest::newRow("endless text, then OK")
        << QByteArray("RP") << 512 << QByteArray(" OK\r\n") << true;
    QTest::newRow("ER after the front was dropped")
        << QByteArray("xy") << 512 << QByteArray("ER 1\r\n") << false;
}

// A device that streams far more than any reply: Reply and RxText keep a bounded tail, the
// wait still ends, and an ending that follows is still recognised.
void ChannelTest::streamingDeviceStaysBounded() {
    OPEN_LINK(link);
    QFETCH(QByteArray, head);
    QFETCH(int, fillerKiB);
    QFETCH(QByteArray, tail);
    QFETCH(bool, complete);
    link.hxt->persona = VirtualHxt::Persona::Silent;

    QList<QByteArray> chunks{head};
    for (int i = 0; i < fillerKiB / 16; ++i)
        chunks << QByteArray(16 * 1024, char('a' + i % 26));
    chunks << tail;
    QTimer stream;
    stream.setInterval(1);
    connect(&stream, &QTimer::timeout, &stream, [&] {
        if (chunks.isEmpty())
            return stream.stop();
        link.deviceSends(chunks.takeFirst());
    });
    stream.start();

    const qint64 ms = link.timed([&] { link.w->SendCmdWOAuth(QStringLiteral("ver?")); });
    QVERIFY2(ms <= 3000, qPrintable(QString::number(ms)));
    const int bound = kReplyLimit + 4096;
    QVERIFY(link.w->Reply.size() <= bound);
    QVERIFY(link.w->RxText->toPlainText().size() <= bound);

    // Let the stream finish: the tail is the newest text, the bound holds.
    QTRY_VERIFY_WITH_TIMEOUT(chunks.isEmpty(), 10000);
    pumpEvents(200);
    QVERIFY(link.w->Reply.size() <= bound);
    QVERIFY(link.w->Reply.size() >= kReplyLimit);
    QVERIFY(link.w->Reply.endsWith(QString::fromLatin1(tail)));
    QCOMPARE(link.w->ReplyReceived, complete);
}

// The adapter goes while a send waits: the wait ends at once, the user is told once, and sends
// fail fast until a port is opened again.
void ChannelTest::unplugDuringWait() {
    OPEN_LINK(link);
    link.hxt->persona = VirtualHxt::Persona::Silent;
    QList<SerialFault> faults;
    QStringList details;
    connect(link.w->Serial1, &SerialPort::errorOccurred, this,
            [&](SerialFault f, const QString &detail) {
                faults << f;
                details << detail;
            });
    QTimer::singleShot(150, link.w, [&] { link.unplug(); });

    const qint64 ms = link.timed([&] { link.w->SendCommand(QStringLiteral("CB75")); });
    QVERIFY2(ms < 700, qPrintable(QString::number(ms)));
    QVERIFY(link.w->portLost());
    QVERIFY(!link.w->Serial1->isOpen());
    QCOMPARE(link.w->RxText->toPlainText(), kPortErrorText);
    QVERIFY(!faults.isEmpty());
    QVERIFY2(faults.first() == SerialFault::DeviceLost, qPrintable(details.join(" | ")));

    // Further faults of the same loss do not stack up or flicker the text.
    link.w->RxText->setPlainText(QStringLiteral("typed meanwhile"));
    link.w->Serial1_Error(SerialFault::DeviceLost, QStringLiteral("again"));
    link.w->Serial1_Error(SerialFault::Other, QStringLiteral("again"));
    QCOMPARE(link.w->RxText->toPlainText(), QStringLiteral("typed meanwhile"));

    const QStringList before = link.words();
    const qint64 fast = link.timed([&] {
        link.w->SendCommand(QStringLiteral("CB100"));
        link.w->SendCmdWOAuth(QStringLiteral("ver?"));
    });
    QVERIFY2(fast < 100, qPrintable(QString::number(fast)));
    QVERIFY(!link.w->ReplyReceived);
    QCOMPARE(link.words(), before);
    pumpEvents(100); // late events of the lost port must not crash or show the text again
    QCOMPARE(link.w->RxText->toPlainText().count(kPortErrorText), 0);
}

void ChannelTest::sendsResumeWhenAPortOpensAgain() {
    OPEN_LINK(link);
    if (link.isPty)
        QSKIP("a pseudo-terminal cannot be plugged back in under the same name");
    link.unplug();
    QVERIFY(link.w->portLost());
    link.rig->ports->replug(0);

    link.w->ListSerialPorts();
    link.w->PortPopup->setCurrentIndex(0); // the user picks the port: reopen, firmware check
    QVERIFY(!link.w->portLost());
    QVERIFY(link.w->Authorized);
    link.w->SendCommand(QStringLiteral("CB75"));
    QVERIFY(link.w->ReplyReceived);
    QCOMPARE(link.words(), QStringList({QStringLiteral("ver?"), QStringLiteral("CB75")}));

    // A new loss is reported again.
    link.unplug();
    QCOMPARE(link.w->RxText->toPlainText(), kPortErrorText);
}

// While a send waits the event loop runs (timers fire), but a click on a button that itself
// sends is held back until the wait is over, and is not lost.
void ChannelTest::userInputWaitsForTheReply() {
    OPEN_LINK(link);
    link.hxt->replyDelayMs = 300;
    Window1 *w = link.w;
    w->Tabs->setCurrentIndex(1);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(w->VersionPB->isVisible());

    bool timerFiredInWait = false;
    QTimer::singleShot(50, w, [&] {
        timerFiredInWait = w->isWaiting();
        const QPointF at = QRectF(w->VersionPB->rect()).center();
        const QPointF global = w->VersionPB->mapToGlobal(at);
        QCoreApplication::postEvent(w->VersionPB,
                                    new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                    Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(w->VersionPB,
                                    new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                    Qt::LeftButton, Qt::NoButton, {}));
    });
    w->SendCommand(QStringLiteral("CB75"));
    QVERIFY(timerFiredInWait);
    QCOMPARE(link.words(), QStringList{QStringLiteral("CB75")});
    QVERIFY(w->ReplyReceived);
    QCOMPARE(w->Reply, QStringLiteral("OK\r\n"));

    QTRY_COMPARE(link.words(), QStringList({QStringLiteral("CB75"), QStringLiteral("ver?")}));
}

QTEST_MAIN(ChannelTest)
#include "tst_channel.moc"
