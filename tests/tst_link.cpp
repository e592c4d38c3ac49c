// Discovery, firmware check, connection panel and command terminal against virtual devices.
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

using Persona = VirtualHxt::Persona;

namespace {
const QString kNoGenerator = QStringLiteral(
    "No HXT-2416 Connected - Check Connections and Power, then Restart this Program");

} // namespace

class LinkTest : public QObject {
    Q_OBJECT
private slots:
    void generatorOnThirdPort();
    void noGeneratorAmongPorts();
    void noPortAtAll();
    void firmwareReplies_data();
    void firmwareReplies();
    void pickingNoneAndReconnectingWithoutRow();
    void portThatFailsToOpen();
    void pickGeneratorAfterFailedStart();
    void rateMismatchFailsNextReconnect();
    void queriesSendInDemoModeAndWhenSilent();
    void unplugShowsErrorOnceAndReconnectRestores();
    void terminalKeySequences();
    void terminalSendsInDemoMode();
};

void LinkTest::generatorOnThirdPort() {
    Rig rig([](VirtualSerialPort &p) {
        p.addDevice(QStringLiteral("ttyV0"), Persona::Silent);
        p.addDevice(QStringLiteral("ttyV1"), Persona::Foreign);
        p.addDevice(QStringLiteral("ttyV2"));
    });
    rig.open();
    Window1 &w = *rig.window;
    QCOMPARE(popupRows(w.PortPopup),
             QStringList({"0  ttyV0", "1  ttyV1", "2  ttyV2"}));
    QCOMPARE(w.PortPopup->currentIndex(), 2);
    QCOMPARE(w.SerialPortCount, 3);
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("True"));
    QVERIFY(w.Authorized);
    QVERIFY(rig.dialogs->messages.isEmpty());
    QCOMPARE(rig.words(0), QStringList({"ver?"}));
    QCOMPARE(rig.words(1), QStringList({"ver?"}));
    // Search and firmware check each ask once.
    QCOMPARE(rig.words(2), QStringList({"ver?", "ver?"}));
    // The reply area keeps the search's reply; the check does not write it.
    QCOMPARE(w.RxText->toPlainText(), QStringLiteral("HXT-2416 v4.72\nOK\n"));
    QVERIFY(w.TxText->hasFocus() || !w.isVisible());
}

void LinkTest::noGeneratorAmongPorts() {
    Rig rig([](VirtualSerialPort &p) {
        p.addDevice(QStringLiteral("ttyV0"), Persona::Silent);
        p.addDevice(QStringLiteral("ttyV1"), Persona::Foreign);
    });
    rig.open();
    Window1 &w = *rig.window;
    QCOMPARE(rig.dialogs->messages, QStringList({kNoGenerator}));
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("False"));
    QVERIFY(!w.Authorized);
    // The last port's row is selected, which reopens it and checks it once more.
    QCOMPARE(w.PortPopup->currentIndex(), 1);
    QCOMPARE(rig.words(1), QStringList({"ver?", "ver?"}));
}

void LinkTest::noPortAtAll() {
    Rig rig;
    rig.open();
    Window1 &w = *rig.window;
    QCOMPARE(popupRows(w.PortPopup), QStringList({"none"}));
    QCOMPARE(w.PortPopup->currentIndex(), -1);
    QCOMPARE(w.SerialPortCount, 0);
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("False"));
    QVERIFY(!w.Authorized);
    QCOMPARE(rig.dialogs->messages, QStringList({kNoGenerator}));
}

void LinkTest::firmwareReplies_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("authorized");
    QTest::addColumn<QString>("connected");
    QTest::addColumn<QStringList>("messages");

    const QString demoTail = QStringLiteral(
        "\n\nThis program only works with a HXT-2416 v4.7x.\n"
        "Please update this program or the HXT-2416 firmware.\n\n"
        "This program will now run in demo mode without sending commands to the HXT-2416.");
    QTest::newRow("v4.72") << QByteArray("HXT-2416 v4.72\r\nOK\r\n") << true << "True"
                           << QStringList();
    QTest::newRow("lower case") << QByteArray("hxt-2416 V4.72\r\nok\r\n") << true << "True"
                                << QStringList();
    QTest::newRow("v4.6a demo") << QByteArray("HXT-2416 v4.6a build 7\r\nOK\r\n") << false
                                << "True" << QStringList({"HXT-2416 v4.6a" + demoTail});
    QTest::newRow("v5.0 demo") << QByteArray("HXT-2416 v5.0\r\nOK\r\n") << false << "True"
                               << QStringList({"HXT-2416 v5.0\r" + demoTail});
    QTest::newRow("stray line feed") << QByteArray("\nHXT-2416 v4.72\r\nOK\r\n") << false
                                     << "False" << QStringList({kNoGenerator});
    QTest::newRow("no reply") << QByteArray() << false << "False" << QStringList({kNoGenerator});
}

void LinkTest::firmwareReplies() {
    QFETCH(QByteArray, reply);
    QFETCH(bool, authorized);
    QFETCH(QString, connected);
    QFETCH(QStringList, messages);
    Rig rig([&](VirtualSerialPort &p) {
        VirtualHxt &hxt = p.addDevice(QStringLiteral("ttyV0"));
        hxt.scriptedReply = [reply](const QString &word) -> std::optional<QByteArray> {
            if (word == QLatin1String("ver?"))
                return reply;
            return std::nullopt;
        };
    });
    rig.open();
    QCOMPARE(rig.window->Authorized, authorized);
    QCOMPARE(rig.window->Connected_Text->text(), connected);
    QCOMPARE(rig.dialogs->messages, messages);
}

void LinkTest::pickingNoneAndReconnectingWithoutRow() {
    Rig rig;
    rig.open();
    Window1 &w = *rig.window;
    rig.dialogs->messages.clear();
    // Nothing selected after a start without ports.
    w.ConnectPB_Action();
    QCOMPARE(rig.dialogs->messages,
             QStringList({"Error opening serial port. Invalid serial Port:-1"}));
    rig.dialogs->messages.clear();
    w.PortPopup->setCurrentIndex(0); // the user picks "none"
    QCOMPARE(rig.dialogs->messages, QStringList({"Check USB connection"}));
    rig.dialogs->messages.clear();
    w.ConnectPB_Action(); // no port behind row 0: the open fails quietly
    QVERIFY(rig.dialogs->messages.isEmpty());
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("False"));
}

void LinkTest::portThatFailsToOpen() {
    Rig rig([](VirtualSerialPort &p) {
        p.addDevice(QStringLiteral("ttyV0"));
        p.addDevice(QStringLiteral("ttyV1"));
    });
    rig.open();
    Window1 &w = *rig.window;
    QVERIFY(w.Authorized);
    rig.ports->device(1).opens = false;
    w.PortPopup->setCurrentIndex(1);
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("False"));
    QVERIFY(!w.Serial1->isOpen());
    // A failed open leaves the command gate as it was.
    QVERIFY(w.Authorized);
    QVERIFY(rig.dialogs->messages.isEmpty());
}

void LinkTest::pickGeneratorAfterFailedStart() {
    Rig rig([](VirtualSerialPort &p) {
        p.addDevice(QStringLiteral("ttyV0"));
        p.addDevice(QStringLiteral("ttyV1"), Persona::Silent);
        p.device(0).opens = false; // busy at start-up
    });
    rig.open();
    Window1 &w = *rig.window;
    QVERIFY(!w.Authorized);
    rig.ports->device(0).opens = true;
    w.PortPopup->setCurrentIndex(0);
    QVERIFY(w.Authorized);
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("True"));
    QCOMPARE(rig.words(0), QStringList({"ver?"}));
}

void LinkTest::rateMismatchFailsNextReconnect() {
    Rig rig([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")); });
    rig.open();
    Window1 &w = *rig.window;
    QVERIFY(w.Authorized);
    QCOMPARE(w.Serial1->baudRate(), 115200);
    w.BaudPopup->setCurrentIndex(0);
    QCOMPARE(w.Serial1->baudRate(), 9600);
    QVERIFY(rig.dialogs->messages.isEmpty());
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("True"));
    w.ConnectPB_Action();
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("False"));
    QVERIFY(!w.Authorized);
    QVERIFY(rig.dialogs->messages.isEmpty());
    // Back at the generator's rate, the reconnect passes again.
    w.BaudPopup->setCurrentIndex(3);
    w.ConnectPB_Action();
    QVERIFY(w.Authorized);
}

void LinkTest::queriesSendInDemoModeAndWhenSilent() {
    Rig rig([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")).firmware = "v4.6a"; });
    rig.open();
    Window1 &w = *rig.window;
    QVERIFY(!w.Authorized);
    VirtualHxt &hxt = *rig.ports->device(0).hxt;
    hxt.clearTranscript();
    w.VersionPB_Action();
    QCOMPARE(hxt.transcript, QStringList({"ver?"}));
    QCOMPARE(w.RxText->toPlainText(), QStringLiteral("HXT-2416 v4.6a\nOK\n"));
    w.IDPB_Action();
    QCOMPARE(hxt.transcript, QStringList({"ver?", "id?"}));
    QVERIFY(w.RxText->toPlainText().startsWith(QLatin1String("ID ")));
    QVERIFY(!w.Authorized);
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("True"));

    // The generator switched off: "ID #" shows nothing after its second.
    hxt.persona = Persona::Silent;
    QElapsedTimer t;
    t.start();
    w.IDPB_Action();
    QVERIFY(t.elapsed() >= 900);
    QCOMPARE(w.RxText->toPlainText(), QString());
}

void LinkTest::unplugShowsErrorOnceAndReconnectRestores() {
    Rig rig([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")); });
    rig.open();
    Window1 &w = *rig.window;
    QVERIFY(w.Authorized);
    rig.ports->unplug(0);
    QCOMPARE(w.RxText->toPlainText(), QStringLiteral("Check USB Connection or Serial Port Selection"));
    // Later sends do not wait on a device that is gone.
    QElapsedTimer t;
    t.start();
    w.SendCommand(QStringLiteral("CB75"));
    w.SendCommand(QStringLiteral("CB100"));
    QVERIFY(t.elapsed() < 500);
    QVERIFY(!w.ReplyReceived);
    QVERIFY(rig.dialogs->messages.isEmpty());

    rig.ports->replug(0);
    rig.ports->device(0).hxt->clearTranscript();
    w.ConnectPB_Action();
    QCOMPARE(w.Connected_Text->text(), QStringLiteral("True"));
    QVERIFY(w.Authorized);
    QCOMPARE(rig.words(0), QStringList({"ver?"}));
    w.SendCommand(QStringLiteral("CB75"));
    QVERIFY(w.ReplyReceived);
    QCOMPARE(rig.words(0).last(), QStringLiteral("CB75"));
}

void LinkTest::terminalKeySequences() {
    Rig rig([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")); });
    rig.open();
    Window1 &w = *rig.window;
    VirtualHxt &hxt = *rig.ports->device(0).hxt;
    hxt.clearTranscript();

    QTest::keyClicks(w.TxText, QStringLiteral("cb75"));
    QTest::keyClick(w.TxText, Qt::Key_Return);
    QCOMPARE(hxt.transcript, QStringList({"cb75"})); // sent as typed
    QCOMPARE(w.RxText->toPlainText(), QStringLiteral("OK\n"));
    QCOMPARE(w.TxText->text(), QStringLiteral("cb75")); // stays until the next key

    // Return again: the field empties first, so a bare carriage return goes out.
    QTest::keyClick(w.TxText, Qt::Key_Return);
    QCOMPARE(hxt.transcript, QStringList({"cb75", ""}));
    QCOMPARE(w.TxText->text(), QString());
    QVERIFY(w.RxText->toPlainText().startsWith(QLatin1String("ER")));

    // Typing after a send replaces the old command.
    QTest::keyClicks(w.TxText, QStringLiteral("CB100"));
    QCOMPARE(w.TxText->text(), QStringLiteral("CB100"));
    QTest::keyClick(w.TxText, Qt::Key_Return);
    QTest::keyClick(w.TxText, Qt::Key_X);
    QCOMPARE(w.TxText->text(), QStringLiteral("x"));

    // The keypad's Enter is not Return.
    QTest::keyClick(w.TxText, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(hxt.transcript, QStringList({"cb75", "", "CB100"}));

    // An arrow key after a send leaves the field empty.
    QTest::keyClick(w.TxText, Qt::Key_Return);
    QTest::keyClick(w.TxText, Qt::Key_Left);
    QCOMPARE(w.TxText->text(), QString());
}

void LinkTest::terminalSendsInDemoMode() {
    Rig rig([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")).firmware = "v5.0"; });
    rig.open();
    Window1 &w = *rig.window;
    QVERIFY(!w.Authorized);
    VirtualHxt &hxt = *rig.ports->device(0).hxt;
    hxt.clearTranscript();
    QTest::keyClicks(w.TxText, QStringLiteral(" GF50 "));
    QTest::keyClick(w.TxText, Qt::Key_Return);
    QCOMPARE(hxt.transcript, QStringList({" GF50 "}));
}

QTEST_MAIN(LinkTest)
#include "tst_link.moc"
