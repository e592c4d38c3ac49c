// Output, deep colour, channels and gray-to-colour: words, labels, captions, marks and enabling.
#include "support/MenuSteps.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

namespace {
struct OpenRig : OpenGenerator {
    QStringList channelCaptions() const {
        QStringList out;
        for (int i = 0; QAction *item = w.Channels(i); ++i)
            out << item->text();
        return out;
    }
    bool deepColorTitleEnabled() const {
        return w.DeepColorMenu()->isEnabled() && w.DeepColorMenu()->menuAction()->isEnabled();
    }
};

const QStringList kYCbCrCaptions = {"YCbCr",    "Y only",   "Cb only",  "Cr only",
                                    "YCb only", "YCr only", "CbCr only"};
const QStringList kGBRCaptions = {"GBR",     "G only",  "B only", "R only",
                                  "GB only", "GR only", "BR only"};
const QStringList kGroups = {"Output", "DeepColor", "Channels", "Gray2Color"};
} // namespace

class SignalMenusTest : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
    void rememberedDepthAcross422();
    void outputOrderOfWork();
    void enablingFollowsMarks_data();
    void enablingFollowsMarks();
};

void SignalMenusTest::choice_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("labels");  // Output, DeepColor, Channels, Gray2Color
    QTest::addColumn<QStringList>("checked"); // one per group, in the order of kGroups
    QTest::addColumn<bool>("gbrCaptions");
    QTest::addColumn<bool>("deepColorTitle");

    QTest::newRow("4:2:2 8-bit") << QStringList{"Output(0)"} << QStringList{"YCC422B8", "YCbCr422"}
                                 << QStringList{"YCbCr 4:2:2 8-bit", "N/A", "YCbCr", ""}
                                 << QStringList{"Output(0)", "DeepColor(0)", "Channels(0)",
                                                "Gray2Color(0)"}
                                 << false << false;
    QTest::newRow("4:2:2 10-bit") << QStringList{"Output(1)"}
                                  << QStringList{"YCC422B10", "YCbCr422"}
                                  << QStringList{"YCbCr 4:2:2 10-bit", "N/A", "YCbCr", ""}
                                  << QStringList{"Output(1)", "DeepColor(0)", "Channels(0)",
                                                 "Gray2Color(0)"}
                                  << false << false;
    QTest::newRow("4:4:4") << QStringList{"Output(2)"} << QStringList{"YCbCr444"}
                           << QStringList{"YCbCr 4:4:4", "8-Bits/Off", "YCbCr", ""}
                           << QStringList{"Output(2)", "DeepColor(0)", "Channels(0)",
                                          "Gray2Color(0)"}
                           << false << true;
    QTest::newRow("RGB-Video") << QStringList{"Output(3)"} << QStringList{"RGBVideo"}
                               << QStringList{"RGB-Video", "8-Bits/Off", "GBR", ""}
                               << QStringList{"Output(3)", "DeepColor(0)", "Channels(0)",
                                              "Gray2Color(0)"}
                               << true << true;
    QTest::newRow("RGB-PC then back to 4:4:4")
        << QStringList{"Output(4)", "Output(2)"} << QStringList{"RGBPC", "YCbCr444"}
        << QStringList{"YCbCr 4:4:4", "8-Bits/Off", "YCbCr", ""}
        << QStringList{"Output(2)", "DeepColor(0)", "Channels(0)", "Gray2Color(0)"} << false
        << true;
    QTest::newRow("4:2:2 then RGB-PC enables the title again")
        << QStringList{"Output(1)", "Output(4)"} << QStringList{"YCC422B10", "YCbCr422", "RGBPC"}
        << QStringList{"RGB-PC", "8-Bits/Off", "GBR", ""}
        << QStringList{"Output(4)", "DeepColor(0)", "Channels(0)", "Gray2Color(0)"} << true << true;
    QTest::newRow("10-bit depth") << QStringList{"DeepColor(1)"} << QStringList{"DeepColor10"}
                                  << QStringList{"", "10-Bits", "", ""}
                                  << QStringList{"Output(2)", "DeepColor(1)", "Channels(0)",
                                                 "Gray2Color(0)"}
                                  << false << true;
    QTest::newRow("8-bit depth") << QStringList{"DeepColor(2)", "DeepColor(0)"}
                                 << QStringList{"DeepColor12", "DeepColor8"}
                                 << QStringList{"", "8-Bits/Off", "", ""}
                                 << QStringList{"Output(2)", "DeepColor(0)", "Channels(0)",
                                                "Gray2Color(0)"}
                                 << false << true;
    QTest::newRow("channel Y then RGB-Video renames it")
        << QStringList{"Channels(1)", "Output(3)"} << QStringList{"ChG", "RGBVideo"}
        << QStringList{"RGB-Video", "8-Bits/Off", "G Only", ""}
        << QStringList{"Output(3)", "DeepColor(0)", "Channels(1)", "Gray2Color(0)"} << true << true;
    QTest::newRow("CbCr under 4:4:4")
        << QStringList{"Channels(6)"} << QStringList{"ChBR"} << QStringList{"", "", "CbCr Only", ""}
        << QStringList{"Output(2)", "DeepColor(0)", "Channels(6)", "Gray2Color(0)"} << false
        << true;
    QTest::newRow("BR under RGB-PC")
        << QStringList{"Output(4)", "Channels(6)"} << QStringList{"RGBPC", "ChBR"}
        << QStringList{"RGB-PC", "8-Bits/Off", "BR Only", ""}
        << QStringList{"Output(4)", "DeepColor(0)", "Channels(6)", "Gray2Color(0)"} << true << true;
    QTest::newRow("GB under RGB, back to 4:4:4 gives YCb")
        << QStringList{"Output(3)", "Channels(4)", "Output(2)"}
        << QStringList{"RGBVideo", "ChGB", "YCbCr444"}
        << QStringList{"YCbCr 4:4:4", "8-Bits/Off", "YCb Only", ""}
        << QStringList{"Output(2)", "DeepColor(0)", "Channels(4)", "Gray2Color(0)"} << false
        << true;
    QTest::newRow("gray-to-colour Red resets channel")
        << QStringList{"Channels(3)", "Gray2Color(3)"} << QStringList{"ChR", "Gray2Red"}
        << QStringList{"", "", "YCbCr", "Red"}
        << QStringList{"Output(2)", "DeepColor(0)", "Channels(0)", "Gray2Color(3)"} << false
        << true;
    QTest::newRow("gray-to-colour Red under RGB-PC")
        << QStringList{"Output(4)", "Channels(3)", "Gray2Color(3)"}
        << QStringList{"RGBPC", "ChR", "Gray2Red"}
        << QStringList{"RGB-PC", "8-Bits/Off", "GBR", "Red"}
        << QStringList{"Output(4)", "DeepColor(0)", "Channels(0)", "Gray2Color(3)"} << true << true;
    QTest::newRow("gray-to-colour Off also resets channel")
        << QStringList{"Channels(5)", "Gray2Color(0)"} << QStringList{"ChGR", "Gray2Off"}
        << QStringList{"", "", "YCbCr", "Off"}
        << QStringList{"Output(2)", "DeepColor(0)", "Channels(0)", "Gray2Color(0)"} << false
        << true;
    QTest::newRow("gray-to-colour Magenta")
        << QStringList{"Gray2Color(6)"} << QStringList{"Gray2Magenta"}
        << QStringList{"", "", "YCbCr", "Magenta"}
        << QStringList{"Output(2)", "DeepColor(0)", "Channels(0)", "Gray2Color(6)"} << false
        << true;
    QTest::newRow("checked output again repeats its words")
        << QStringList{"Output(3)", "Output(3)"} << QStringList{"RGBVideo", "RGBVideo"}
        << QStringList{"RGB-Video", "8-Bits/Off", "GBR", ""}
        << QStringList{"Output(3)", "DeepColor(0)", "Channels(0)", "Gray2Color(0)"} << true << true;
    QTest::newRow("menu: checked default output")
        << QStringList{"menu Output(2)"} << QStringList{"YCbCr444"}
        << QStringList{"YCbCr 4:4:4", "8-Bits/Off", "YCbCr", ""}
        << QStringList{"Output(2)", "DeepColor(0)", "Channels(0)", "Gray2Color(0)"} << false
        << true;
    QTest::newRow("menu: RGB-PC, 12-bit, channel R, Cyan")
        << QStringList{"menu Output(4)", "menu DeepColor(2)", "menu Channels(3)",
                       "menu Gray2Color(4)"}
        << QStringList{"RGBPC", "DeepColor12", "ChR", "Gray2Cyan"}
        << QStringList{"RGB-PC", "12-Bits", "GBR", "Cyan"}
        << QStringList{"Output(4)", "DeepColor(2)", "Channels(0)", "Gray2Color(4)"} << true << true;
}

void SignalMenusTest::choice() {
    QFETCH(QStringList, choices);
    QFETCH(QStringList, words);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, checked);
    QFETCH(bool, gbrCaptions);
    QFETCH(bool, deepColorTitle);

    OpenRig r;
    QVERIFY(steps::runAll(r.w, choices));
    QCOMPARE(r.hxt.transcript, words);
    QCOMPARE(QStringList({r.w.Output_LBL->text(), r.w.DeepColor_LBL->text(),
                          r.w.Channels_LBL->text(), r.w.Gray2Color_LBL->text()}),
             labels);
    QCOMPARE(steps::checkedItems(r.w, kGroups), checked);
    QCOMPARE(r.channelCaptions(), gbrCaptions ? kGBRCaptions : kYCbCrCaptions);
    QCOMPARE(r.deepColorTitleEnabled(), deepColorTitle);
    // Nothing here is a pattern: no history, no pattern labels.
    QCOMPARE(r.w.Pattern_LBL->text(), QString());
    QCOMPARE(r.w.User_LB->topLevelItemCount(), 0);
}

// The 4:2:2 outputs hide the depth without forgetting it, and no depth word is resent.
void SignalMenusTest::rememberedDepthAcross422() {
    OpenRig r;
    QStringList labels;
    for (const QString &step : {"Output(4)", "DeepColor(2)", "Output(0)", "Output(2)"}) {
        QVERIFY(steps::run(r.w, step));
        labels << r.w.DeepColor_LBL->text();
    }
    QCOMPARE(labels, QStringList({"8-Bits/Off", "12-Bits", "N/A", "12-Bits"}));
    QCOMPARE(r.hxt.transcript,
             QStringList({"RGBPC", "DeepColor12", "YCC422B8", "YCbCr422", "YCbCr444"}));
    QCOMPARE(r.w.DeepColorState, 2);
    QCOMPARE(steps::checkedItems(r.w, {"DeepColor"}), QStringList{"DeepColor(2)"});
}

// The output label is up before the first word; the depth label and title change between the
// depth word and the output word; captions only after the output word.
void SignalMenusTest::outputOrderOfWork() {
    OpenRig r;
    QVERIFY(steps::runAll(r.w, {"Output(4)", "DeepColor(1)"}));
    r.hxt.clearTranscript();
    QStringList seen;
    r.hxt.onWord = [&](const QString &word) {
        seen << QStringLiteral("%1|%2|%3|%4|%5")
                    .arg(word, r.w.Output_LBL->text(), r.w.DeepColor_LBL->text(),
                         r.w.Channels(0)->text())
                    .arg(r.deepColorTitleEnabled());
    };
    r.w.Output_Action(0);
    QCOMPARE(seen, QStringList({"YCC422B8|YCbCr 4:2:2 8-bit|10-Bits|GBR|1",
                                "YCbCr422|YCbCr 4:2:2 8-bit|N/A|GBR|0"}));
    QCOMPARE(r.w.Channels(0)->text(), QStringLiteral("YCbCr"));
    r.hxt.onWord = nullptr;
}

void SignalMenusTest::enablingFollowsMarks_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("deepColorItems");
    QTest::addColumn<bool>("channelItems");

    QTest::newRow("start") << QStringList{} << true << true;
    QTest::newRow("4:2:2 8-bit") << QStringList{"Output(0)"} << false << true;
    QTest::newRow("4:2:2 10-bit") << QStringList{"Output(1)"} << false << true;
    QTest::newRow("4:2:2 then RGB-PC") << QStringList{"Output(1)", "Output(4)"} << true << true;
    QTest::newRow("gray-to-colour Green") << QStringList{"Gray2Color(1)"} << true << false;
    QTest::newRow("gray-to-colour Magenta then Off")
        << QStringList{"Gray2Color(6)", "Gray2Color(0)"} << true << true;
    QTest::newRow("4:2:2 and Yellow")
        << QStringList{"menu Output(0)", "menu Gray2Color(5)"} << false << false;
}

void SignalMenusTest::enablingFollowsMarks() {
    QFETCH(QStringList, choices);
    QFETCH(bool, deepColorItems);
    QFETCH(bool, channelItems);

    OpenRig r;
    QVERIFY(steps::runAll(r.w, choices));
    r.w.EnableMenuItems(); // what showing the menus does
    for (int i = 0; i <= 2; ++i)
        QCOMPARE(r.w.DeepColor(i)->isEnabled(), deepColorItems);
    for (int i = 0; i <= 6; ++i)
        QCOMPARE(r.w.Channels(i)->isEnabled(), channelItems);
    QCOMPARE(r.deepColorTitleEnabled(), deepColorItems);
}

QTEST_MAIN(SignalMenusTest)
#include "tst_signalmenus.moc"
