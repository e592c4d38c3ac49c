// Level entry: parsing, rounding, clamping per scale and range, the range buttons, Default Colors.
#include "history/HistoryRow.h"
#include "support/MenuSteps.h"
#include "support/TestSupport.h"
#include "uservalues/Levels.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(ValueScale)
Q_DECLARE_METATYPE(HdmiRange)

namespace {
struct OpenRig : OpenGenerator {
    void choose(ValueScale scale, HdmiRange range) {
        w.UserValuesRB[int(scale)]->setChecked(true);
        w.Range_RB[int(range)]->setChecked(true);
    }
};

const QString std8 = QStringLiteral("8-bit  16-235 1-254 min-max");
const QString std10 = QStringLiteral("10-bit  64-940 4-1019 min-max");
const QString full8 = QStringLiteral("8-bit  16-235 0-255 min-max");
const QString full10 = QStringLiteral("10-bit  64-940 0-1023 min-max");
} // namespace

class UserValuesTest : public QObject {
    Q_OBJECT
private slots:
    void parseLeadingNumber_data();
    void parseLeadingNumber();
    void wholeLevel_data();
    void wholeLevel();
    void formatLevel();
    void readLevel_data();
    void readLevel();
    void limitValueAtIntExtremes();
    void startState();
    void rangeButtons();
    void rangeChangeKeepsTypedText();
    void scaleButtonsSendNothing();
    void defaultColorsSendsOneWordOnly();
};

void UserValuesTest::parseLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("digits") << "235" << 235.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("leading blanks") << "   42" << 42.0;
    QTest::newRow("leading tab") << "\t42" << 42.0;
    QTest::newRow("plus sign") << "+17" << 17.0;
    QTest::newRow("negative") << "-20" << -20.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("digits then blank and more") << "12 34" << 12.0;
    QTest::newRow("letter first") << "x12" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("sign then blank") << "- 5" << 0.0;
    QTest::newRow("fraction") << "50.6" << 50.6;
    QTest::newRow("bare fraction") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends it") << "5.5.5" << 5.5;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("comma is no decimal point") << "50,6" << 50.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5;
    QTest::newRow("exponent without digits") << "12e" << 12.0;
    QTest::newRow("exponent sign without digits") << "12e+x" << 12.0;
    QTest::newRow("huge") << "99999999999" << 99999999999.0;
    QTest::newRow("beyond double") << "1e999" << inf;
    QTest::newRow("beyond double, negative") << "-1e999" << -inf;
    QTest::newRow("below double") << "1e-999" << 0.0;
    QTest::newRow("below double, long fraction") << "0.000001e-999" << 0.0;
    QTest::newRow("beyond double despite negative exponent")
        << "1" + QString(400, QLatin1Char('0')) + "e-1" << inf;
    QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << inf;
}

void UserValuesTest::parseLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(ParseLeadingNumber(text), number);
}

void UserValuesTest::wholeLevel_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("whole");

    QTest::newRow("whole") << 50.0 << qint64(50);
    QTest::newRow("below half") << 50.4 << qint64(50);
    QTest::newRow("half up") << 50.5 << qint64(51);
    QTest::newRow("above half") << 50.6 << qint64(51);
    QTest::newRow("negative half away from zero") << -0.5 << qint64(-1);
    QTest::newRow("small negative") << -0.4 << qint64(0);
    QTest::newRow("beyond 32 bits") << 99999999999.0 << qint64(99999999999);
    QTest::newRow("beyond 64 bits") << 1e30 << qint64(1e15);
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << qint64(1e15);
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << qint64(-1e15);
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
}

void UserValuesTest::wholeLevel() {
    QFETCH(double, value);
    QFETCH(qint64, whole);
    QCOMPARE(WholeLevel(value), whole);
}

void UserValuesTest::formatLevel() {
    QCOMPARE(FormatLevel(0), QStringLiteral("0"));
    QCOMPARE(FormatLevel(7), QStringLiteral("7"));
    QCOMPARE(FormatLevel(1020), QStringLiteral("1020"));
    QCOMPARE(FormatLevel(123456), QStringLiteral("123456")); // no thousands separator
    QCOMPARE(FormatLevel(-5), QStringLiteral("5"));          // the pattern's negative section
}

// One table for the free rule and for the window reading its own radio buttons and field.
void UserValuesTest::readLevel_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<ValueScale>("scale");
    QTest::addColumn<HdmiRange>("range");
    QTest::addColumn<int>("level");

    const auto pc = ValueScale::Percent, b8 = ValueScale::EightBit, b10 = ValueScale::TenBit;
    const auto st = HdmiRange::Standard, fu = HdmiRange::Full;
    QTest::newRow("percent empty") << "" << pc << st << 0;
    QTest::newRow("percent 50") << "50" << pc << st << 50;
    QTest::newRow("percent 150 standard") << "150" << pc << st << 109;
    QTest::newRow("percent 150 full") << "150" << pc << fu << 109;
    QTest::newRow("percent 109") << "109" << pc << fu << 109;
    QTest::newRow("percent -20") << "-20" << pc << st << 0;
    QTest::newRow("percent letters") << "abc" << pc << st << 0;
    QTest::newRow("percent 12abc") << "12abc" << pc << st << 12;
    QTest::newRow("percent 50.6 rounds") << "50.6" << pc << st << 51;
    QTest::newRow("percent 50.4 rounds") << "50.4" << pc << st << 50;
    QTest::newRow("percent 108.6 rounds then clamps") << "108.6" << pc << st << 109;
    QTest::newRow("percent huge") << "99999999999" << pc << st << 109;
    QTest::newRow("percent huge negative") << "-99999999999" << pc << st << 0;
    // 2^32 + 50 would wrap to 50 in a plain 32-bit conversion.
    QTest::newRow("percent 2^32+50") << "4294967346" << pc << st << 109;
    QTest::newRow("percent beyond double") << "1e999" << pc << st << 109;
    QTest::newRow("8-bit standard 0") << "0" << b8 << st << 1;
    QTest::newRow("8-bit standard 255") << "255" << b8 << st << 254;
    QTest::newRow("8-bit standard 1") << "1" << b8 << st << 1;
    QTest::newRow("8-bit standard 254") << "254" << b8 << st << 254;
    QTest::newRow("8-bit standard -20") << "-20" << b8 << st << 1;
    QTest::newRow("8-bit standard letters") << "zz" << b8 << st << 1;
    QTest::newRow("8-bit standard 0.4") << "0.4" << b8 << st << 1;
    QTest::newRow("8-bit full 0") << "0" << b8 << fu << 0;
    QTest::newRow("8-bit full 255") << "255" << b8 << fu << 255;
    QTest::newRow("8-bit full 256") << "256" << b8 << fu << 255;
    QTest::newRow("8-bit full -20") << "-20" << b8 << fu << 0;
    QTest::newRow("8-bit full huge") << "99999999999" << b8 << fu << 255;
    QTest::newRow("10-bit standard 0") << "0" << b10 << st << 4;
    QTest::newRow("10-bit standard 1023") << "1023" << b10 << st << 1019;
    QTest::newRow("10-bit standard -20") << "-20" << b10 << st << 4;
    QTest::newRow("10-bit standard letters") << "abc" << b10 << st << 4;
    QTest::newRow("10-bit standard 500") << " 500" << b10 << st << 500;
    QTest::newRow("10-bit full 0") << "0" << b10 << fu << 0;
    QTest::newRow("10-bit full 1023") << "1023" << b10 << fu << 1023;
    QTest::newRow("10-bit full 1024") << "1024" << b10 << fu << 1023;
    QTest::newRow("10-bit full 1e3") << "1e3" << b10 << fu << 1000;
}

void UserValuesTest::readLevel() {
    QFETCH(QString, text);
    QFETCH(ValueScale, scale);
    QFETCH(HdmiRange, range);
    QFETCH(int, level);

    QCOMPARE(LevelFromText(text, scale, range), level);

    OpenRig r;
    r.choose(scale, range);
    r.w.Gray_TF->setText(text);
    const Window1::UserValue value = r.w.ReadUserValue(r.w.Gray_TF);
    QCOMPARE(value.level, level);
    QCOMPARE(value.text, QString::number(level));
    QCOMPARE(r.w.Gray_TF->text(), text); // the field keeps what was typed
    QCOMPARE(r.hxt.transcript, QStringList());
}

void UserValuesTest::limitValueAtIntExtremes() {
    OpenRig r;
    const int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    const struct {
        ValueScale scale;
        HdmiRange range;
        int low, high;
    } cases[] = {
        {ValueScale::Percent, HdmiRange::Standard, 0, 109},
        {ValueScale::Percent, HdmiRange::Full, 0, 109},
        {ValueScale::EightBit, HdmiRange::Standard, 1, 254},
        {ValueScale::EightBit, HdmiRange::Full, 0, 255},
        {ValueScale::TenBit, HdmiRange::Standard, 4, 1019},
        {ValueScale::TenBit, HdmiRange::Full, 0, 1023},
    };
    for (const auto &c : cases) {
        r.choose(c.scale, c.range);
        QCOMPARE(r.w.LimitValue(lo), c.low);
        QCOMPARE(r.w.LimitValue(hi), c.high);
        QCOMPARE(r.w.LimitValue(c.low), c.low);
        QCOMPARE(r.w.LimitValue(c.high), c.high);
        QCOMPARE(r.w.LimitValue(c.low - 1), c.low);
        QCOMPARE(r.w.LimitValue(c.high + 1), c.high);
    }
}

void UserValuesTest::startState() {
    OpenRig r;
    QVERIFY(r.w.UserValuesRB[0]->isChecked());
    QVERIFY(r.w.Range_RB[0]->isChecked());
    QCOMPARE(r.w.Label_8b->text(), std8);
    QCOMPARE(r.w.Label_10b->text(), std10);
    for (QLineEdit *f : {r.w.Red_TF, r.w.Green_TF, r.w.Blue_TF, r.w.Gray_TF})
        QCOMPARE(f->text(), QString());
    // The range is not sent at start.
    QVERIFY(!r.rig.words().contains(QStringLiteral("RangeStd")));
}

// Clicked as the user would: labels first, then the word; the scale group is not disturbed.
void UserValuesTest::rangeButtons() {
    OpenRig r;
    r.w.UserValuesRB[2]->click();
    QStringList seen;
    r.hxt.onWord = [&](const QString &word) {
        seen << word + "|" + r.w.Label_8b->text() + "|" + r.w.Label_10b->text();
    };
    r.w.Range_RB[1]->click();
    r.w.Range_RB[1]->click(); // the selected button again still sends
    r.w.Range_RB[0]->click();
    r.hxt.onWord = nullptr;
    QCOMPARE(seen,
             QStringList({"RangeFull|" + full8 + "|" + full10, "RangeFull|" + full8 + "|" + full10,
                          "RangeStd|" + std8 + "|" + std10}));
    QCOMPARE(r.w.Label_8b->text(), std8);
    QCOMPARE(r.w.Label_10b->text(), std10);
    QVERIFY(r.w.Range_RB[0]->isChecked());
    QVERIFY(!r.w.Range_RB[1]->isChecked());
    QVERIFY(r.w.UserValuesRB[2]->isChecked());
    QCOMPARE(r.w.Label16->text(), QStringLiteral("8/10-bit 0%-100%  109% max"));

    // Choosing a scale leaves the range alone.
    r.w.Range_RB[1]->click();
    r.w.UserValuesRB[1]->click();
    QVERIFY(r.w.Range_RB[1]->isChecked());
    QVERIFY(r.w.UserValuesRB[1]->isChecked());
}

void UserValuesTest::rangeChangeKeepsTypedText() {
    OpenRig r;
    r.w.UserValuesRB[1]->click();
    r.w.Range_RB[1]->click();
    r.w.Gray_TF->setText(QStringLiteral("255"));
    QCOMPARE(r.w.ReadUserValue(r.w.Gray_TF).level, 255);
    r.w.Range_RB[0]->click();
    QCOMPARE(r.w.Gray_TF->text(), QStringLiteral("255"));
    QCOMPARE(r.w.ReadUserValue(r.w.Gray_TF).level, 254);
    QCOMPARE(r.w.ReadUserValue(r.w.Gray_TF).text, QStringLiteral("254"));
}

void UserValuesTest::scaleButtonsSendNothing() {
    OpenRig r;
    for (int i : {1, 2, 0})
        r.w.UserValuesRB[i]->click();
    QCOMPARE(r.hxt.transcript, QStringList());
    QCOMPARE(r.w.Label_8b->text(), std8);
    QCOMPARE(r.w.Label_10b->text(), std10);
}

void UserValuesTest::defaultColorsSendsOneWordOnly() {
    OpenRig r;
    r.w.Red_TF->setText(QStringLiteral("10"));
    r.w.Green_TF->setText(QStringLiteral("20"));
    r.w.Blue_TF->setText(QStringLiteral("abc"));
    r.w.UserValuesRB[1]->click();
    r.w.Color100_Action(3);
    r.hxt.clearTranscript();
    const QString group = r.w.Group_LBL->text(), pattern = r.w.Pattern_LBL->text();
    const QString border = r.w.Border_LBL->text();

    r.w.DefaultColor_PB->click();

    QCOMPARE(r.hxt.transcript, QStringList{"UvalColorF"});
    QCOMPARE(r.w.Red_TF->text(), QStringLiteral("10"));
    QCOMPARE(r.w.Green_TF->text(), QStringLiteral("20"));
    QCOMPARE(r.w.Blue_TF->text(), QStringLiteral("abc"));
    QCOMPARE(r.w.Gray_TF->text(), QString());
    QVERIFY(r.w.UserValuesRB[1]->isChecked());
    QVERIFY(r.w.Range_RB[0]->isChecked());
    QCOMPARE(r.w.Group_LBL->text(), group);
    QCOMPARE(r.w.Pattern_LBL->text(), pattern);
    QCOMPARE(r.w.Border_LBL->text(), border);
    QCOMPARE(HistoryRowCount(r.w.User_LB), 1);
    QCOMPARE(steps::checkedItems(r.w, steps::patternArrays), QStringList{"Color100(3)"});
}

QTEST_MAIN(UserValuesTest)
#include "tst_uservalues.moc"
