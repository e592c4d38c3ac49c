// The six user-pattern buttons and the gray border: words, history rows, labels, checkmarks.
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
struct Button {
    QPushButton *Window1::*control;
    QString keyBase;
    QString mark; // the pattern-menu item that carries the only checkmark afterwards
    bool colour;
};

const QMap<QString, Button> &buttons() {
    static const QMap<QString, Button> map = {
        {"ColorWindow", {&Window1::ColorWindow_BB, "ColorWindow", "Color75(8)", true}},
        {"ColorField", {&Window1::ColorField_BB, "ColorField", "Color100(15)", true}},
        {"Window", {&Window1::Window_BB, "GrayWindow", "Grayscale100(13)", false}},
        {"Field", {&Window1::Field_BB, "GrayField", "Grayfield(14)", false}},
        {"Checkerbd", {&Window1::Checkerbd_BB, "Checkerboard", "Special(11)", false}},
        {"InvCheckerbd", {&Window1::InvCheckerbd_BB, "InvCheckerboard", "Special(12)", false}},
    };
    return map;
}

const QStringList suffixes = {"%", "8b", "10b"};

struct OpenRig : OpenGenerator {
    void choose(int scale, int range) {
        w.UserValuesRB[scale]->setChecked(true);
        w.Range_RB[range]->setChecked(true);
    }
    void setFields(const QStringList &fields) {
        if (fields.size() == 3) {
            w.Red_TF->setText(fields.at(0));
            w.Green_TF->setText(fields.at(1));
            w.Blue_TF->setText(fields.at(2));
        } else {
            w.Gray_TF->setText(fields.value(0));
        }
    }
    QStringList fields(bool colour) const {
        if (colour)
            return {w.Red_TF->text(), w.Green_TF->text(), w.Blue_TF->text()};
        return {w.Gray_TF->text()};
    }
    void press(const QString &name) { (w.*buttons().value(name).control)->click(); }
    QStringList marks() const { return steps::checkedItems(w, steps::patternArrays); }
    // Word, history rows, group, pattern and marks as each word reaches the generator.
    void watch(QStringList &seen) {
        hxt.onWord = [this, &seen](const QString &word) {
            seen << QStringLiteral("%1|%2|%3|%4|%5")
                        .arg(word)
                        .arg(HistoryRowCount(w.User_LB))
                        .arg(w.Group_LBL->text(), w.Pattern_LBL->text(), marks().join(' '));
        };
    }
};

QStringList cells(const HistoryRow &row) {
    return QStringList(row.cells.begin(), row.cells.end());
}
} // namespace

class UserPatternsTest : public QObject {
    Q_OBJECT
private slots:
    void exchange_data();
    void exchange();
    void everyButtonAndScale();
    void orderOfWork_data();
    void orderOfWork();
    void userOnlyModeStillRecords();
    void demoModeRecordsWithoutSending();
    void windowsBorder_data();
    void windowsBorder();
    void borderStateAcrossPatterns();
    void defaultBordersWithoutWindow();
};

void UserPatternsTest::exchange_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("scale"); // UserValuesRB index
    QTest::addColumn<int>("range"); // Range_RB index
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("border");

    const int pc = 0, b8 = 1, b10 = 2, st = 0, fu = 1;
    // The four complete exchanges, range Full.
    QTest::newRow("Color Window, percent")
        << "ColorWindow" << pc << fu << QStringList{"50", "60", "70"}
        << QStringList{"UvalColorR", "50", "UvalColorG", "60", "UvalColorB", "70", "UColorWin"}
        << QStringList{"ColorWindow%", "", "50", "60", "70"} << "User Color Window 50%,60%,70%"
        << "Color 75"
        << "N/A";
    QTest::newRow("Color Field, 8-bit")
        << "ColorField" << b8 << fu << QStringList{"128", "64", "255"}
        << QStringList{"UColorR10", "512", "UColorG10", "256", "UColorB10", "1020", "UColorField"}
        << QStringList{"ColorField8b", "", "128", "64", "255"} << "User Color Field 128,64,255  8b"
        << "Color 100"
        << "N/A";
    QTest::newRow("Window, 10-bit")
        << "Window" << b10 << fu << QStringList{"500"}
        << QStringList{"NormalGS", "UWindow10", "500", "GSUser"}
        << QStringList{"GrayWindow10b", "500", "", "", ""} << "User Gray Window 500 10-bit"
        << "Grayscale 0%-100%"
        << "Gray Border 0% (Default)";
    QTest::newRow("Field, 8-bit") << "Field" << b8 << fu << QStringList{"16"}
                                  << QStringList{"UField10", "64", "GFUser"}
                                  << QStringList{"GrayField8b", "16", "", "", ""}
                                  << "User Grayfield 16 8-bit"
                                  << "Grayfield"
                                  << "N/A";
    // Clamping, parsing and the other buttons.
    QTest::newRow("Field, percent, empty")
        << "Field" << pc << st << QStringList{""} << QStringList{"UvalField", "0", "GFUser"}
        << QStringList{"GrayField%", "0", "", "", ""} << "User Grayfield 0%"
        << "Grayfield"
        << "N/A";
    QTest::newRow("Color Window, 8-bit Standard clamps before multiplying")
        << "ColorWindow" << b8 << st << QStringList{"0", "255", "-3"}
        << QStringList{"UColorR10", "4", "UColorG10", "1016", "UColorB10", "4", "UColorWin"}
        << QStringList{"ColorWindow8b", "", "1", "254", "1"} << "User Color Window 1,254,1  8b"
        << "Color 75"
        << "N/A";
    QTest::newRow("Color Field, 10-bit sent with the same digits")
        << "ColorField" << b10 << st << QStringList{"1023", "64", "940"}
        << QStringList{"UColorR10", "1019", "UColorG10", "64", "UColorB10", "940", "UColorField"}
        << QStringList{"ColorField10b", "", "1019", "64", "940"}
        << "User Color Field 1019,64,940  10b"
        << "Color 100"
        << "N/A";
    QTest::newRow("Color Field, percent, clamped, letters, fraction")
        << "ColorField" << pc << st << QStringList{"150", "12abc", "50.5"}
        << QStringList{"UvalColorR", "109", "UvalColorG", "12", "UvalColorB", "51", "UColorField"}
        << QStringList{"ColorField%", "", "109", "12", "51"} << "User Color Field 109%,12%,51%"
        << "Color 100"
        << "N/A";
    QTest::newRow("Color Window, 10-bit Full, letters")
        << "ColorWindow" << b10 << fu << QStringList{"x", "1023", "0"}
        << QStringList{"UColorR10", "0", "UColorG10", "1023", "UColorB10", "0", "UColorWin"}
        << QStringList{"ColorWindow10b", "", "0", "1023", "0"} << "User Color Window 0,1023,0  10b"
        << "Color 75"
        << "N/A";
    QTest::newRow("Window, percent")
        << "Window" << pc << st << QStringList{"75"}
        << QStringList{"NormalGS", "UvalWindow", "75", "GSUser"}
        << QStringList{"GrayWindow%", "75", "", "", ""} << "User Gray Window 75%"
        << "Grayscale 0%-100%"
        << "Gray Border 0% (Default)";
    QTest::newRow("Window, 8-bit")
        << "Window" << b8 << st << QStringList{"235"}
        << QStringList{"NormalGS", "UWindow10", "940", "GSUser"}
        << QStringList{"GrayWindow8b", "235", "", "", ""} << "User Gray Window 235 8-bit"
        << "Grayscale 0%-100%"
        << "Gray Border 0% (Default)";
    QTest::newRow("Field, 10-bit Standard, huge")
        << "Field" << b10 << st << QStringList{"99999999999"}
        << QStringList{"UField10", "1019", "GFUser"}
        << QStringList{"GrayField10b", "1019", "", "", ""} << "User Grayfield 1019 10-bit"
        << "Grayfield"
        << "N/A";
    QTest::newRow("Checkerboard, percent")
        << "Checkerbd" << pc << st << QStringList{"40"}
        << QStringList{"UvalChkrBd", "40", "UCheckerBd"}
        << QStringList{"Checkerboard%", "40", "", "", ""} << "User Checkerboard 40%"
        << "Special"
        << "N/A";
    QTest::newRow("Checkerboard, 10-bit")
        << "Checkerbd" << b10 << fu << QStringList{"0"}
        << QStringList{"UChkrBd10", "0", "UCheckerBd"}
        << QStringList{"Checkerboard10b", "0", "", "", ""} << "User Checkerboard 0 10-bit"
        << "Special"
        << "N/A";
    QTest::newRow("Inv Checkerboard, percent")
        << "InvCheckerbd" << pc << st << QStringList{"40"}
        << QStringList{"UvalChkrBd", "40", "UInvChkerBd"}
        << QStringList{"InvCheckerboard%", "40", "", "", ""} << "User Inv Checkerboard 40%"
        << "Special"
        << "N/A";
    QTest::newRow("Inv Checkerboard, 8-bit")
        << "InvCheckerbd" << b8 << st << QStringList{"100"}
        << QStringList{"UChkrBd10", "400", "UInvChkerBd"}
        << QStringList{"InvCheckerboard8b", "100", "", "", ""} << "User Inv Checkerboard 100 8-bit"
        << "Special"
        << "N/A";
}

void UserPatternsTest::exchange() {
    QFETCH(QString, button);
    QFETCH(int, scale);
    QFETCH(int, range);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, words);
    QFETCH(QStringList, row);
    QFETCH(QString, pattern);
    QFETCH(QString, group);
    QFETCH(QString, border);

    OpenRig r;
    // A catalogue pattern first: its row stays, its mark goes.
    r.w.Grayscale109(5)->trigger();
    r.hxt.clearTranscript();
    r.choose(scale, range);
    r.setFields(fields);

    r.press(button);

    QCOMPARE(r.hxt.transcript, words);
    QCOMPARE(HistoryRowCount(r.w.User_LB), 2);
    QCOMPARE(HistoryRowAt(r.w.User_LB, 0).key(), r.w.Grayscale109LBPatNames.at(5));
    QCOMPARE(cells(HistoryRowAt(r.w.User_LB, 1)), row);
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 1);
    QCOMPARE(r.w.Pattern_LBL->text(), pattern);
    QCOMPARE(r.w.Group_LBL->text(), group);
    QCOMPARE(r.w.Border_LBL->text(), border);
    QCOMPARE(r.marks(), QStringList{buttons().value(button).mark});
    QCOMPARE(r.fields(fields.size() == 3), fields); // clamping never rewrites the fields
}

// Keys follow the scale for all six buttons; the only mark afterwards is the button's own item.
void UserPatternsTest::everyButtonAndScale() {
    OpenRig r;
    int rows = 0;
    for (auto it = buttons().cbegin(); it != buttons().cend(); ++it) {
        for (int scale = 0; scale < 3; ++scale) {
            const QString what = it.key() + " " + suffixes.at(scale);
            r.w.Special(4)->trigger();
            ++rows;
            r.hxt.clearTranscript();
            r.w.UserValuesRB[scale]->click();
            r.press(it.key());
            ++rows;
            QVERIFY2(HistoryRowCount(r.w.User_LB) == rows, qPrintable(what));
            QCOMPARE(HistoryRowAt(r.w.User_LB, rows - 1).key(),
                     it.value().keyBase + suffixes.at(scale));
            QCOMPARE(SelectedHistoryIndex(r.w.User_LB), rows - 1);
            QCOMPARE(r.marks(), QStringList{it.value().mark});
            const bool window = it.key() == QLatin1String("Window");
            QVERIFY2((r.hxt.transcript.value(0) == QLatin1String("NormalGS")) == window,
                     qPrintable(what + ": " + r.hxt.transcript.join(' ')));
            QCOMPARE(r.hxt.transcript.count(QStringLiteral("NormalGS")), window ? 1 : 0);
        }
    }
}

void UserPatternsTest::orderOfWork_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QStringList>("seen"); // word|rows|group|pattern|marks

    // Shown before: group "PLUGE", pattern "0% Field 0% APL", one row, mark PLUGE(0).
    const QString before = QStringLiteral("PLUGE|0% Field 0% APL|PLUGE(0)");
    const QString cw = QStringLiteral("User Color Window 1%,2%,3%");
    QTest::newRow("colour percent: levels, then row")
        << "ColorWindow" << 0
        << QStringList{"UvalColorR|1|" + before,
                       "1|1|" + before,
                       "UvalColorG|1|" + before,
                       "2|1|" + before,
                       "UvalColorB|1|" + before,
                       "3|1|" + before,
                       "UColorWin|2|Color 75|" + cw + "|PLUGE(0)"};
    const QString cf8 = QStringLiteral("|User Color Field 1,2,3  8b|PLUGE(0)");
    QTest::newRow("colour 8-bit: row and label, then levels")
        << "ColorField" << 1 << QStringList{"UColorR10|2|PLUGE" + cf8,      "4|2|PLUGE" + cf8,
                                            "UColorG10|2|PLUGE" + cf8,      "8|2|PLUGE" + cf8,
                                            "UColorB10|2|PLUGE" + cf8,      "12|2|PLUGE" + cf8,
                                            "UColorField|2|Color 100" + cf8};
    const QString cf10 = QStringLiteral("|User Color Field 4,4,4  10b|PLUGE(0)");
    QTest::newRow("colour 10-bit: row and label, then levels")
        << "ColorField" << 2 << QStringList{"UColorR10|2|PLUGE" + cf10,      "4|2|PLUGE" + cf10,
                                            "UColorG10|2|PLUGE" + cf10,      "4|2|PLUGE" + cf10,
                                            "UColorB10|2|PLUGE" + cf10,      "4|2|PLUGE" + cf10,
                                            "UColorField|2|Color 100" + cf10};
    const QString gf = QStringLiteral("|PLUGE|User Grayfield 7%|PLUGE(0)");
    QTest::newRow("gray percent: level word, then row, group after pattern word")
        << "Field" << 0 << QStringList{"UvalField|1|" + before, "7|2" + gf, "GFUser|2" + gf};
    const QString gw = QStringLiteral("|PLUGE|User Gray Window 7 8-bit|PLUGE(0)");
    QTest::newRow("window 8-bit: NormalGS first")
        << "Window" << 1
        << QStringList{"NormalGS|1|" + before, "UWindow10|1|" + before, "28|2" + gw,
                       "GSUser|2" + gw};
}

void UserPatternsTest::orderOfWork() {
    QFETCH(QString, button);
    QFETCH(int, scale);
    QFETCH(QStringList, seen);

    OpenRig r;
    r.w.PLUGE(0)->trigger();
    r.w.Red_TF->setText("1");
    r.w.Green_TF->setText("2");
    r.w.Blue_TF->setText("3");
    r.w.Gray_TF->setText("7");
    r.choose(scale, 0);
    QStringList got;
    r.watch(got);
    r.press(button);
    r.hxt.onWord = nullptr;
    QCOMPARE(got, seen);
    QCOMPARE(r.marks(), QStringList{buttons().value(button).mark});
}

void UserPatternsTest::userOnlyModeStillRecords() {
    OpenRig r;
    r.w.Color75(1)->trigger();
    r.w.RecordUser_PB->click();
    r.w.Grayfield(3)->trigger(); // not recorded
    QCOMPARE(HistoryRowCount(r.w.User_LB), 1);
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 0);

    r.w.Gray_TF->setText("33");
    r.press("Field");
    r.w.Red_TF->setText("9");
    r.press("ColorWindow");
    QCOMPARE(HistoryRowCount(r.w.User_LB), 3);
    QCOMPARE(cells(HistoryRowAt(r.w.User_LB, 1)), QStringList({"GrayField%", "33", "", "", ""}));
    QCOMPARE(cells(HistoryRowAt(r.w.User_LB, 2)), QStringList({"ColorWindow%", "", "9", "0", "0"}));
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 2);

    r.w.Color75(2)->trigger(); // still not recorded
    QCOMPARE(HistoryRowCount(r.w.User_LB), 3);
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 2);
}

// Without a compatible generator nothing is sent, yet rows, labels, marks and border follow.
void UserPatternsTest::demoModeRecordsWithoutSending() {
    OpenRig r;
    r.w.Authorized = false;
    r.w.UserValuesRB[1]->click();
    r.w.Range_RB[1]->click();
    r.w.Red_TF->setText("128");
    r.w.Green_TF->setText("64");
    r.w.Blue_TF->setText("255");
    r.w.Gray_TF->setText("200");
    r.press("ColorField");
    r.w.WindowsBorder_PB->click();
    r.press("Window");

    QCOMPARE(r.hxt.transcript, QStringList());
    QCOMPARE(r.w.Label_8b->text(), QStringLiteral("8-bit  16-235 0-255 min-max"));
    QCOMPARE(HistoryRowCount(r.w.User_LB), 2);
    QCOMPARE(cells(HistoryRowAt(r.w.User_LB, 0)),
             QStringList({"ColorField8b", "", "128", "64", "255"}));
    QCOMPARE(cells(HistoryRowAt(r.w.User_LB, 1)), QStringList({"GrayWindow8b", "200", "", "", ""}));
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 1);
    QCOMPARE(r.w.Group_LBL->text(), QStringLiteral("Grayscale 0%-100%"));
    QCOMPARE(r.w.Pattern_LBL->text(), QStringLiteral("User Gray Window 200 8-bit"));
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("Gray Border 200 8-bit"));
    QCOMPARE(r.marks(), QStringList{"Grayscale100(13)"});
}

void UserPatternsTest::windowsBorder_data() {
    QTest::addColumn<QString>("before"); // menu step shown before the press
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("gray");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("valueText");

    QTest::newRow("percent 40") << "Color75(1)" << 0 << 0 << "40"
                                << QStringList{"UvalWBorder", "40", "GSUser"} << "40%";
    QTest::newRow("8-bit 200") << "Color75(1)" << 1 << 0 << "200"
                               << QStringList{"UWBorder10", "800", "GSUser"} << "200 8-bit";
    QTest::newRow("10-bit Standard 1023")
        << "Color75(1)" << 2 << 0 << "1023" << QStringList{"UWBorder10", "1019", "GSUser"}
        << "1019 10-bit";
    QTest::newRow("10-bit Full 1023")
        << "Grayfield(2)" << 2 << 1 << "1023" << QStringList{"UWBorder10", "1023", "GSUser"}
        << "1023 10-bit";
    QTest::newRow("percent 150") << "Color75(1)" << 0 << 1 << "150"
                                 << QStringList{"UvalWBorder", "109", "GSUser"} << "109%";
    QTest::newRow("8-bit Standard empty")
        << "Color75(1)" << 1 << 0 << "" << QStringList{"UWBorder10", "4", "GSUser"} << "1 8-bit";
    QTest::newRow("percent fraction, from a 100-109 window")
        << "Grayscale109(12)" << 0 << 0 << "12.5" << QStringList{"UvalWBorder", "13", "GSUser"}
        << "13%";
}

// The border goes out with the user window; the history and the pattern labels stay.
void UserPatternsTest::windowsBorder() {
    QFETCH(QString, before);
    QFETCH(int, scale);
    QFETCH(int, range);
    QFETCH(QString, gray);
    QFETCH(QStringList, words);
    QFETCH(QString, valueText);

    OpenRig r;
    QVERIFY(steps::run(r.w, before));
    r.hxt.clearTranscript();
    r.choose(scale, range);
    r.w.Gray_TF->setText(gray);
    const QString group = r.w.Group_LBL->text(), pattern = r.w.Pattern_LBL->text();

    r.w.WindowsBorder_PB->click();

    QCOMPARE(r.hxt.transcript, words);
    QCOMPARE(r.w.BorderValueText, valueText);
    QCOMPARE(r.w.Border_LBL->text(), "Gray Border " + valueText);
    QCOMPARE(r.marks(), QStringList{"Grayscale100(13)"});
    QCOMPARE(HistoryRowCount(r.w.User_LB), 1);
    QCOMPARE(SelectedHistoryIndex(r.w.User_LB), 0);
    QCOMPARE(r.w.Group_LBL->text(), group);
    QCOMPARE(r.w.Pattern_LBL->text(), pattern);
    QCOMPARE(r.w.Gray_TF->text(), gray);
}

// A user border holds across patterns until "Default Borders"; the label always follows the mark.
void UserPatternsTest::borderStateAcrossPatterns() {
    OpenRig r;
    r.w.Gray_TF->setText("40");
    r.w.WindowsBorder_PB->click();
    r.w.Grayscale10(5)->trigger();
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("Gray Border 40%"));
    r.press("ColorWindow");
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("N/A"));
    QCOMPARE(r.w.BorderValueText, QStringLiteral("40%"));
    r.press("Window");
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("Gray Border 40%"));

    // Label first, then the word; marks and history untouched.
    const int rows = HistoryRowCount(r.w.User_LB);
    r.hxt.clearTranscript();
    QStringList seen;
    r.hxt.onWord = [&](const QString &word) { seen << word + "|" + r.w.Border_LBL->text(); };
    r.w.DefaultBorders_PB->click();
    r.hxt.onWord = nullptr;
    QCOMPARE(seen, QStringList{"UWBorderF|Gray Border 0% (Default)"});
    QCOMPARE(r.w.BorderValueText, QString());
    QCOMPARE(r.marks(), QStringList{"Grayscale100(13)"});
    QCOMPARE(HistoryRowCount(r.w.User_LB), rows);

    r.w.Grayscale109(7)->trigger();
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("Gray Border 100% (Default)"));
}

void UserPatternsTest::defaultBordersWithoutWindow() {
    OpenRig r;
    r.w.Gray_TF->setText("40");
    r.w.WindowsBorder_PB->click();
    r.w.Special(3)->trigger();
    r.hxt.clearTranscript();
    r.w.DefaultBorders_PB->click();
    QCOMPARE(r.hxt.transcript, QStringList{"UWBorderF"});
    QCOMPARE(r.w.Border_LBL->text(), QStringLiteral("N/A"));
    QCOMPARE(r.w.BorderValueText, QString());
    QCOMPARE(r.marks(), QStringList{"Special(3)"});
}

QTEST_MAIN(UserPatternsTest)
#include "tst_userpatterns.moc"
