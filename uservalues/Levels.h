#pragma once

#include <QString>
#include <QtGlobal>

// The rules every typed level goes through, free of the window so that they can be checked alone.

enum class ValueScale { Percent, EightBit, TenBit };
enum class HdmiRange { Standard, Full };

struct LevelBounds {
    int low;
    int high;
};

// Percent ignores the range; code values keep 0 and the top code free in the Standard range.
LevelBounds LevelLimits(ValueScale scale, HdmiRange range);
int LimitLevel(qint64 value, ValueScale scale, HdmiRange range);

// The leading number of a typed text: optional leading blanks, sign, digits, fraction and
// exponent. Text that does not begin with a number gives 0; overflow gives +/- infinity.
double ParseLeadingNumber(const QString &text);

// Nearest whole number, halves away from zero; saturates instead of overflowing.
qint64 WholeLevel(double value);

// Parse, round and clamp in one go, as a level field is read.
int LevelFromText(const QString &text, ValueScale scale, HdmiRange range);

// "###;###;0": plain digits, no sign, no leading zeros, "0" for zero.
QString FormatLevel(qint64 level);

// History-key suffix of a scale: "%", "8b", "10b".
QString ScaleKeySuffix(ValueScale scale);
