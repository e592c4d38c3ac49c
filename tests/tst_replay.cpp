// History replay: words, checkmark and labels per row kind; stepping through the list.
#include "history/HistoryRow.h"
#include "support/MenuSteps.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
struct OpenRig : OpenGenerator {
    void setRows(const QList<HistoryRow> &rows, int selected) {
        ClearHistoryRows(w.User_LB);
        for (const HistoryRow &row : rows)
            AppendHistoryRow(w.User_LB, row);
        SelectHistoryRow(w.User_LB, selected);
    }
    QStringList marks() const { return steps::checkedItems(w, steps::patternArrays); }
};

HistoryRow rowOf(const QStringList &cells) {
    HistoryRow row;
    for (int k = 0; k < HistoryRow::CellCount && k < cells.size(); ++k)
        row.cells[size_t(k)] = cells.at(k);
    return row;
}
} // namespace

class ReplayTest : public QObject {
    Q_OBJECT
private slots:
    void replayRow_data();
    void replayRow();
    void marksAndLabelsAroundTheWords();
    void levelCells_data();
    void levelCells();
    void scaleAndRangeDoNotChangeWhatIsSent();
    void steppingButtons();
    void nothingSelectedDoesNothing();
    void replayAddsNoRowAndKeepsSelection();
    void demoModeSetsMarksAndLabelsOnly();
};

void ReplayTest::replayRow_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("border");

    const QString na = QStringLiteral("N/A");
    const QString border0 = QStringLiteral("Gray Border 0% (Default)");

    // Gray user rows.
    QTest::newRow("GrayField%") << QStringList{"GrayField%", "50"}
                                << QStringList{"UvalField", "50", "GFUser"} << "Grayfield(14)"
                                << "Grayfield"
                                << "User Grayfield 50%" << na;
    QTest::newRow("GrayField8b") << QStringList{"GrayField8b", "200"}
                                 << QStringList{"UField10", "800", "GFUser"} << "Grayfield(14)"
                                 << "Grayfield"
                                 << "User Grayfield 200 8-bit" << na;
    QTest::newRow("GrayField10b") << QStringList{"GrayField10b", "1019"}
                                  << QStringList{"UField10", "1019", "GFUser"} << "Grayfield(14)"
                                  << "Grayfield"
                                  << "User Grayfield 1019 10-bit" << na;
    QTest::newRow("GrayWindow%") << QStringList{"GrayWindow%", "0"}
                                 << QStringList{"NormalGS", "UvalWindow", "0", "GSUser"}
                                 << "Grayscale100(13)"
                                 << "Grayscale 0%-100%"
                                 << "User Gray Window 0%" << border0;
    QTest::newRow("GrayWindow8b") << QStringList{"GrayWindow8b", "16"}
                                  << QStringList{"NormalGS", "UWindow10", "64", "GSUser"}
                                  << "Grayscale100(13)"
                                  << "Grayscale 0%-100%"
                                  << "User Gray Window 16 8-bit" << border0;
    QTest::newRow("GrayWindow10b")
        << QStringList{"GrayWindow10b", "64"}
        << QStringList{"NormalGS", "UWindow10", "64", "GSUser"} << "Grayscale100(13)"
        << "Grayscale 0%-100%"
        << "User Gray Window 64 10-bit" << border0;
    QTest::newRow("Checkerboard%")
        << QStringList{"Checkerboard%", "100"} << QStringList{"UvalChkrBd", "100", "UCheckerBd"}
        << "Special(11)"
        << "Special"
        << "User Checkerboard 100%" << na;
    QTest::newRow("Checkerboard8b") << QStringList{"Checkerboard8b", "1"}
                                    << QStringList{"UChkrBd10", "4", "UCheckerBd"} << "Special(11)"
                                    << "Special"
                                    << "User Checkerboard 1 8-bit" << na;
    QTest::newRow("Checkerboard10b") << QStringList{"Checkerboard10b", "4"}
                                     << QStringList{"UChkrBd10", "4", "UCheckerBd"} << "Special(11)"
                                     << "Special"
                                     << "User Checkerboard 4 10-bit" << na;
    QTest::newRow("InvCheckerboard%")
        << QStringList{"InvCheckerboard%", "25"} << QStringList{"UvalChkrBd", "25", "UInvChkerBd"}
        << "Special(12)"
        << "Special"
        << "User Inv Checkerboard 25%" << na;
    QTest::newRow("InvCheckerboard8b")
        << QStringList{"InvCheckerboard8b", "0"} << QStringList{"UChkrBd10", "0", "UInvChkerBd"}
        << "Special(12)"
        << "Special"
        << "User Inv Checkerboard 0 8-bit" << na;
    QTest::newRow("InvCheckerboard10b")
        << QStringList{"InvCheckerboard10b", "940"}
        << QStringList{"UChkrBd10", "940", "UInvChkerBd"} << "Special(12)"
        << "Special"
        << "User Inv Checkerboard 940 10-bit" << na;
    QTest::newRow("gray key in other case")
        << QStringList{"grayfield8B", "10"} << QStringList{"UField10", "40", "GFUser"}
        << "Grayfield(14)"
        << "Grayfield"
        << "User Grayfield 10 8-bit" << na;

    // Colour user rows.
    QTest::newRow("ColorField%") << QStringList{"ColorField%", "", "75", "50", "25"}
                                 << QStringList{"UvalColorR", "75", "UvalColorG", "50",
                                                "UvalColorB", "25", "UColorField"}
                                 << "Color100(15)"
                                 << "Color 100"
                                 << "User Color Field 75%,50%,25%" << na;
    QTest::newRow("ColorWindow%") << QStringList{"ColorWindow%", "", "75", "50", "25"}
                                  << QStringList{"UvalColorR", "75", "UvalColorG", "50",
                                                 "UvalColorB", "25", "UColorWin"}
                                  << "Color75(8)"
                                  << "Color 75"
                                  << "User Color Window 75%,50%,25%" << na;
    QTest::newRow("ColorField8b") << QStringList{"ColorField8b", "", "191", "128", "64"}
                                  << QStringList{"UColorR10", "764", "UColorG10",  "512",
                                                 "UColorB10", "256", "UColorField"}
                                  << "Color100(15)"
                                  << "Color 100"
                                  << "User Color Field 191,128,64  8b" << na;
    QTest::newRow("ColorWindow8b")
        << QStringList{"ColorWindow8b", "", "191", "128", "64"}
        << QStringList{"UColorR10", "764", "UColorG10", "512", "UColorB10", "256", "UColorWin"}
        << "Color75(8)"
        << "Color 75"
        << "User Color Window 191,128,64  8b" << na;
    QTest::newRow("ColorField10b")
        << QStringList{"ColorField10b", "", "940", "64", "502"}
        << QStringList{"UColorR10", "940", "UColorG10", "64", "UColorB10", "502", "UColorField"}
        << "Color100(15)"
        << "Color 100"
        << "User Color Field 940,64,502  10b" << na;
    QTest::newRow("ColorWindow10b")
        << QStringList{"COLORWINDOW10B", "", "1", "2", "3"}
        << QStringList{"UColorR10", "1", "UColorG10", "2", "UColorB10", "3", "UColorWin"}
        << "Color75(8)"
        << "Color 75"
        << "User Color Window 1,2,3  10b" << na;

    // Catalogue rows: the label shows the menu's caption, not the history name.
    QTest::newRow("Color75") << QStringList{"ColorBars75"} << QStringList{"CB75"} << "Color75(1)"
                             << "Color 75"
                             << "75% Colorbars" << na;
    QTest::newRow("Color100 last")
        << QStringList{"GrayField100/U"} << QStringList{"WhiteF100"} << "Color100(15)"
        << "Color 100"
        << "100% Gray/User Color Field" << na;
    QTest::newRow("Special, other case")
        << QStringList{"crossHATCH"} << QStringList{"XHatch"} << "Special(2)"
        << "Special"
        << "16x9 Crosshatch" << na;
    QTest::newRow("PLUGE") << QStringList{"PLUGEW10050"} << QStringList{"PLUGEW10050"}
                           << "PLUGE(10)"
                           << "PLUGE"
                           << "50%/100% Window 98%/102% Stripe " << na;
    QTest::newRow("Grayscale10") << QStringList{"GSLWindow3"} << QStringList{"LowGS", "GS30"}
                                 << "Grayscale10(5)"
                                 << "Grayscale 0%-10%"
                                 << "3% Window" << border0;
    QTest::newRow("Grayscale100") << QStringList{"GSHorizBars"}
                                  << QStringList{"NormalGS", "GSHoriz"} << "Grayscale100(2)"
                                  << "Grayscale 0%-100%"
                                  << "0%-100% Horizontal Bars" << na;
    QTest::newRow("Grayscale109") << QStringList{"gshwindow109"} << QStringList{"HighGS", "GS100"}
                                  << "Grayscale109(12)"
                                  << "Grayscale 100%-109%"
                                  << "109.0% Window"
                                  << QStringLiteral("Gray Border 100% (Default)");
    QTest::newRow("Grayfield, second 50% item")
        << QStringList{"GrayField50"} << QStringList{"GF50"} << "Grayfield(8)"
        << "Grayfield"
        << "50% Field" << na;
    QTest::newRow("catalogue row with level cells")
        << QStringList{"RedField75", "9", "9", "9", "9"} << QStringList{"RedF75"} << "Color75(9)"
        << "Color 75"
        << "75% Red Field" << na;

    QTest::newRow("unknown key") << QStringList{"NoSuchPattern", "5"} << QStringList{} << QString()
                                 << QString() << "NoSuchPattern" << na;
    QTest::newRow("empty key") << QStringList{} << QStringList{} << QString() << QString()
                               << QString() << na;
}

void ReplayTest::replayRow() {
    QFETCH(QStringList, cells);
    QFETCH(QStringList, words);
    QFETCH(QString, mark);
    QFETCH(QString, group);
    QFETCH(QString, pattern);
    QFETCH(QString, border);

    OpenRig r;
    // A different pattern first, so stale marks and labels would show.
    QVERIFY(steps::run(r.w, QStringLiteral("Grayscale109(5)")));
    r.setRows({HistoryRow(QStringLiteral("Other")), rowOf(cells)}, 1);
    r.hxt.clearTranscript();

    r.w.Send_PB->click();

    QCOMPARE(r.hxt.transcript, words);
    QCOMPARE(r.marks(), mark.isEmpty() ? QStringList() : QStringList{mark});
    QCOMPARE(r.w.Group_LBL->text(), group);
    QCOMPARE(r.w.Pattern_LBL->text(), pattern);
    QCOMPARE(r.w.Border_LBL->text(), border);
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 1);
    QCOMPARE(HistoryRowCount(r.w.User_LB), 2);
}

void ReplayTest::marksAndLabelsAroundTheWords() {
    // User rows get their mark after their words; catalogue rows before. Labels change last.
    OpenRig r;
    QVERIFY(steps::run(r.w, QStringLiteral("PLUGE(0)")));
    QStringList seen;
    r.hxt.onWord = [&](const QString &word) {
        seen << word + QLatin1Char('|') + r.marks().join(QLatin1Char(' ')) + QLatin1Char('|') +
                    r.w.Pattern_LBL->text();
    };
    r.setRows({HistoryRow(QStringLiteral("GrayWindow8b"), QStringLiteral("3")),
               HistoryRow(QStringLiteral("ColorField%"), {}, QStringLiteral("1"),
                          QStringLiteral("2"), QStringLiteral("3")),
               HistoryRow(QStringLiteral("GSLWindow3"))},
              0);
    r.w.Send_PB_Action();
    r.w.SendNext_PB_Action();
    r.w.SendNext_PB_Action();
    r.hxt.onWord = nullptr;

    const QString gray = QStringLiteral("User Gray Window 3 8-bit");
    const QString color = QStringLiteral("User Color Field 1%,2%,3%");
    QCOMPARE(seen, QStringList({
                       "NormalGS||0% Field 0% APL",
                       "UWindow10||0% Field 0% APL",
                       "12||0% Field 0% APL",
                       "GSUser||0% Field 0% APL",
                       "UvalColorR||" + gray,
                       "1||" + gray,
                       "UvalColorG||" + gray,
                       "2||" + gray,
                       "UvalColorB||" + gray,
                       "3||" + gray,
                       "UColorField||" + gray,
                       "LowGS|Grayscale10(5)|" + color,
                       "GS30|Grayscale10(5)|" + color,
                   }));
    QCOMPARE(r.w.Pattern_LBL->text(), QStringLiteral("3% Window"));
}

void ReplayTest::levelCells_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("pattern");

    // 8-bit rows send four times the leading number; other rows send the cell as it is.
    QTest::newRow("8-bit non-number")
        << QStringList{"GrayField8b", "abc"} << QStringList{"UField10", "0", "GFUser"}
        << "User Grayfield abc 8-bit";
    QTest::newRow("8-bit empty") << QStringList{"Checkerboard8b", ""}
                                 << QStringList{"UChkrBd10", "0", "UCheckerBd"}
                                 << "User Checkerboard  8-bit";
    QTest::newRow("8-bit leading number")
        << QStringList{"GrayWindow8b", "12abc"}
        << QStringList{"NormalGS", "UWindow10", "48", "GSUser"} << "User Gray Window 12abc 8-bit";
    QTest::newRow("8-bit fraction")
        << QStringList{"GrayField8b", "7.5"} << QStringList{"UField10", "30", "GFUser"}
        << "User Grayfield 7.5 8-bit";
    QTest::newRow("8-bit leading zeros")
        << QStringList{"GrayField8b", "007"} << QStringList{"UField10", "28", "GFUser"}
        << "User Grayfield 007 8-bit";
    QTest::newRow("8-bit colour mixed")
        << QStringList{"ColorWindow8b", "", "x", "255", "-"}
        << QStringList{"UColorR10", "0", "UColorG10", "1020", "UColorB10", "0", "UColorWin"}
        << "User Color Window x,255,-  8b";
    QTest::newRow("percent non-number")
        << QStringList{"GrayField%", "abc"} << QStringList{"UvalField", "abc", "GFUser"}
        << "User Grayfield abc%";
    QTest::newRow("10-bit non-number")
        << QStringList{"InvCheckerboard10b", "1x"} << QStringList{"UChkrBd10", "1x", "UInvChkerBd"}
        << "User Inv Checkerboard 1x 10-bit";
    QTest::newRow("percent colour")
        << QStringList{"ColorField%", "", "a", "b", "c"}
        << QStringList{"UvalColorR", "a", "UvalColorG", "b", "UvalColorB", "c", "UColorField"}
        << "User Color Field a%,b%,c%";
}

void ReplayTest::levelCells() {
    QFETCH(QStringList, cells);
    QFETCH(QStringList, words);
    QFETCH(QString, pattern);

    OpenRig r;
    r.setRows({rowOf(cells)}, 0);
    r.w.Send_PB_Action();
    QCOMPARE(r.hxt.transcript, words);
    QCOMPARE(r.w.Pattern_LBL->text(), pattern);
}

void ReplayTest::scaleAndRangeDoNotChangeWhatIsSent() {
    // 255 in 8 bits is above the Standard range's limit: replay does not clamp it again.
    OpenRig r;
    r.setRows({HistoryRow(QStringLiteral("GrayWindow8b"), QStringLiteral("255")),
               HistoryRow(QStringLiteral("ColorField10b"), {}, QStringLiteral("1023"),
                          QStringLiteral("0"), QStringLiteral("4"))},
              0);
    const QList<QStringList> expected = {
        {"NormalGS", "UWindow10", "1020", "GSUser"},
        {"UColorR10", "1023", "UColorG10", "0", "UColorB10", "4", "UColorField"}};

    for (int scale = 0; scale < 3; ++scale) {
        for (int range = 0; range < 2; ++range) {
            r.w.UserValuesRB[scale]->click();
            r.w.Range_RB[range]->click();
            r.w.Gray_TF->setText(QStringLiteral("5"));
            r.w.Red_TF->setText(QStringLiteral("6"));
            for (int row = 0; row < 2; ++row) {
                SelectHistoryRow(r.w.User_LB, row);
                r.hxt.clearTranscript();
                r.w.Send_PB_Action();
                QCOMPARE(r.hxt.transcript, expected.at(row));
            }
            QVERIFY(r.w.UserValuesRB[scale]->isChecked());
            QVERIFY(r.w.Range_RB[range]->isChecked());
            QCOMPARE(r.w.Gray_TF->text(), QStringLiteral("5"));
            QCOMPARE(r.w.Red_TF->text(), QStringLiteral("6"));
        }
    }
}

void ReplayTest::steppingButtons() {
    OpenRig r;
    r.setRows({HistoryRow(QStringLiteral("ColorBars75")),
               HistoryRow(QStringLiteral("GrayField%"), QStringLiteral("50")),
               HistoryRow(QStringLiteral("PLUGE0%APL"))},
              2);

    // Next on the last row: nothing.
    r.w.SendNext_PB->click();
    QCOMPARE(r.hxt.transcript, QStringList());
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 2);
    QCOMPARE(r.w.Pattern_LBL->text(), QString());

    r.w.SendPrev_PB->click();
    QCOMPARE(r.hxt.transcript, QStringList({"UvalField", "50", "GFUser"}));
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 1);
    QCOMPARE(r.w.Pattern_LBL->text(), QStringLiteral("User Grayfield 50%"));

    r.hxt.clearTranscript();
    r.w.SendPrev_PB->click();
    QCOMPARE(r.hxt.transcript, QStringList{"CB75"});
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 0);

    // Prev on the first row: nothing, no wrap to the end.
    r.hxt.clearTranscript();
    r.w.SendPrev_PB->click();
    QCOMPARE(r.hxt.transcript, QStringList());
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 0);
    QCOMPARE(r.w.Pattern_LBL->text(), QStringLiteral("75% Colorbars"));

    r.w.SendNext_PB->click();
    r.w.SendNext_PB->click();
    QCOMPARE(r.hxt.transcript, QStringList({"UvalField", "50", "GFUser", "PLUGE0"}));
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 2);
    QCOMPARE(r.marks(), QStringList{"PLUGE(0)"});

    // Send replays the selected row again without moving.
    r.hxt.clearTranscript();
    r.w.Send_PB->click();
    QCOMPARE(r.hxt.transcript, QStringList{"PLUGE0"});
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 2);
}

void ReplayTest::nothingSelectedDoesNothing() {
    OpenRig r;
    QVERIFY(steps::run(r.w, QStringLiteral("Special(4)")));
    r.setRows({HistoryRow(QStringLiteral("ColorBars75")), HistoryRow(QStringLiteral("Ramps"))}, -1);
    r.hxt.clearTranscript();
    r.w.Send_PB->click();
    r.w.SendNext_PB->click();
    r.w.SendPrev_PB->click();
    QCOMPARE(r.hxt.transcript, QStringList());
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), -1);
    QCOMPARE(r.marks(), QStringList{"Special(4)"});
    QCOMPARE(r.w.Group_LBL->text(), QStringLiteral("Special"));
    QCOMPARE(r.w.Pattern_LBL->text(), QStringLiteral("Needle Pulses"));

    // An empty list behaves the same.
    ClearHistoryRows(r.w.User_LB);
    r.w.Send_PB->click();
    r.w.SendNext_PB->click();
    r.w.SendPrev_PB->click();
    QCOMPARE(r.hxt.transcript, QStringList());
    QCOMPARE(HistoryRowCount(r.w.User_LB), 0);
}

void ReplayTest::replayAddsNoRowAndKeepsSelection() {
    OpenRig r;
    QVERIFY(r.w.RecordAll);
    r.setRows({HistoryRow(QStringLiteral("ColorBars75")),
               HistoryRow(QStringLiteral("Checkerboard%"), QStringLiteral("10")),
               HistoryRow(QStringLiteral("GSWindow50"))},
              0);
    r.w.Send_PB_Action();
    r.w.SendNext_PB_Action();
    r.w.SendNext_PB_Action();
    r.w.SendPrev_PB_Action();
    QCOMPARE(r.hxt.transcript, QStringList({"CB75", "UvalChkrBd", "10", "UCheckerBd", "NormalGS",
                                            "GS50", "UvalChkrBd", "10", "UCheckerBd"}));
    QCOMPARE(HistoryRowCount(r.w.User_LB), 3);
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 1);
    QCOMPARE(HistoryRowAt(r.w.User_LB, 2), HistoryRow(QStringLiteral("GSWindow50")));
    QVERIFY(r.w.RecordAll);
}

void ReplayTest::demoModeSetsMarksAndLabelsOnly() {
    OpenRig r;
    r.w.Authorized = false;
    r.setRows({HistoryRow(QStringLiteral("ColorWindow8b"), {}, QStringLiteral("1"),
                          QStringLiteral("2"), QStringLiteral("3")),
               HistoryRow(QStringLiteral("GSHWindow104.5"))},
              0);
    r.w.Send_PB_Action();
    QCOMPARE(r.marks(), QStringList{"Color75(8)"});
    QCOMPARE(r.w.Pattern_LBL->text(), QStringLiteral("User Color Window 1,2,3  8b"));
    r.w.SendNext_PB_Action();
    QCOMPARE(r.hxt.transcript, QStringList());
    QCOMPARE(r.marks(), QStringList{"Grayscale109(7)"});
    QCOMPARE(r.w.Group_LBL->text(), QStringLiteral("Grayscale 100%-109%"));
    QCOMPARE(r.w.Pattern_LBL->text(), QStringLiteral("104.5% Window"));
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("Gray Border 100% (Default)"));
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 1);
}

QTEST_MAIN(ReplayTest)
#include "tst_replay.moc"
