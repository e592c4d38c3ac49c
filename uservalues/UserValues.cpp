// Level entry: value scale, HDMI range and the clamping every user pattern goes through.
#include "app/Window1.h"
#include "uservalues/Levels.h"
#include "uservalues/ScaleControls.h"

#include <QLabel>
#include <QLineEdit>

int Window1::LimitValue(int value) const {
    return LimitLevel(value, CurrentScale(*this), CurrentRange(*this));
}

Window1::UserValue Window1::ReadUserValue(const QLineEdit *field) const {
    // Rounded and clamped in 64 bits first, so a huge entry saturates instead of wrapping.
    const qint64 whole = WholeLevel(ParseLeadingNumber(field ? field->text() : QString()));
    UserValue value;
    value.level = LimitLevel(whole, CurrentScale(*this), CurrentRange(*this));
    value.text = FormatLevel(value.level);
    return value;
}

void Window1::Range_RB_Action() {
    if (Range_RB[0]->isChecked()) {
        Label_8b->setText(QStringLiteral("8-bit  16-235 1-254 min-max"));
        Label_10b->setText(QStringLiteral("10-bit  64-940 4-1019 min-max"));
        SendCommand(QStringLiteral("RangeStd"));
    } else {
        Label_8b->setText(QStringLiteral("8-bit  16-235 0-255 min-max"));
        Label_10b->setText(QStringLiteral("10-bit  64-940 0-1023 min-max"));
        SendCommand(QStringLiteral("RangeFull"));
    }
}

void Window1::DefaultColor_PB_Action() {
    SendCommand(QStringLiteral("UvalColorF"));
}
