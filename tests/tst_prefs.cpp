// The history list survives from one run to the next in the preferences file.
#include "history/HistoryRow.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QString kPrefName = QStringLiteral("HXT-2416 Desktop.pref");

QStringList rowsOf(const Window1 &w) {
    QStringList lines;
    for (int i = 0; i < HistoryRowCount(w.User_LB); ++i)
        lines << HistoryLine(HistoryRowAt(w.User_LB, i));
    return lines;
}

} // namespace

class PrefsTest : public QObject {
    Q_OBJECT
private slots:
    void restoresLines_data();
    void restoresLines();
    void savesInListOrderAndComesBack();
    void emptyListGivesEmptyFile();
    void unreadableFileIsNeverOverwritten();
    void saveFailureIsReported();
};

void PrefsTest::restoresLines_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("catalogue row")
        << QByteArray("ColorBars75,,,,\n") << QStringList{"ColorBars75,,,,"};
    QTest::newRow("key alone") << QByteArray("ColorBars75\n") << QStringList{"ColorBars75,,,,"};
    QTest::newRow("gray user row")
        << QByteArray("GrayField%,50\n") << QStringList{"GrayField%,50,,,"};
    QTest::newRow("extra fields dropped") << QByteArray("ColorWindow8b,,191,128,64,9,9\n")
                                          << QStringList{"ColorWindow8b,,191,128,64"};
    QTest::newRow("blank line") << QByteArray("A,,,,\n\nB,,,,\n")
                                << QStringList{"A,,,,", ",,,,", "B,,,,"};
    QTest::newRow("CRLF and no final line end") << QByteArray("A,,,,\r\nGrayWindow10b,500,,,")
                                                << QStringList{"A,,,,", "GrayWindow10b,500,,,"};
    QTest::newRow("spaces kept") << QByteArray(" GrayField% , 7,,,\n")
                                 << QStringList{" GrayField% , 7,,,"};
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void PrefsTest::restoresLines() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, rows);
    Rig rig;
    writeFile(rig.prefsDir.filePath(kPrefName), file);
    rig.open();
    QCOMPARE(rowsOf(*rig.window), rows);
    QCOMPARE(SelectedHistoryIndex(rig.window->User_LB), -1);
    QStringList expectedMessages{QStringLiteral(
        "No HXT-2416 Connected - Check Connections and Power, then Restart this Program")};
    QCOMPARE(rig.dialogs->messages, expectedMessages);
}

void PrefsTest::savesInListOrderAndComesBack() {
    QTemporaryDir shared;
    {
        Rig rig({}, {}, shared.path());
        rig.open();
        Window1 &w = *rig.window;
        w.Color75_Action(1);
        AppendHistoryRow(w.User_LB, HistoryRow("GrayField%", "50"));
        AppendHistoryRow(w.User_LB, HistoryRow("ColorWindow8b", "", "191", "128", "64"));
        // The user drags the last row to the top.
        QTreeWidgetItem *moved = w.User_LB->takeTopLevelItem(2);
        w.User_LB->insertTopLevelItem(0, moved);
        w.RecordUser_PB_Action();
        w.close();
        QCOMPARE(readAll(shared.filePath(kPrefName)),
                 QByteArray("ColorWindow8b,,191,128,64\nColorBars75,,,,\nGrayField%,50,,,\n"));
    }
    Rig next({}, {}, shared.path());
    next.open();
    QCOMPARE(rowsOf(*next.window),
             QStringList({"ColorWindow8b,,191,128,64", "ColorBars75,,,,", "GrayField%,50,,,"}));
    // Only the rows are stored; the recording mode starts over.
    QVERIFY(next.window->RecordAll);
    QCOMPARE(next.window->Record->text(), QStringLiteral("All"));
}

void PrefsTest::emptyListGivesEmptyFile() {
    Rig rig;
    writeFile(rig.prefsDir.filePath(kPrefName), "ColorBars75,,,,\n");
    rig.open();
    ClearHistoryRows(rig.window->User_LB);
    rig.window->close();
    QCOMPARE(readAll(rig.prefsDir.filePath(kPrefName)), QByteArray());
}

void PrefsTest::unreadableFileIsNeverOverwritten() {
    // A folder where the file should be cannot be read as a file (root reads anything else).
    Rig rig;
    const QString path = rig.prefsDir.filePath(kPrefName);
    QVERIFY(QDir().mkdir(path));
    writeFile(path + QStringLiteral("/keep"), "x");
    rig.open();
    QCOMPARE(rig.dialogs->messages.size(), 2);
    QVERIFY(rig.dialogs->messages.last().startsWith(
        QLatin1String("The saved history list could not be read")));
    rig.window->Color75_Action(0);
    rig.window->close();
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QFile::exists(path + QStringLiteral("/keep")));
    QCOMPARE(rig.dialogs->messages.size(), 2);
}

void PrefsTest::saveFailureIsReported() {
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    writeFile(notAFolder, "plain file");
    Rig rig({}, {}, notAFolder + QStringLiteral("/prefs"));
    rig.open();
    rig.window->Color75_Action(0);
    rig.dialogs->messages.clear();
    rig.window->close();
    QCOMPARE(rig.dialogs->messages.size(), 1);
    QVERIFY(rig.dialogs->messages.first().startsWith(
        QLatin1String("The history list could not be saved")));
    QCOMPARE(readAll(notAFolder), QByteArray("plain file"));
}

QTEST_MAIN(PrefsTest)
#include "tst_prefs.moc"
