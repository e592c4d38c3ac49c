// Pattern, format and option menus: words sent, labels, checkmarks, border status, history rows.
#include "history/HistoryRow.h"
#include "patterns/Catalogue.h"
#include "support/MenuSteps.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

namespace {
struct OpenRig : OpenGenerator {
    QStringList historyKeys() const {
        QStringList keys;
        for (int i = 0; i < HistoryRowCount(w.User_LB); ++i)
            keys << HistoryRowAt(w.User_LB, i).key();
        return keys;
    }
};
} // namespace

class PatternsTest : public QObject {
    Q_OBJECT
private slots:
    void patternChoice_data();
    void patternChoice();
    void everyPatternItemMatchesCatalogue();
    void labelsAndMarkBeforeWordsHistoryAfter();
    void formatChoice_data();
    void formatChoice();
    void optionChoice_data();
    void optionChoice();
    void borderStatus_data();
    void borderStatus();
    void demoModeSendsNothingButUpdatesEverything();
};

void PatternsTest::patternChoice_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("history");

    QTest::newRow("75% Colorbars") << QStringList{"Color75(1)"} << QStringList{"CB75"} << "Color 75"
                                   << "75% Colorbars" << QStringList{"ColorBars75"};
    QTest::newRow("Color75 last item")
        << QStringList{"Color75(15)"} << QStringList{"WhiteF75"} << "Color 75"
        << "75% Gray/User Color Field" << QStringList{"GrayField75/U"};
    QTest::newRow("Color100 gray window")
        << QStringList{"Color100(8)"} << QStringList{"WhiteW100"} << "Color 100"
        << "100% Gray/User Color Window" << QStringList{"GrayWindow100/U"};
    QTest::newRow("Special ramps")
        << QStringList{"Special(13)"} << QStringList{"RampsMulti1"} << "Special"
        << "Ramps" << QStringList{"Ramps"};
    QTest::newRow("Special crosshatch")
        << QStringList{"Special(2)"} << QStringList{"XHatch"} << "Special"
        << "16x9 Crosshatch" << QStringList{"CrossHatch"};
    QTest::newRow("PLUGE first") << QStringList{"PLUGE(0)"} << QStringList{"PLUGE0"} << "PLUGE"
                                 << "0% Field 0% APL" << QStringList{"PLUGE0%APL"};
    QTest::newRow("PLUGE 10 keeps trailing blank")
        << QStringList{"PLUGE(10)"} << QStringList{"PLUGEW10050"} << "PLUGE"
        << "50%/100% Window 98%/102% Stripe " << QStringList{"PLUGEW10050"};
    QTest::newRow("low gray-scale window")
        << QStringList{"Grayscale10(5)"} << QStringList{"LowGS", "GS30"} << "Grayscale 0%-10%"
        << "3% Window" << QStringList{"GSLWindow3"};
    QTest::newRow("normal gray-scale bars")
        << QStringList{"Grayscale100(0)"} << QStringList{"NormalGS", "GSVert"}
        << "Grayscale 0%-100%"
        << "0%-100% Vertical Bars" << QStringList{"GSVertBars"};
    QTest::newRow("high gray-scale 109%") << QStringList{"Grayscale109(12)"}
                                          << QStringList{"HighGS", "GS100"} << "Grayscale 100%-109%"
                                          << "109.0% Window" << QStringList{"GSHWindow109"};
    QTest::newRow("high gray-scale user window")
        << QStringList{"Grayscale109(13)"} << QStringList{"HighGS", "GSUser"}
        << "Grayscale 100%-109%"
        << "User-Value Window" << QStringList{"GSHWindowUser"};
    QTest::newRow("Grayfield 50a")
        << QStringList{"Grayfield(2)"} << QStringList{"GF50a"} << "Grayfield"
        << "50% Field" << QStringList{"GrayField50a"};
    QTest::newRow("Grayfield 50") << QStringList{"Grayfield(8)"} << QStringList{"GF50"}
                                  << "Grayfield"
                                  << "50% Field" << QStringList{"GrayField50"};
    QTest::newRow("Grayfield user")
        << QStringList{"Grayfield(14)"} << QStringList{"GFUser"} << "Grayfield"
        << "User-Value Field" << QStringList{"GrayFieldUser"};
    QTest::newRow("same item twice")
        << QStringList{"Color75(1)", "Color75(1)"} << QStringList{"CB75", "CB75"} << "Color 75"
        << "75% Colorbars" << QStringList{"ColorBars75", "ColorBars75"};
    QTest::newRow("gray-scale then colour bars")
        << QStringList{"Grayscale109(12)", "Color75(0)"}
        << QStringList{"HighGS", "GS100", "SplitCB75"} << "Color 75"
        << "75% Split Colorbars" << QStringList{"GSHWindow109", "SplitColorBars75"};
    QTest::newRow("three ranges in a row")
        << QStringList{"Grayscale10(3)", "Grayscale100(3)", "Grayscale109(3)"}
        << QStringList{"LowGS", "GS10", "NormalGS", "GS10", "HighGS", "GS10"}
        << "Grayscale 100%-109%"
        << "100.9% Window" << QStringList{"GSLWindow1", "GSWindow10", "GSHWindow100.9"};
    QTest::newRow("menu: gray-scale item")
        << QStringList{"menu Grayscale10(5)"} << QStringList{"LowGS", "GS30"} << "Grayscale 0%-10%"
        << "3% Window" << QStringList{"GSLWindow3"};
    QTest::newRow("menu: PLUGE 10")
        << QStringList{"menu PLUGE(10)"} << QStringList{"PLUGEW10050"} << "PLUGE"
        << "50%/100% Window 98%/102% Stripe " << QStringList{"PLUGEW10050"};
    // The start-up mark is on this item: a click must not leave it unchecked.
    QTest::newRow("menu: the checked default item")
        << QStringList{"menu Color75(0)"} << QStringList{"SplitCB75"} << "Color 75"
        << "75% Split Colorbars" << QStringList{"SplitColorBars75"};
    QTest::newRow("menu: another group after the default")
        << QStringList{"menu Grayfield(13)"} << QStringList{"GF100"} << "Grayfield"
        << "100% Field" << QStringList{"GrayField100"};
}

void PatternsTest::patternChoice() {
    QFETCH(QStringList, choices);
    QFETCH(QStringList, words);
    QFETCH(QString, group);
    QFETCH(QString, pattern);
    QFETCH(QStringList, history);

    OpenRig r;
    QVERIFY(steps::runAll(r.w, choices));
    QCOMPARE(r.hxt.transcript, words);
    QCOMPARE(r.w.Group_LBL->text(), group);
    QCOMPARE(r.w.Pattern_LBL->text(), pattern);
    QCOMPARE(r.historyKeys(), history);
    for (int i = 0; i < HistoryRowCount(r.w.User_LB); ++i)
        QCOMPARE(HistoryRowAt(r.w.User_LB, i), HistoryRow(history.at(i)));
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), history.size() - 1);
    QCOMPARE(steps::checkedItems(r.w, steps::patternArrays),
             QStringList{steps::itemOf(choices.last())});
    // Pattern choices leave the format and option marks alone.
    QCOMPARE(steps::checkedItems(r.w, steps::formatArrays), QStringList{"F5994(0)"});
    QCOMPARE(r.w.Format_LBL->text(), QString());
}

// Each of the 115 items, chosen through its menu, sends its catalogue word(s), shows its own
// caption and records its own history name: catches a handler bound to the wrong table.
void PatternsTest::everyPatternItemMatchesCatalogue() {
    OpenRig r;
    int total = 0;
    for (int g = 0; g < Catalogue::GroupCount; ++g) {
        const Catalogue::PatternGroup &group = Catalogue::group(g);
        QVERIFY(r.w.submenu(group.submenuName));
        QCOMPARE(int(r.w.submenu(group.submenuName)->actions().size()), group.count());
        for (int i = 0; i < group.count(); ++i) {
            r.hxt.clearTranscript();
            QAction *item = r.w.menuItem(group.arrayName, i);
            QVERIFY(item);
            item->trigger();
            QStringList expected;
            if (!group.rangeWord.isEmpty())
                expected << group.rangeWord;
            expected << group.commandWords.at(i);
            QCOMPARE(r.hxt.transcript, expected);
            QCOMPARE(r.w.Group_LBL->text(), group.caption);
            QCOMPARE(r.w.Pattern_LBL->text(), group.captions.at(i));
            QCOMPARE(HistoryRowAt(r.w.User_LB, total), HistoryRow(group.historyNames.at(i)));
            QCOMPARE(steps::checkedItems(r.w, steps::patternArrays),
                     QStringList{QStringLiteral("%1(%2)").arg(group.arrayName).arg(i)});
            ++total;
        }
    }
    QCOMPARE(total, 115);
    QCOMPARE(HistoryRowCount(r.w.User_LB), 115);
}

// While the range word is on its way the new mark and labels are already there; the history row
// comes only after the pattern word.
void PatternsTest::labelsAndMarkBeforeWordsHistoryAfter() {
    OpenRig r;
    QStringList seen;
    r.hxt.onWord = [&](const QString &word) {
        seen << QStringLiteral("%1|%2|%3|%4|%5")
                    .arg(word, r.w.Group_LBL->text(), r.w.Pattern_LBL->text())
                    .arg(steps::checkedItems(r.w, steps::patternArrays).join(QLatin1Char(' ')))
                    .arg(HistoryRowCount(r.w.User_LB));
    };
    r.w.Grayscale100_Action(7);
    QCOMPARE(seen, QStringList({"NormalGS|Grayscale 0%-100%|50% Window|Grayscale100(7)|0",
                                "GS50|Grayscale 0%-100%|50% Window|Grayscale100(7)|0"}));
    QCOMPARE(HistoryRowCount(r.w.User_LB), 1);

    seen.clear();
    r.hxt.onWord = [&](const QString &word) { seen << word + "|" + r.w.Format_LBL->text(); };
    r.w.F3DSSH_Action(2);
    QCOMPARE(seen,
             QStringList({"HDFR59.94|1080p29.97 3D S-S(H)", "1080p30SSH|1080p29.97 3D S-S(H)"}));
    r.hxt.onWord = nullptr;
}

void PatternsTest::formatChoice_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("label");

    QTest::newRow("59.94 1080p23.98")
        << QStringList{"F5994(4)"} << QStringList{"HDFR59.94", "1080p24"} << "1080p23.98";
    QTest::newRow("59.94 sF") << QStringList{"F5994(5)"} << QStringList{"HDFR59.94", "1080p24sf"}
                              << "1080p23.98sF";
    QTest::newRow("59.94 480i") << QStringList{"F5994(8)"} << QStringList{"HDFR59.94", "480i"}
                                << "480i";
    QTest::newRow("60 1080i60") << QStringList{"F60(0)"} << QStringList{"HDFR60.00", "1080i60"}
                                << "1080i60";
    QTest::newRow("60 sF lower-case f")
        << QStringList{"F60(5)"} << QStringList{"HDFR60.00", "1080p24sf"} << "1080p24sF";
    QTest::newRow("60 720p60") << QStringList{"F60(6)"} << QStringList{"HDFR60.00", "720p60"}
                               << "720p60";
    QTest::newRow("50 1080p25") << QStringList{"F50(2)"} << QStringList{"1080p25"} << "1080p25";
    QTest::newRow("50 576i") << QStringList{"F50(5)"} << QStringList{"576i"} << "576i";
    QTest::newRow("FP 0") << QStringList{"F3DFP(0)"} << QStringList{"HDFR59.94", "1080p30FP"}
                          << "1080p29.97 3D FP";
    QTest::newRow("FP 2 last 59.94")
        << QStringList{"F3DFP(2)"} << QStringList{"HDFR59.94", "720p60FP"} << "720p59.94 3D FP";
    QTest::newRow("FP 3 first 60")
        << QStringList{"F3DFP(3)"} << QStringList{"HDFR60.00", "1080p30FP"} << "1080p30 3D FP";
    QTest::newRow("FP 5 last 60") << QStringList{"F3DFP(5)"} << QStringList{"HDFR60.00", "720p60FP"}
                                  << "720p60 3D FP";
    QTest::newRow("FP 6 plain 50 Hz word")
        << QStringList{"F3DFP(6)"} << QStringList{"1080p25"} << "1080p25 3D FP";
    QTest::newRow("FP 7 plain 50 Hz word")
        << QStringList{"F3DFP(7)"} << QStringList{"720p50"} << "720p50 3D FP";
    QTest::newRow("SSH 0") << QStringList{"F3DSSH(0)"} << QStringList{"HDFR59.94", "1080i60SSH"}
                           << "1080i59.94 3D S-S(H)";
    QTest::newRow("SSH 4 last 59.94")
        << QStringList{"F3DSSH(4)"} << QStringList{"HDFR59.94", "720p60SSH"}
        << "720p59.94 3D S-S(H)";
    QTest::newRow("SSH 5 first 60")
        << QStringList{"F3DSSH(5)"} << QStringList{"HDFR60.00", "1080i60SSH"}
        << "1080i60 3D S-S(H)";
    QTest::newRow("SSH 9 last 60")
        << QStringList{"F3DSSH(9)"} << QStringList{"HDFR60.00", "720p60SSH"} << "720p60 3D S-S(H)";
    QTest::newRow("SSH 10 first 50")
        << QStringList{"F3DSSH(10)"} << QStringList{"1080i50SSH"} << "1080i50 3D S-S(H)";
    QTest::newRow("SSH 13") << QStringList{"F3DSSH(13)"} << QStringList{"720p50SSH"}
                            << "720p50 3D S-S(H)";
    QTest::newRow("TB 0") << QStringList{"F3DTB(0)"} << QStringList{"HDFR59.94", "1080p60TB"}
                          << "1080p59.94 3D T-B";
    QTest::newRow("TB 3 last 59.94")
        << QStringList{"F3DTB(3)"} << QStringList{"HDFR59.94", "720p60TB"} << "720p59.94 3D T-B";
    QTest::newRow("TB 4 first 60")
        << QStringList{"F3DTB(4)"} << QStringList{"HDFR60.00", "1080p60TB"} << "1080p60 3D T-B";
    QTest::newRow("TB 7 last 60") << QStringList{"F3DTB(7)"} << QStringList{"HDFR60.00", "720p60TB"}
                                  << "720p60 3D T-B";
    QTest::newRow("TB 8 first 50")
        << QStringList{"F3DTB(8)"} << QStringList{"1080p50TB"} << "1080p50 3D T-B";
    QTest::newRow("TB 10") << QStringList{"F3DTB(10)"} << QStringList{"720p50TB"}
                           << "720p50 3D T-B";
    QTest::newRow("3D then 2D") << QStringList{"F3DTB(8)", "F5994(0)"}
                                << QStringList{"1080p50TB", "HDFR59.94", "1080i60"} << "1080i59.94";
    QTest::newRow("same item twice")
        << QStringList{"F50(0)", "F50(0)"} << QStringList{"1080i50", "1080i50"} << "1080i50";
    QTest::newRow("menu: checked default item")
        << QStringList{"menu F5994(0)"} << QStringList{"HDFR59.94", "1080i60"} << "1080i59.94";
    QTest::newRow("menu: SSH 12") << QStringList{"menu F3DSSH(12)"} << QStringList{"1080p25SSH"}
                                  << "1080p25 3D S-S(H)";
}

void PatternsTest::formatChoice() {
    QFETCH(QStringList, choices);
    QFETCH(QStringList, words);
    QFETCH(QString, label);

    OpenRig r;
    QVERIFY(steps::runAll(r.w, choices));
    QCOMPARE(r.hxt.transcript, words);
    QCOMPARE(r.w.Format_LBL->text(), label);
    QCOMPARE(steps::checkedItems(r.w, steps::formatArrays),
             QStringList{steps::itemOf(choices.last())});
    // Formats are not history and do not touch the pattern side.
    QCOMPARE(HistoryRowCount(r.w.User_LB), 0);
    QCOMPARE(r.w.Pattern_LBL->text(), QString());
    QCOMPARE(r.w.Group_LBL->text(), QString());
    QCOMPARE(steps::checkedItems(r.w, steps::patternArrays), QStringList{"Color75(0)"});
}

void PatternsTest::optionChoice_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("checked"); // WSize, CBSize, GS_PLUGE marks afterwards

    QTest::newRow("7.5% window") << QStringList{"WSize(1)"} << QStringList{"WSize7.5"}
                                 << QStringList{"WSize(1)", "CBSize(2)", "GS_PLUGE(0)"};
    QTest::newRow("20% window") << QStringList{"WSize(7)"} << QStringList{"WSize20"}
                                << QStringList{"WSize(7)", "CBSize(2)", "GS_PLUGE(0)"};
    QTest::newRow("5% window") << QStringList{"WSize(0)"} << QStringList{"WSize5"}
                               << QStringList{"WSize(0)", "CBSize(2)", "GS_PLUGE(0)"};
    QTest::newRow("9x9") << QStringList{"CBSize(7)"} << QStringList{"CBSize9"}
                         << QStringList{"WSize(3)", "CBSize(7)", "GS_PLUGE(0)"};
    QTest::newRow("2x2") << QStringList{"CBSize(0)"} << QStringList{"CBSize2"}
                         << QStringList{"WSize(3)", "CBSize(0)", "GS_PLUGE(0)"};
    QTest::newRow("PLUGE off then on")
        << QStringList{"GS_PLUGE(1)", "GS_PLUGE(0)"} << QStringList{"GSPLUGEOff", "GSPLUGEOn"}
        << QStringList{"WSize(3)", "CBSize(2)", "GS_PLUGE(0)"};
    QTest::newRow("PLUGE off") << QStringList{"GS_PLUGE(1)"} << QStringList{"GSPLUGEOff"}
                               << QStringList{"WSize(3)", "CBSize(2)", "GS_PLUGE(1)"};
    QTest::newRow("checked item again")
        << QStringList{"WSize(3)", "WSize(3)"} << QStringList{"WSize10.8", "WSize10.8"}
        << QStringList{"WSize(3)", "CBSize(2)", "GS_PLUGE(0)"};
    QTest::newRow("menu: checked default item")
        << QStringList{"menu WSize(3)"} << QStringList{"WSize10.8"}
        << QStringList{"WSize(3)", "CBSize(2)", "GS_PLUGE(0)"};
    QTest::newRow("menu: all three")
        << QStringList{"menu WSize(4)", "menu CBSize(5)", "menu GS_PLUGE(1)"}
        << QStringList{"WSize12.5", "CBSize7", "GSPLUGEOff"}
        << QStringList{"WSize(4)", "CBSize(5)", "GS_PLUGE(1)"};
}

void PatternsTest::optionChoice() {
    QFETCH(QStringList, choices);
    QFETCH(QStringList, words);
    QFETCH(QStringList, checked);

    OpenRig r;
    QVERIFY(steps::runAll(r.w, choices));
    QCOMPARE(r.hxt.transcript, words);
    QCOMPARE(steps::checkedItems(r.w, {"WSize", "CBSize", "GS_PLUGE"}), checked);
    QCOMPARE(HistoryRowCount(r.w.User_LB), 0);
    QCOMPARE(r.w.Pattern_LBL->text(), QString());
    QCOMPARE(r.w.Border_LBL->text(), QString());
}

void PatternsTest::borderStatus_data() {
    // Steps are menu choices, or "border=<text>" to stand in for the user's border button.
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("labels"); // Border_LBL after each step

    QTest::newRow("non-window pattern") << QStringList{"Color75(1)"} << QStringList{"N/A"};
    QTest::newRow("0-100 window default")
        << QStringList{"Grayscale100(7)"} << QStringList{"Gray Border 0% (Default)"};
    QTest::newRow("0-10 window default")
        << QStringList{"Grayscale10(12)"} << QStringList{"Gray Border 0% (Default)"};
    QTest::newRow("100-109 window default")
        << QStringList{"Grayscale109(12)"} << QStringList{"Gray Border 100% (Default)"};
    QTest::newRow("bars have no border")
        << QStringList{"Grayscale100(0)", "Grayscale10(2)", "Grayscale109(1)"}
        << QStringList{"N/A", "N/A", "N/A"};
    QTest::newRow("first window item and user window")
        << QStringList{"Grayscale10(3)", "Grayscale109(13)"}
        << QStringList{"Gray Border 0% (Default)", "Gray Border 100% (Default)"};
    QTest::newRow("grayfield is no window") << QStringList{"Grayfield(14)"} << QStringList{"N/A"};
    QTest::newRow("user border survives other patterns")
        << QStringList{"border=40%", "Grayscale100(7)", "Color75(1)", "Grayscale109(5)"}
        << QStringList{"", "Gray Border 40%", "N/A", "Gray Border 40%"};
    QTest::newRow("user border in 8-bit, then default again")
        << QStringList{"border=200 8-bit", "Grayscale10(4)", "border=", "Grayscale10(4)"}
        << QStringList{"", "Gray Border 200 8-bit", "Gray Border 200 8-bit",
                       "Gray Border 0% (Default)"};
}

void PatternsTest::borderStatus() {
    QFETCH(QStringList, choices);
    QFETCH(QStringList, labels);

    OpenRig r;
    QCOMPARE(r.w.Border_LBL->text(), QString()); // empty until the first pattern choice
    QStringList seen;
    for (const QString &step : choices) {
        if (step.startsWith(QLatin1String("border=")))
            r.w.BorderValueText = step.mid(7);
        else
            QVERIFY(steps::run(r.w, step));
        seen << r.w.Border_LBL->text();
    }
    QCOMPARE(seen, labels);
}

// Without a compatible generator every choice still moves marks, labels and history.
void PatternsTest::demoModeSendsNothingButUpdatesEverything() {
    OpenRig r;
    r.w.Authorized = false;
    QVERIFY(steps::runAll(r.w, {"Grayscale109(12)", "menu PLUGE(3)", "F3DFP(1)", "WSize(0)",
                                "Output(1)", "Gray2Color(2)"}));
    QCOMPARE(r.hxt.transcript, QStringList());
    QCOMPARE(r.w.Group_LBL->text(), QStringLiteral("PLUGE"));
    QCOMPARE(r.w.Pattern_LBL->text(), QStringLiteral("Split-Bars 11d-21d"));
    QCOMPARE(r.w.Format_LBL->text(), QStringLiteral("1080p23.98 3D FP"));
    QCOMPARE(r.w.Output_LBL->text(), QStringLiteral("YCbCr 4:2:2 10-bit"));
    QCOMPARE(r.w.DeepColor_LBL->text(), QStringLiteral("N/A"));
    QCOMPARE(r.w.Gray2Color_LBL->text(), QStringLiteral("Blue"));
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("N/A"));
    QCOMPARE(r.historyKeys(), QStringList({"GSHWindow109", "PLUGE11d-21d"}));
    QCOMPARE(steps::checkedItems(r.w, steps::patternArrays), QStringList{"PLUGE(3)"});
    QCOMPARE(steps::checkedItems(r.w, steps::formatArrays), QStringList{"F3DFP(1)"});
    QCOMPARE(steps::checkedItems(r.w, {"WSize", "Output", "Gray2Color"}),
             QStringList({"WSize(0)", "Output(1)", "Gray2Color(2)"}));
}

QTEST_MAIN(PatternsTest)
#include "tst_patterns.moc"
