#pragma once

#include "app/Window1.h"
#include "uservalues/Levels.h"

#include <QRadioButton>

// The scale and the range live only in the radio buttons; they are read on every use.
inline ValueScale CurrentScale(const Window1 &w) {
    if (w.UserValuesRB[0]->isChecked())
        return ValueScale::Percent;
    if (w.UserValuesRB[1]->isChecked())
        return ValueScale::EightBit;
    return ValueScale::TenBit;
}

inline HdmiRange CurrentRange(const Window1 &w) {
    return w.Range_RB[0]->isChecked() ? HdmiRange::Standard : HdmiRange::Full;
}
