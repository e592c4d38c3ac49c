#include "uservalues/Levels.h"

#include <cmath>

LevelBounds LevelLimits(ValueScale scale, HdmiRange range) {
    const bool standard = range == HdmiRange::Standard;
    switch (scale) {
    case ValueScale::Percent:
        return {0, 109};
    case ValueScale::EightBit:
        return standard ? LevelBounds{1, 254} : LevelBounds{0, 255};
    case ValueScale::TenBit:
        break;
    }
    return standard ? LevelBounds{4, 1019} : LevelBounds{0, 1023};
}

int LimitLevel(qint64 value, ValueScale scale, HdmiRange range) {
    const LevelBounds b = LevelLimits(scale, range);
    if (value > b.high)
        return b.high;
    if (value < b.low)
        return b.low;
    return int(value);
}

namespace {
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int skipDigits(const QString &text, int i) {
    while (i < text.size() && isDigit(text.at(i)))
        ++i;
    return i;
}
} // namespace

double ParseLeadingNumber(const QString &text) {
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    const int start = i;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    const int intStart = i;
    i = skipDigits(text, i);
    int mantissaDigits = i - intStart;
    // Decimal magnitude of the mantissa, to tell overflow from underflow if the conversion fails.
    int magnitude = 0;
    for (int k = intStart; k < i; ++k)
        if (text.at(k) != QLatin1Char('0') || magnitude > 0)
            ++magnitude;
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        const int fracEnd = skipDigits(text, i + 1);
        mantissaDigits += fracEnd - (i + 1);
        if (magnitude == 0)
            for (int k = i + 1; k < fracEnd && text.at(k) == QLatin1Char('0'); ++k)
                --magnitude;
        i = fracEnd;
    }
    if (mantissaDigits == 0)
        return 0;
    // An exponent counts only when digits follow it: "12e" is 12.
    if (i < text.size() && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        int j = i + 1;
        const bool negative = j < text.size() && text.at(j) == QLatin1Char('-');
        if (j < text.size() && (negative || text.at(j) == QLatin1Char('+')))
            ++j;
        const int expEnd = skipDigits(text, j);
        if (expEnd > j) {
            int exponent = 0;
            for (int k = j; k < expEnd; ++k)
                exponent = qMin(exponent * 10 + text.at(k).digitValue(), 1000000);
            magnitude += negative ? -exponent : exponent;
            i = expEnd;
        }
    }
    // Locale-independent ('.' is always the decimal point). The text is a well-formed number,
    // so a failure means it is out of range: tiny numbers are 0, huge ones saturate.
    bool ok = false;
    const double value = text.mid(start, i - start).toLatin1().toDouble(&ok);
    if (ok)
        return value;
    if (magnitude <= 0)
        return 0;
    return text.at(start) == QLatin1Char('-') ? -HUGE_VAL : HUGE_VAL;
}

qint64 WholeLevel(double value) {
    if (std::isnan(value))
        return 0;
    // Far beyond every bound, and exactly representable, so the cast below cannot overflow.
    constexpr double limit = 1e15;
    if (value > limit)
        return qint64(limit);
    if (value < -limit)
        return -qint64(limit);
    return qint64(std::round(value));
}

int LevelFromText(const QString &text, ValueScale scale, HdmiRange range) {
    return LimitLevel(WholeLevel(ParseLeadingNumber(text)), scale, range);
}

QString FormatLevel(qint64 level) {
    // The negative section of the pattern carries no minus sign.
    return QString::number(level < 0 ? -level : level);
}

QString ScaleKeySuffix(ValueScale scale) {
    switch (scale) {
    case ValueScale::Percent:
        return QStringLiteral("%");
    case ValueScale::EightBit:
        return QStringLiteral("8b");
    case ValueScale::TenBit:
        break;
    }
    return QStringLiteral("10b");
}
