// The pattern catalogue: table shapes, uniqueness, history look-ups and spot checks of the data.
#include "app/MenuBar1.h"
#include "patterns/Catalogue.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QtTest>

using namespace Catalogue;

class TstCatalogue : public QObject {
    Q_OBJECT
private slots:
    void groupShape_data();
    void groupShape();
    void historyNamesUniqueIgnoringCase();
    void commandWordsUniqueAcrossTables();
    void noCommaInAnyEntry();
    void findHistoryName_data();
    void findHistoryName();
    void rows_data();
    void rows();
    void buildPatternTablesFillsWindow();
};

void TstCatalogue::groupShape_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("array");
    QTest::addColumn<QString>("submenu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("rangeWord");
    QTest::addColumn<int>("count");
    QTest::newRow("Color75") << int(Color75) << "Color75"
                             << "PatternColor75"
                             << "Color 75"
                             << "" << 16;
    QTest::newRow("Color100") << int(Color100) << "Color100"
                              << "PatternColor100"
                              << "Color 100"
                              << "" << 16;
    QTest::newRow("Special") << int(Special) << "Special"
                             << "PatternSpecial"
                             << "Special"
                             << "" << 14;
    QTest::newRow("PLUGE") << int(PLUGE) << "PLUGE"
                           << "PatternPLUGE"
                           << "PLUGE"
                           << "" << 12;
    QTest::newRow("Grayscale10") << int(Grayscale10) << "Grayscale10"
                                 << "PatternGrayscale10"
                                 << "Grayscale 0%-10%"
                                 << "LowGS" << 14;
    QTest::newRow("Grayscale100") << int(Grayscale100) << "Grayscale100"
                                  << "PatternGrayscale100"
                                  << "Grayscale 0%-100%"
                                  << "NormalGS" << 14;
    QTest::newRow("Grayscale109") << int(Grayscale109) << "Grayscale109"
                                  << "PatternGrayscale109"
                                  << "Grayscale 100%-109%"
                                  << "HighGS" << 14;
    QTest::newRow("Grayfield") << int(Grayfield) << "Grayfield"
                               << "PatternGrayfield"
                               << "Grayfield"
                               << "" << 15;
}

// The three tables and the menu item array of a group run in parallel.
void TstCatalogue::groupShape() {
    QFETCH(int, group);
    QFETCH(QString, array);
    QFETCH(QString, submenu);
    QFETCH(QString, caption);
    QFETCH(QString, rangeWord);
    QFETCH(int, count);
    QCOMPARE(groups().size(), int(GroupCount));
    const PatternGroup &g = Catalogue::group(group);
    QCOMPARE(g.arrayName, array);
    QCOMPARE(g.submenuName, submenu);
    QCOMPARE(g.caption, caption);
    QCOMPARE(g.rangeWord, rangeWord);
    QCOMPARE(g.captions.size(), count);
    QCOMPARE(g.commandWords.size(), count);
    QCOMPARE(g.historyNames.size(), count);
    QCOMPARE(groupOfArray(array), group);
    QCOMPARE(groupOfArray(array.toUpper()), group);

    MenuBar1 bar;
    QMenu *sub = bar.menu(submenu);
    QVERIFY(sub);
    QCOMPARE(sub->title(), caption);
    QCOMPARE(sub->actions().size(), count);
    for (int i = 0; i < count; ++i) {
        QAction *a = bar.item(array, i);
        QVERIFY2(a, qPrintable(QStringLiteral("%1(%2)").arg(array).arg(i)));
        QCOMPARE(a->text(), g.captions[i]);
        QCOMPARE(sub->actions().at(i), a);
    }
    QVERIFY(!bar.item(array, count));
}

void TstCatalogue::historyNamesUniqueIgnoringCase() {
    QSet<QString> seen;
    int total = 0;
    for (const PatternGroup &g : groups()) {
        for (const QString &name : g.historyNames) {
            QVERIFY2(!seen.contains(name.toLower()), qPrintable(name));
            seen.insert(name.toLower());
            ++total;
        }
    }
    QCOMPARE(total, 115);
}

void TstCatalogue::commandWordsUniqueAcrossTables() {
    // The gray-scale groups share one command table; it is counted once.
    QCOMPARE(group(Grayscale10).commandWords, group(Grayscale100).commandWords);
    QCOMPARE(group(Grayscale109).commandWords, group(Grayscale100).commandWords);
    QCOMPARE(group(Grayscale10).commandTableName, QStringLiteral("GrayscalePatsUSB"));
    QCOMPARE(group(Grayscale109).commandTableName, QStringLiteral("GrayscalePatsUSB"));
    QSet<QString> tables, seen;
    for (const PatternGroup &g : groups()) {
        if (tables.contains(g.commandTableName))
            continue;
        tables.insert(g.commandTableName);
        for (const QString &word : g.commandWords) {
            QVERIFY2(!seen.contains(word), qPrintable(word));
            seen.insert(word);
        }
    }
    QCOMPARE(tables.size(), 6);
    QCOMPARE(seen.size(), 16 + 16 + 14 + 12 + 14 + 15);
}

void TstCatalogue::noCommaInAnyEntry() {
    for (const PatternGroup &g : groups()) {
        for (const QStringList *list : {&g.commandWords, &g.historyNames, &g.captions}) {
            for (const QString &entry : *list) {
                QVERIFY2(!entry.contains(QLatin1Char(',')), qPrintable(entry));
                QVERIFY2(!entry.isEmpty(), qPrintable(g.arrayName));
            }
        }
    }
}

void TstCatalogue::findHistoryName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("word");
    QTest::newRow("low range") << "GSLWindow3" << int(Grayscale10) << 5 << "GS30";
    QTest::newRow("normal range") << "GSWindow30" << int(Grayscale100) << 5 << "GS30";
    QTest::newRow("high range") << "GSHWindow102.7" << int(Grayscale109) << 5 << "GS30";
    QTest::newRow("50a field") << "GrayField50a" << int(Grayfield) << 2 << "GF50a";
    QTest::newRow("50 field") << "GrayField50" << int(Grayfield) << 8 << "GF50";
    QTest::newRow("other case") << "colorbars75" << int(Color75) << 1 << "CB75";
    QTest::newRow("upper case") << "GRAYWINDOW100/U" << int(Color100) << 8 << "WhiteW100";
    QTest::newRow("name equals word") << "PLUGEW25" << int(PLUGE) << 5 << "PLUGEW25";
    QTest::newRow("last special") << "Ramps" << int(Special) << 13 << "RampsMulti1";
    QTest::newRow("first color75") << "SplitColorBars75" << int(Color75) << 0 << "SplitCB75";
    QTest::newRow("user gray field") << "GrayFieldUser" << int(Grayfield) << 14 << "GFUser";
    QTest::newRow("high 109") << "GSHWindow109" << int(Grayscale109) << 12 << "GS100";
    QTest::newRow("user key") << "GrayField%" << -1 << -1 << "";
    QTest::newRow("user window key") << "GrayWindow%" << -1 << -1 << "";
    QTest::newRow("command word only") << "CB75" << -1 << -1 << "";
    QTest::newRow("caption only") << "75% Colorbars" << -1 << -1 << "";
    QTest::newRow("prefix of a name") << "GrayField5" << -1 << -1 << "";
    QTest::newRow("trailing blank") << "GrayField50 " << -1 << -1 << "";
    QTest::newRow("empty") << "" << -1 << -1 << "";
}

void TstCatalogue::findHistoryName() {
    QFETCH(QString, name);
    QFETCH(int, group);
    QFETCH(int, index);
    QFETCH(QString, word);
    const PatternRef ref = FindHistoryName(name);
    QCOMPARE(ref.group, group);
    QCOMPARE(ref.found(), group >= 0);
    if (group < 0)
        return;
    QCOMPARE(ref.index, index);
    QCOMPARE(Catalogue::group(ref.group).commandWords.at(ref.index), word);
    // The name occurs in that table only.
    int hits = 0;
    for (const PatternGroup &g : groups()) {
        for (const QString &n : g.historyNames)
            hits += n.compare(name, Qt::CaseInsensitive) == 0;
    }
    QCOMPARE(hits, 1);
}

void TstCatalogue::rows_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("name");
    auto row = [](const char *tag, int g, int i, const char *c, const char *w, const char *n) {
        QTest::newRow(tag) << g << i << QString::fromUtf8(c) << QString::fromUtf8(w)
                           << QString::fromUtf8(n);
    };
    row("C75 0", Color75, 0, "75% Split Colorbars", "SplitCB75", "SplitColorBars75");
    row("C75 1", Color75, 1, "75% Colorbars", "CB75", "ColorBars75");
    row("C75 7", Color75, 7, "75% Magenta Window", "MagentaW75", "MagentaWindow75");
    row("C75 8", Color75, 8, "75% Gray/User Color Window", "WhiteW75", "GrayWindow75/U");
    row("C75 12", Color75, 12, "75% Yellow Field", "YellowF75", "YellowField75");
    row("C75 15", Color75, 15, "75% Gray/User Color Field", "WhiteF75", "GrayField75/U");
    row("C100 0", Color100, 0, "100% Split Colorbars", "SplitCB100", "SplitColorBars100");
    row("C100 4", Color100, 4, "100% Blue Window", "BlueW100", "BlueWindow100");
    row("C100 9", Color100, 9, "100% Red Field", "RedF100", "RedField100");
    row("C100 13", Color100, 13, "100% Cyan Field", "CyanF100", "CyanField100");
    row("C100 15", Color100, 15, "100% Gray/User Color Field", "WhiteF100", "GrayField100/U");
    row("Sp 1", Special, 1, "Inverse Overscan", "InvOverscan", "InvOverscan");
    row("Sp 2", Special, 2, "16x9 Crosshatch", "XHatch", "CrossHatch");
    row("Sp 3", Special, 3, "16x9 Inverse Crosshatch", "InvXHatch", "InvCrossHatch");
    row("Sp 4", Special, 4, "Needle Pulses", "NeedlePulse", "NeedlePulses");
    row("Sp 5", Special, 5, "Color Pixel Multiburst", "CMultiBurst", "ColorMultiBurst");
    row("Sp 6", Special, 6, "Pixel Multiburst", "MultiBurst", "PixelMultiBurst");
    row("Sp 7", Special, 7, "Cross-Hair", "CrossHair", "CrossHair");
    row("Sp 9", Special, 9, "Checkerboard", "CheckerBrd", "CheckerBoard");
    row("Sp 10", Special, 10, "Inverse Checkerboard", "InvChkerBrd", "InvCheckerBoard");
    row("Sp 11", Special, 11, "User Checkerboard", "UCheckerBd", "UCheckerBoard");
    row("Sp 12", Special, 12, "User Inv Checkerboard", "UInvChkerBd", "UInvCheckerBoard");
    row("Sp 13", Special, 13, "Ramps", "RampsMulti1", "Ramps");
    row("PL 0", PLUGE, 0, "0% Field 0% APL", "PLUGE0", "PLUGE0%APL");
    row("PL 1", PLUGE, 1, "50%/0% Field 25% APL", "PLUGE50", "PLUGE25%APL");
    row("PL 2", PLUGE, 2, "100%/0% Field 50% APL", "PLUGE100", "PLUGE50%APL");
    row("PL 3", PLUGE, 3, "Split-Bars 11d-21d", "PLUGE11-21", "PLUGE11d-21d");
    row("PL 4", PLUGE, 4, "Split-Bars 6d-26d", "PLUGE6-26", "PLUGE6d-26d");
    row("PL 8", PLUGE, 8, "100% Window", "PLUGEW100", "PLUGEW100");
    row("PL 9", PLUGE, 9, "100% Window 98%/102% Stripe", "PLUGEW10098", "PLUGEW10098");
    row("PL 10 trailing blank", PLUGE, 10, "50%/100% Window 98%/102% Stripe ", "PLUGEW10050",
        "PLUGEW10050");
    row("PL 11", PLUGE, 11, "98%/100%/102% WRGB", "PLUGEC98102", "PLUGEC98102");
    row("GS10 0", Grayscale10, 0, "0%-10% Vertical Bars", "GSVert", "GSLVertBars");
    row("GS10 1", Grayscale10, 1, "0%-10% Vertical Split-Bars", "GSSplitVert", "GSLSplitVBars");
    row("GS10 3", Grayscale10, 3, "1% Window", "GS10", "GSLWindow1");
    row("GS10 12", Grayscale10, 12, "10% Window", "GS100", "GSLWindow10");
    row("GS10 13", Grayscale10, 13, "User-Value Window", "GSUser", "GSLWindowUser");
    row("GS100 2", Grayscale100, 2, "0%-100% Horizontal Bars", "GSHoriz", "GSHorizBars");
    row("GS100 8", Grayscale100, 8, "60% Window", "GS60", "GSWindow60");
    row("GS100 13", Grayscale100, 13, "User-Value Window", "GSUser", "GSWindowUser");
    row("GS109 0", Grayscale109, 0, "100%-109% Vertical Bars", "GSVert", "GSHVertBars");
    row("GS109 3", Grayscale109, 3, "100.9% Window", "GS10", "GSHWindow100.9");
    row("GS109 10", Grayscale109, 10, "107.2% Window", "GS80", "GSHWindow107.2");
    row("GS109 12", Grayscale109, 12, "109.0% Window", "GS100", "GSHWindow109");
    row("GF 0", Grayfield, 0, "0% Field", "GF0", "GrayField0");
    row("GF 2", Grayfield, 2, "50% Field", "GF50a", "GrayField50a");
    row("GF 3", Grayfield, 3, "75% Field", "GF75", "GrayField75");
    row("GF 4", Grayfield, 4, "10% Field", "GF10", "GrayField10");
    row("GF 8", Grayfield, 8, "50% Field", "GF50", "GrayField50");
    row("GF 13", Grayfield, 13, "100% Field", "GF100", "GrayField100");
    row("GF 14", Grayfield, 14, "User-Value Field", "GFUser", "GrayFieldUser");
}

void TstCatalogue::rows() {
    QFETCH(int, group);
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, word);
    QFETCH(QString, name);
    const PatternGroup &g = Catalogue::group(group);
    QCOMPARE(g.captions.at(index), caption);
    QCOMPARE(g.commandWords.at(index), word);
    QCOMPARE(g.historyNames.at(index), name);
}

void TstCatalogue::buildPatternTablesFillsWindow() {
    Rig rig;
    Window1 &w = *rig.window;
    // Whatever the fields held before is replaced, not appended to.
    w.Color75PatsUSB = QStringList{QStringLiteral("stale")};
    w.GrayfieldLBPatNames = QStringList(40, QStringLiteral("x"));
    w.BuildPatternTables();
    const struct {
        const QStringList &field;
        const QStringList &expected;
    } pairs[] = {
        {w.Color75PatsUSB, group(Color75).commandWords},
        {w.Color75LBPatNames, group(Color75).historyNames},
        {w.Color100PatsUSB, group(Color100).commandWords},
        {w.Color100LBPatNames, group(Color100).historyNames},
        {w.SpecialPatsUSB, group(Special).commandWords},
        {w.SpecialLBPatNames, group(Special).historyNames},
        {w.PlugePatsUSB, group(PLUGE).commandWords},
        {w.PlugeLBPatNames, group(PLUGE).historyNames},
        {w.GrayscalePatsUSB, group(Grayscale100).commandWords},
        {w.Grayscale10LBPatNames, group(Grayscale10).historyNames},
        {w.Grayscale100LBPatNames, group(Grayscale100).historyNames},
        {w.Grayscale109LBPatNames, group(Grayscale109).historyNames},
        {w.GrayfieldPatsUSB, group(Grayfield).commandWords},
        {w.GrayfieldLBPatNames, group(Grayfield).historyNames},
    };
    for (const auto &p : pairs)
        QCOMPARE(p.field, p.expected);
    QCOMPARE(w.Color75PatsUSB.at(1), QStringLiteral("CB75"));
    QCOMPARE(w.GrayfieldLBPatNames.size(), 15);
    QCOMPARE(w.PlugeLBPatNames.size(), 12);
    // Building twice gives the same tables.
    w.BuildPatternTables();
    QCOMPARE(w.GrayscalePatsUSB.size(), 14);
    QCOMPARE(w.Grayscale109LBPatNames.last(), QStringLiteral("GSHWindowUser"));
}

QTEST_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
