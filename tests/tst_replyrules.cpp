// The reply rules as plain functions: reply completion, the version tests, the firmware message
// and the treatment of port errors.
#include "link/ReplyRules.h"

#include <QtTest>

class ReplyRulesTest : public QObject {
    Q_OBJECT
private slots:
    void replyComplete_data();
    void replyComplete();
    void versionTests_data();
    void versionTests();
    void firmwareMessage_data();
    void firmwareMessage();
    void serialError_data();
    void serialError();
};

void ReplyRulesTest::replyComplete_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("complete");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("OK") << "OK\r\n" << true;
    QTest::newRow("ok") << "ok\r\n" << true;
    QTest::newRow("oK") << "oK\r\n" << true;
    QTest::newRow("text then OK") << "RP OK\r\n" << true;
    QTest::newRow("version reply") << "HXT-2416 v4.72\r\nOK\r\n" << true;
    QTest::newRow("OK without line end") << "OK" << false;
    QTest::newRow("OK LF") << "OK\n" << false;
    QTest::newRow("OK CR") << "OK\r" << false;
    QTest::newRow("OK LF CR") << "OK\n\r" << false;
    QTest::newRow("OK then more") << "OK\r\nX" << false;
    QTest::newRow("OK CR CR LF") << "OK\r\r\n" << false;
    QTest::newRow("K alone") << "K\r\n" << false;
    QTest::newRow("ER line") << "ER 01 rejected\r\n" << true;
    QTest::newRow("er line") << "er x\r\n" << true;
    QTest::newRow("bare ER") << "ER\r\n" << true;
    QTest::newRow("ER without line end") << "ER 01" << false;
    QTest::newRow("ER with LF only") << "ER 01\n" << false;
    QTest::newRow("ER CR only") << "ER\r" << false;
    QTest::newRow("ER after text") << "text\r\nER 01\r\n" << false;
    QTest::newRow("ER after a line feed") << "\nER 01\r\n" << false;
    QTest::newRow("ER then OK") << "ER 01\r\nOK\r\n" << true;
    QTest::newRow("E alone") << "E\r\n" << false;
    QTest::newRow("lone CR LF") << "\r\n" << false;
}

void ReplyRulesTest::replyComplete() {
    QFETCH(QString, reply);
    QFETCH(bool, complete);
    QCOMPARE(IsReplyComplete(reply), complete);
}

void ReplyRulesTest::versionTests_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("model");
    QTest::addColumn<bool>("firmware");
    QTest::newRow("4.72") << "HXT-2416 v4.72\r\nOK\r\n" << true << true;
    QTest::newRow("4.7 exactly") << "HXT-2416 v4.7\r\n" << true << true;
    QTest::newRow("lower case") << "hxt-2416 V4.71\r\nOK\r\n" << true << true;
    QTest::newRow("4.6a") << "HXT-2416 v4.6a\r\nOK\r\n" << true << false;
    QTest::newRow("5.0") << "HXT-2416 v5.0\r\nOK\r\n" << true << false;
    QTest::newRow("v4.7 too late") << "HXT-2416  v4.7\r\nOK\r\n" << true << false;
    QTest::newRow("v4.7 too early") << "HXT-241 v4.7\r\nOK\r\n" << true << false;
    // Only the first occurrence counts.
    QTest::newRow("v4.7 first elsewhere") << "v4.7 HXT v4.7\r\n" << false << false;
    QTest::newRow("stray line feed first") << "\nHXT-2416 v4.72\r\nOK\r\n" << false << false;
    QTest::newRow("foreign device") << "ACME MODEM 2.1\r\nREADY\r\n" << false << false;
    QTest::newRow("error reply") << "ER 01\r\n" << false << false;
    QTest::newRow("nothing") << "" << false << false;
    QTest::newRow("model name only") << "HXT" << true << false;
}

void ReplyRulesTest::versionTests() {
    QFETCH(QString, reply);
    QFETCH(bool, model);
    QFETCH(bool, firmware);
    QCOMPARE(PassesModelTest(reply), model);
    QCOMPARE(PassesFirmwareTest(reply), firmware);
}

void ReplyRulesTest::firmwareMessage_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("4.6a") << "HXT-2416 v4.6a\r\nOK\r\n"
                          << "HXT-2416 v4.6a";
    // Exactly as received: the line end is part of the first 14 characters when it falls there.
    QTest::newRow("short version") << "HXT-2416 v5\r\nOK\r\n"
                                   << "HXT-2416 v5\r\nO";
    QTest::newRow("shorter than 14") << "HXT v5"
                                     << "HXT v5";
    QTest::newRow("empty") << ""
                           << "";
}

void ReplyRulesTest::firmwareMessage() {
    QFETCH(QString, reply);
    QFETCH(QString, firstLine);
    const QString message = FirmwareMessage(reply);
    QVERIFY(!message.endsWith(QLatin1Char('\n')));
    QVERIFY(message.startsWith(firstLine + QLatin1Char('\n')));
    QCOMPARE(message.mid(firstLine.size() + 1).split(QLatin1Char('\n')),
             QStringList({
                 QString(),
                 QStringLiteral("This program only works with a HXT-2416 v4.7x."),
                 QStringLiteral("Please update this program or the HXT-2416 firmware."),
                 QString(),
                 QStringLiteral("This program will now run in demo mode without sending commands "
                                "to the HXT-2416."),
             }));
}

void ReplyRulesTest::serialError_data() {
    QTest::addColumn<SerialFault>("fault");
    QTest::addColumn<bool>("alreadyShown");
    QTest::addColumn<bool>("showText");
    QTest::addColumn<bool>("closePort");
    QTest::newRow("device lost, first") << SerialFault::DeviceLost << false << true << true;
    QTest::newRow("device lost, again") << SerialFault::DeviceLost << true << false << true;
    QTest::newRow("other fault, first") << SerialFault::Other << false << true << false;
    QTest::newRow("other fault, again") << SerialFault::Other << true << false << false;
}

void ReplyRulesTest::serialError() {
    QFETCH(SerialFault, fault);
    QFETCH(bool, alreadyShown);
    QFETCH(bool, showText);
    QFETCH(bool, closePort);
    const SerialErrorDecision d = DecideSerialError(fault, alreadyShown);
    QCOMPARE(d.showText, showText);
    QCOMPARE(d.closePort, closePort);
}

QTEST_MAIN(ReplyRulesTest)
#include "tst_replyrules.moc"
