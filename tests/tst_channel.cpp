#include "support/TestSupport.h"

#include <QtTest>

class ChannelTest : public QObject {
    Q_OBJECT
private slots:
    void sendReceivesOk();
};

void ChannelTest::sendReceivesOk() {
    Rig rig([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")); });
    rig.open();
    QCOMPARE(rig.window->Authorized, true);
    rig.window->SendCommand(QStringLiteral("CB75"));
    QCOMPARE(rig.window->Reply, QStringLiteral("OK\r\n"));
    QVERIFY(rig.window->ReplyReceived);
    QCOMPARE(rig.words(), QStringList({"ver?", "ver?", "CB75"}));
}

QTEST_MAIN(ChannelTest)
#include "tst_channel.moc"
