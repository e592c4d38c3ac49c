// History rows and lines, recording modes, Delete Line and Delete All.
#include "history/HistoryRow.h"
#include "support/MenuSteps.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

Q_DECLARE_METATYPE(HistoryRow)

namespace {
struct OpenRig {
    Rig rig{[](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")); }};
    Window1 &w = *rig.window;
    VirtualHxt &hxt = *rig.ports->device(0).hxt;

    explicit OpenRig(bool show = false) {
        rig.open(show);
        hxt.clearTranscript();
    }
    void fill(const QStringList &keys) {
        for (const QString &key : keys)
            AppendHistoryRow(w.User_LB, HistoryRow(key));
    }
    QStringList keys() const {
        QStringList out;
        for (int i = 0; i < HistoryRowCount(w.User_LB); ++i)
            out << HistoryRowAt(w.User_LB, i).key();
        return out;
    }
    int selected() const { return SelectedHistoryIndex(w.User_LB); }
};

HistoryRow row(const QString &a, const QString &b = {}, const QString &c = {},
               const QString &d = {}, const QString &e = {}) {
    return HistoryRow(a, b, c, d, e);
}
} // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void writeLine_data();
    void writeLine();
    void readLine_data();
    void readLine();
    void rowsCentredAndNoDropTargets();
    void recordingModes();
    void deleteLine_data();
    void deleteLine();
    void deleteAll_data();
    void deleteAll();
};

void HistoryTest::writeLine_data() {
    QTest::addColumn<HistoryRow>("cells");
    QTest::addColumn<QString>("line");

    QTest::newRow("catalogue row") << row("ColorBars75") << "ColorBars75,,,,";
    QTest::newRow("gray user row") << row("GrayField%", "50") << "GrayField%,50,,,";
    QTest::newRow("colour user row")
        << row("ColorWindow8b", "", "191", "128", "64") << "ColorWindow8b,,191,128,64";
    QTest::newRow("empty row") << row("") << ",,,,";
    QTest::newRow("blanks kept") << row(" GSWindow50 ", " 1") << " GSWindow50 , 1,,,";
}

// Written lines always carry five fields and read back as the same row.
void HistoryTest::writeLine() {
    QFETCH(HistoryRow, cells);
    QFETCH(QString, line);
    QCOMPARE(HistoryLine(cells), line);
    QCOMPARE(line.count(QLatin1Char(',')), 4);
    QVERIFY(ParseHistoryLine(HistoryLine(cells)) == cells);
}

void HistoryTest::readLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<HistoryRow>("cells");

    QTest::newRow("name alone") << "ColorBars75" << row("ColorBars75");
    QTest::newRow("full catalogue line") << "ColorBars75,,,," << row("ColorBars75");
    QTest::newRow("colour line") << "ColorField10b,,1020,512,0"
                                 << row("ColorField10b", "", "1020", "512", "0");
    QTest::newRow("two fields") << "GrayWindow8b,128" << row("GrayWindow8b", "128");
    QTest::newRow("six fields drop the sixth")
        << "Checkerboard%,1,2,3,4,extra" << row("Checkerboard%", "1", "2", "3", "4");
    QTest::newRow("empty line") << "" << row("");
    QTest::newRow("only commas") << ",,,," << row("");
    QTest::newRow("text kept as is") << " gsWindow50 , 7 ,," << row(" gsWindow50 ", " 7 ");
}

void HistoryTest::readLine() {
    QFETCH(QString, line);
    QFETCH(HistoryRow, cells);
    const HistoryRow got = ParseHistoryLine(line);
    for (int k = 0; k < HistoryRow::CellCount; ++k)
        QCOMPARE(got.cells[size_t(k)], cells.cells[size_t(k)]);
}

// Level columns are centred for rows that exist at open and rows added later; no row accepts a
// drop, so a dragged row lands beside another, never inside it.
void HistoryTest::rowsCentredAndNoDropTargets() {
    OpenRig r;
    QTreeWidget *list = r.w.User_LB;

    auto *early = new QTreeWidgetItem(QStringList{"GrayField%", "50", "", "", ""});
    list->addTopLevelItem(early);
    r.w.User_LB_Open();
    r.fill({"ColorBars75", "GSWindow50", "PLUGEW25"});
    r.w.Color75_Action(1);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = list->topLevelItem(i);
        for (int k = 1; k < HistoryRow::CellCount; ++k)
            QCOMPARE(Qt::Alignment(item->textAlignment(k)) & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(Qt::Alignment(item->textAlignment(0)) & Qt::AlignHCenter, Qt::Alignment());
        QVERIFY(!(item->flags() & Qt::ItemIsDropEnabled));
        QVERIFY(item->flags() & Qt::ItemIsDragEnabled);
    }
}

void HistoryTest::recordingModes() {
    OpenRig r;
    QCOMPARE(r.w.Record->text(), QStringLiteral("All"));
    r.w.Grayscale100_Action(7);
    r.w.Color75_Action(2);
    SelectHistoryRow(r.w.User_LB, 0);

    r.w.RecordUser_PB->click();
    QCOMPARE(r.w.RecordAll, false);
    QCOMPARE(r.w.Record->text(), QStringLiteral("User Only"));
    r.w.Grayscale109_Action(4);
    // Sent and shown, but neither recorded nor moving the selection; the border still follows.
    QCOMPARE(r.hxt.transcript, QStringList({"NormalGS", "GS50", "RedW75", "HighGS", "GS20"}));
    QCOMPARE(r.w.Pattern_LBL->text(), QStringLiteral("101.8% Window"));
    QCOMPARE(r.keys(), QStringList({"GSWindow50", "RedWindow75"}));
    QCOMPARE(r.selected(), 0);
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("Gray Border 100% (Default)"));

    r.w.RecordAll_PB->click();
    QCOMPARE(r.w.RecordAll, true);
    QCOMPARE(r.w.Record->text(), QStringLiteral("All"));
    r.w.Grayfield_Action(0);
    QCOMPARE(r.keys(), QStringList({"GSWindow50", "RedWindow75", "GrayField0"}));
    QCOMPARE(r.selected(), 2);
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("N/A"));
}

void HistoryTest::deleteLine_data() {
    QTest::addColumn<int>("select"); // -1: nothing selected
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selectedAfter");

    const QStringList three = {"ColorBars75", "GSWindow50", "PLUGEW25"};
    QTest::newRow("nothing selected") << -1 << three << three << -1;
    QTest::newRow("first row") << 0 << three << QStringList{"GSWindow50", "PLUGEW25"} << 0;
    QTest::newRow("middle row: next moves up")
        << 1 << three << QStringList{"ColorBars75", "PLUGEW25"} << 1;
    QTest::newRow("last row: new last selected")
        << 2 << three << QStringList{"ColorBars75", "GSWindow50"} << 1;
    QTest::newRow("only row") << 0 << QStringList{"Ramps"} << QStringList{} << -1;
    QTest::newRow("equal rows") << 0 << QStringList{"Ramps", "Ramps"} << QStringList{"Ramps"} << 0;
    QTest::newRow("empty list") << -1 << QStringList{} << QStringList{} << -1;
}

void HistoryTest::deleteLine() {
    QFETCH(int, select);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, after);
    QFETCH(int, selectedAfter);

    OpenRig r;
    r.fill(rows);
    SelectHistoryRow(r.w.User_LB, select);
    QCOMPARE(r.selected(), select);
    r.w.Delete_PB->click();
    QCOMPARE(r.keys(), after);
    QCOMPARE(r.selected(), selectedAfter);
    QCOMPARE(r.hxt.transcript, QStringList());
}

void HistoryTest::deleteAll_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("Delete All") << int(Dialogs::Answer::Action) << true;
    QTest::newRow("Cancel") << int(Dialogs::Answer::Cancel) << false;
    QTest::newRow("other answer") << int(Dialogs::Answer::Alternate) << false;
}

void HistoryTest::deleteAll() {
    QFETCH(int, answer);
    QFETCH(bool, deleted);

    OpenRig r;
    const QStringList rows = {"ColorBars75", "GrayField%", "PLUGEW25"};
    r.fill(rows);
    SelectHistoryRow(r.w.User_LB, 1);
    r.rig.dialogs->answers << Dialogs::Answer(answer);
    r.w.DeleteAll_PB->click();

    QCOMPARE(r.rig.dialogs->shownDialogs.size(), 1);
    const Dialogs::MessageDialog &d = r.rig.dialogs->shownDialogs.first();
    QCOMPARE(d.icon, Dialogs::Icon::Caution);
    QCOMPARE(d.message, QStringLiteral("Are you sure you want to delete the entire history list?"));
    QCOMPARE(d.actionCaption, QStringLiteral("Delete All"));
    QVERIFY(d.cancelButton);
    QCOMPARE(d.title, QString());
    QCOMPARE(d.explanation, QString());
    QCOMPARE(d.alternateCaption, QString());

    QCOMPARE(r.keys(), deleted ? QStringList() : rows);
    QCOMPARE(r.selected(), deleted ? -1 : 1);
    if (deleted) {
        // The list works as before afterwards.
        r.w.Color100_Action(0);
        QCOMPARE(r.keys(), QStringList{"SplitColorBars100"});
        QCOMPARE(r.selected(), 0);
    }
}

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
