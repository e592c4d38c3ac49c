// Saving the history list to a text file and loading it back (append or replace).
#include "history/HistoryFileIO.h"
#include "history/HistoryRow.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QString kQuestion =
    QStringLiteral("Do you want to append the saved history to your current history list, or "
                   "replace the current history list");

// A started window without a generator (nothing here talks to one) and a folder for files.
struct FileRig {
    Rig rig;
    Window1 &w = *rig.window;
    FakeDialogs &dialogs = *rig.dialogs;
    QTemporaryDir dir;

    FileRig() {
        rig.open();
        dialogs.messages.clear();
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void setRows(const QStringList &lines, int selected) {
        ClearHistoryRows(w.User_LB);
        for (const QString &line : lines)
            AppendHistoryRow(w.User_LB, ParseHistoryLine(line));
        SelectHistoryRow(w.User_LB, selected);
    }
    QStringList lines() const {
        QStringList out;
        for (int i = 0; i < HistoryRowCount(w.User_LB); ++i)
            out << HistoryLine(HistoryRowAt(w.User_LB, i));
        return out;
    }
    int selected() const { return SelectedHistoryIndex(w.User_LB); }
    void save(const QString &file) {
        dialogs.savePaths << file;
        w.Save_History_Action();
    }
    void load(const QString &file, Dialogs::Answer answer) {
        dialogs.openPaths << file;
        dialogs.answers << answer;
        w.Load_History_Action();
    }
};

const QStringList kSample = {"ColorBars75,,,,", "GrayField%,50,,,", "ColorWindow8b,,191,128,64",
                             "GSLWindow3,,,,"};
} // namespace

class HistoryFileTest : public QObject {
    Q_OBJECT
private slots:
    void saveWritesOneLinePerRowInListOrder();
    void saveEmptyListGivesEmptyFile();
    void saveReplacesExistingFile();
    void replaceRoundTripIsByteForByte();
    void appendKeepsRowsAndSelection();
    void loadingTwiceDoublesRows();
    void readsLineEnds_data();
    void readsLineEnds();
    void questionAskedOnceWithItsCaptions();
    void cancelledDialogsChangeNothing();
    void unreadableFileReportedAndNothingChanges_data();
    void unreadableFileReportedAndNothingChanges();
    void unwritableFileReportedAndNothingChanges();
    void menuItemsAreBound();
};

void HistoryFileTest::saveWritesOneLinePerRowInListOrder() {
    FileRig r;
    r.setRows(kSample, 2);
    // A dragged row: the file follows the list's current order.
    r.w.User_LB->insertTopLevelItem(0, r.w.User_LB->takeTopLevelItem(3));
    SelectHistoryRow(r.w.User_LB, 1);
    r.save(r.path("History.txt"));
    QCOMPARE(r.dialogs.saveDefaults, QStringList{"History.txt"});
    QCOMPARE(readAll(r.path("History.txt")),
             QByteArray("GSLWindow3,,,,\nColorBars75,,,,\nGrayField%,50,,,\n"
                        "ColorWindow8b,,191,128,64\n"));
    QCOMPARE(r.selected(), 1);
    QCOMPARE(r.lines().size(), 4);
    QVERIFY(r.dialogs.messages.isEmpty());
    QVERIFY(r.dialogs.shownDialogs.isEmpty());
}

void HistoryFileTest::saveEmptyListGivesEmptyFile() {
    FileRig r;
    r.setRows({}, -1);
    r.save(r.path("empty.txt"));
    QVERIFY(QFileInfo::exists(r.path("empty.txt")));
    QCOMPARE(readAll(r.path("empty.txt")), QByteArray());
    QVERIFY(r.dialogs.messages.isEmpty());
}

void HistoryFileTest::saveReplacesExistingFile() {
    FileRig r;
    writeFile(r.path("old.txt"), QByteArray("a much longer old content,,,,\n").repeated(20));
    r.setRows({"Ramps,,,,"}, 0);
    r.save(r.path("old.txt"));
    QCOMPARE(readAll(r.path("old.txt")), QByteArray("Ramps,,,,\n"));
    // The offered name is the same every time.
    r.save(r.path("again.txt"));
    QCOMPARE(r.dialogs.saveDefaults, QStringList({"History.txt", "History.txt"}));
}

void HistoryFileTest::replaceRoundTripIsByteForByte() {
    FileRig r;
    // Bytes outside ASCII (Latin-1 é, a UTF-8 sequence, a lone 0xFF) come back unchanged.
    const QByteArray file("ColorBars75,,,,\nCaf\xE9,\xC3\xA9,,,\xFF\n GrayField% , 7,,,\n,,,,\n");
    writeFile(r.path("in.txt"), file);
    r.setRows({"Old,,,,", "Older,,,,"}, 1);
    r.load(r.path("in.txt"), Dialogs::Answer::Alternate);
    QCOMPARE(HistoryRowCount(r.w.User_LB), 4);
    QCOMPARE(r.selected(), -1);
    QCOMPARE(HistoryRowAt(r.w.User_LB, 1).key(), QString::fromLatin1("Caf\xE9"));
    QCOMPARE(HistoryRowAt(r.w.User_LB, 2).key(), QStringLiteral(" GrayField% "));

    r.save(r.path("out.txt"));
    QCOMPARE(readAll(r.path("out.txt")), file);

    // And the list made from the saved file is the same list.
    const QStringList before = r.lines();
    r.load(r.path("out.txt"), Dialogs::Answer::Alternate);
    QCOMPARE(r.lines(), before);
    QVERIFY(r.dialogs.messages.isEmpty());
}

void HistoryFileTest::appendKeepsRowsAndSelection() {
    FileRig r;
    writeFile(r.path("in.txt"), "GSWindow50,,,,\nCheckerboard8b,12,,,\n");
    r.setRows({"ColorBars75,,,,", "Ramps,,,,", "PLUGEW25,,,,"}, 1);
    r.load(r.path("in.txt"), Dialogs::Answer::Action);
    QCOMPARE(r.lines(), QStringList({"ColorBars75,,,,", "Ramps,,,,", "PLUGEW25,,,,",
                                     "GSWindow50,,,,", "Checkerboard8b,12,,,"}));
    QCOMPARE(r.selected(), 1);
    // The file is only read, and nothing is sent or recorded.
    QCOMPARE(readAll(r.path("in.txt")), QByteArray("GSWindow50,,,,\nCheckerboard8b,12,,,\n"));
    QVERIFY(r.w.RecordAll);
}

void HistoryFileTest::loadingTwiceDoublesRows() {
    FileRig r;
    r.setRows({"A,,,,", "B,1,,,"}, -1);
    r.save(r.path("h.txt"));
    r.load(r.path("h.txt"), Dialogs::Answer::Action);
    r.load(r.path("h.txt"), Dialogs::Answer::Action);
    QCOMPARE(r.lines(), QStringList({"A,,,,", "B,1,,,", "A,,,,", "B,1,,,", "A,,,,", "B,1,,,"}));
    QCOMPARE(r.selected(), -1);
}

void HistoryFileTest::readsLineEnds_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("last line without line end")
        << QByteArray("A,,,,\nGrayField%,50") << QStringList{"A,,,,", "GrayField%,50,,,"};
    QTest::newRow("CRLF") << QByteArray("A,,,,\r\nB,,,,\r\n") << QStringList{"A,,,,", "B,,,,"};
    QTest::newRow("CRLF, last without")
        << QByteArray("A,,,,\r\nB,2") << QStringList{"A,,,,", "B,2,,,"};
    QTest::newRow("blank lines") << QByteArray("\n\r\nC\n") << QStringList{",,,,", ",,,,", "C,,,,"};
    QTest::newRow("extra fields dropped") << QByteArray("ColorWindow8b,,191,128,64,9,9\n")
                                          << QStringList{"ColorWindow8b,,191,128,64"};
    QTest::newRow("lone CR inside a line kept")
        << QByteArray("A\rB,,,,\n") << QStringList{"A\rB,,,,"};
}

void HistoryFileTest::readsLineEnds() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, rows);
    FileRig r;
    writeFile(r.path("in.txt"), file);
    r.load(r.path("in.txt"), Dialogs::Answer::Alternate);
    QCOMPARE(r.lines(), rows);

    // The free functions read the same.
    QList<HistoryRow> read{HistoryRow(QStringLiteral("kept"))};
    QCOMPARE(ReadHistoryFile(r.path("in.txt"), &read), QString());
    QCOMPARE(read.size(), rows.size() + 1);
    QCOMPARE(read.first(), HistoryRow(QStringLiteral("kept")));
}

void HistoryFileTest::questionAskedOnceWithItsCaptions() {
    FileRig r;
    writeFile(r.path("in.txt"), "A,,,,\n");
    r.load(r.path("in.txt"), Dialogs::Answer::Action);
    QCOMPARE(r.dialogs.shownDialogs.size(), 1);
    const Dialogs::MessageDialog &d = r.dialogs.shownDialogs.first();
    QVERIFY(d.icon == Dialogs::Icon::Caution);
    QCOMPARE(d.message, kQuestion);
    QCOMPARE(d.actionCaption, QStringLiteral("Append"));
    QCOMPARE(d.alternateCaption, QStringLiteral("Replace"));
    QVERIFY(!d.cancelButton);
    QCOMPARE(d.title, QString());
    QCOMPARE(d.explanation, QString());
}

void HistoryFileTest::cancelledDialogsChangeNothing() {
    FileRig r;
    r.setRows(kSample, 2);
    writeFile(r.path("History.txt"), "on disk\n");

    r.w.Save_History_Action(); // the save dialog is cancelled
    QCOMPARE(readAll(r.path("History.txt")), QByteArray("on disk\n"));
    QCOMPARE(QDir(r.dir.path()).entryList(QDir::Files), QStringList{"History.txt"});

    r.dialogs.answers << Dialogs::Answer::Alternate;
    r.w.Load_History_Action(); // the open dialog is cancelled
    QVERIFY(r.dialogs.shownDialogs.isEmpty());
    QCOMPARE(r.lines(), kSample);
    QCOMPARE(r.selected(), 2);
    QVERIFY(r.dialogs.messages.isEmpty());

    // A dismissed question (no button but Escape) appends: only Replace removes rows.
    r.dialogs.answers.clear();
    r.dialogs.openPaths << r.path("History.txt");
    r.dialogs.answers << Dialogs::Answer::Cancel;
    r.w.Load_History_Action();
    QCOMPARE(r.lines(), kSample + QStringList{"on disk,,,,"});
    QCOMPARE(r.selected(), 2);
}

void HistoryFileTest::unreadableFileReportedAndNothingChanges_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("makeFolder");
    // Tests may run as root, who can read any file: use things that are not files.
    QTest::newRow("missing file") << "missing.txt" << false;
    QTest::newRow("folder") << "folder.txt" << true;
}

void HistoryFileTest::unreadableFileReportedAndNothingChanges() {
    QFETCH(QString, name);
    QFETCH(bool, makeFolder);
    FileRig r;
    if (makeFolder)
        QVERIFY(QDir().mkdir(r.path(name)));
    r.setRows(kSample, 3);
    r.load(r.path(name), Dialogs::Answer::Alternate);
    QCOMPARE(r.dialogs.messages.size(), 1);
    const QString message = r.dialogs.messages.first();
    QVERIFY2(message.startsWith(QLatin1String("The history file could not be read")),
             qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(r.path(name))), qPrintable(message));
    QCOMPARE(message.count(QLatin1Char('\n')), 2); // file and reason on their own lines
    QVERIFY(!message.section(QLatin1Char('\n'), 2).trimmed().isEmpty());
    // Nothing asked, nothing removed.
    QVERIFY(r.dialogs.shownDialogs.isEmpty());
    QCOMPARE(r.lines(), kSample);
    QCOMPARE(r.selected(), 3);
}

void HistoryFileTest::unwritableFileReportedAndNothingChanges() {
    FileRig r;
    r.setRows(kSample, 0);
    writeFile(r.path("plain"), "plain file");
    QVERIFY(QDir().mkdir(r.path("folder.txt")));

    const QStringList targets = {r.path("plain/History.txt"), r.path("folder.txt")};
    for (const QString &target : targets) {
        r.dialogs.messages.clear();
        r.save(target);
        QCOMPARE(r.dialogs.messages.size(), 1);
        const QString message = r.dialogs.messages.first();
        QVERIFY2(message.startsWith(QLatin1String("The history file could not be saved")),
                 qPrintable(message));
        QVERIFY2(message.contains(QDir::toNativeSeparators(target)), qPrintable(message));
    }
    QCOMPARE(readAll(r.path("plain")), QByteArray("plain file"));
    QVERIFY(QFileInfo(r.path("folder.txt")).isDir());
    QCOMPARE(QDir(r.path("folder.txt")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(QDir(r.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"folder.txt", "plain"}));
    QCOMPARE(r.lines(), kSample);
    QCOMPARE(r.selected(), 0);

    // The free function reports the same failures.
    QVERIFY(!WriteHistoryFile(r.path("plain/x.txt"), {}).isEmpty());
}

void HistoryFileTest::menuItemsAreBound() {
    FileRig r;
    QVERIFY(r.w.Save_History() && r.w.Load_History());
    QCOMPARE(r.w.Save_History()->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(r.w.Load_History()->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));

    r.setRows({"ColorBars75,,,,"}, 0);
    r.dialogs.savePaths << r.path("menu.txt");
    r.w.Save_History()->trigger();
    QCOMPARE(readAll(r.path("menu.txt")), QByteArray("ColorBars75,,,,\n"));

    r.dialogs.openPaths << r.path("menu.txt");
    r.dialogs.answers << Dialogs::Answer::Action;
    r.w.Load_History()->trigger();
    QCOMPARE(r.lines(), QStringList({"ColorBars75,,,,", "ColorBars75,,,,"}));
    QCOMPARE(r.dialogs.shownDialogs.size(), 1);
}

QTEST_MAIN(HistoryFileTest)
#include "tst_historyfile.moc"
