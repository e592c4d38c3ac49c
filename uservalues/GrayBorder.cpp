// The gray border of the gray-scale windows.
#include "app/MenuMarks.h"
#include "app/Window1.h"
#include "uservalues/Levels.h"
#include "uservalues/ScaleControls.h"

#include <QAction>
#include <QLabel>

void Window1::WindowsBorder_PB_Action() {
    const UserValue v = ReadUserValue(Gray_TF);
    QString wire = v.text;
    switch (CurrentScale(*this)) {
    case ValueScale::Percent:
        SendCommand(QStringLiteral("UvalWBorder"));
        BorderValueText = v.text + QStringLiteral("%");
        break;
    case ValueScale::EightBit:
        SendCommand(QStringLiteral("UWBorder10"));
        BorderValueText = v.text + QStringLiteral(" 8-bit");
        wire = FormatLevel(qint64(v.level) * 4);
        break;
    case ValueScale::TenBit:
        SendCommand(QStringLiteral("UWBorder10"));
        BorderValueText = v.text + QStringLiteral(" 10-bit");
        break;
    }
    Border_LBL->setText(QStringLiteral("Gray Border ") + BorderValueText);
    SendCommand(wire);
    // Shows the border on the user window; no history row, the pattern labels stay as they were.
    SendCommand(QStringLiteral("GSUser"));
    ClearPatternCheckmarks();
    SetMark(Grayscale100(13), true);
}

void Window1::DefaultBorders_PB_Action() {
    BorderValueText.clear();
    UpdateWindowsBorderStatus();
    SendCommand(QStringLiteral("UWBorderF"));
}
