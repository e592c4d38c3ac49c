// The six user-pattern buttons.
#include "app/MenuMarks.h"
#include "app/Window1.h"
#include "history/HistoryRow.h"
#include "uservalues/Levels.h"
#include "uservalues/ScaleControls.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

struct Window1::UserPattern {
    QString firstWord;   // sent before anything else (gray family only)
    QString percentWord; // gray family: level word in the percent scale
    QString tenBitWord;  // gray family: level word in the 8-bit and 10-bit scales
    QString keyBase;
    QString labelPrefix;
    QString patternWord;
    QString group;
    QString markArray; // the pattern-menu item array and index that get the checkmark
    int markIndex;
};

void Window1::sendColorPattern(const UserPattern &p) {
    const UserValue r = ReadUserValue(Red_TF);
    const UserValue g = ReadUserValue(Green_TF);
    const UserValue b = ReadUserValue(Blue_TF);
    const ValueScale scale = CurrentScale(*this);
    const QString key = p.keyBase + ScaleKeySuffix(scale);

    if (scale == ValueScale::Percent) {
        SendCommand(QStringLiteral("UvalColorR"));
        SendCommand(r.text);
        SendCommand(QStringLiteral("UvalColorG"));
        SendCommand(g.text);
        SendCommand(QStringLiteral("UvalColorB"));
        SendCommand(b.text);
        AppendHistoryRow(User_LB, HistoryRow(key, {}, r.text, g.text, b.text));
        Pattern_LBL->setText(p.labelPrefix + r.text + QStringLiteral("%,") + g.text +
                             QStringLiteral("%,") + b.text + QStringLiteral("%"));
    } else {
        // The row keeps the levels as typed in their scale; only the wire gets 10-bit codes.
        AppendHistoryRow(User_LB, HistoryRow(key, {}, r.text, g.text, b.text));
        Pattern_LBL->setText(
            p.labelPrefix + r.text + QLatin1Char(',') + g.text + QLatin1Char(',') + b.text +
            (scale == ValueScale::EightBit ? QStringLiteral("  8b") : QStringLiteral("  10b")));
        const int factor = scale == ValueScale::EightBit ? 4 : 1;
        SendCommand(QStringLiteral("UColorR10"));
        SendCommand(FormatLevel(qint64(r.level) * factor));
        SendCommand(QStringLiteral("UColorG10"));
        SendCommand(FormatLevel(qint64(g.level) * factor));
        SendCommand(QStringLiteral("UColorB10"));
        SendCommand(FormatLevel(qint64(b.level) * factor));
    }
    SelectHistoryRow(User_LB, HistoryRowCount(User_LB) - 1);
    Group_LBL->setText(p.group);
    repaintNow(Group_LBL);
    repaintNow(Pattern_LBL);
    SendCommand(p.patternWord);
    ClearPatternCheckmarks();
    SetMark(menuItem(p.markArray, p.markIndex), true);
    UpdateWindowsBorderStatus();
}

void Window1::sendGrayPattern(const UserPattern &p) {
    if (!p.firstWord.isEmpty())
        SendCommand(p.firstWord);
    const UserValue v = ReadUserValue(Gray_TF);
    const ValueScale scale = CurrentScale(*this);
    const QString key = p.keyBase + ScaleKeySuffix(scale);

    QString wire = v.text;
    if (scale == ValueScale::Percent) {
        SendCommand(p.percentWord);
        AppendHistoryRow(User_LB, HistoryRow(key, v.text));
        Pattern_LBL->setText(p.labelPrefix + v.text + QStringLiteral("%"));
    } else if (scale == ValueScale::EightBit) {
        SendCommand(p.tenBitWord);
        AppendHistoryRow(User_LB, HistoryRow(key, v.text));
        Pattern_LBL->setText(p.labelPrefix + v.text + QStringLiteral(" 8-bit"));
        wire = FormatLevel(qint64(v.level) * 4);
    } else {
        SendCommand(p.tenBitWord);
        AppendHistoryRow(User_LB, HistoryRow(key, v.text));
        Pattern_LBL->setText(p.labelPrefix + v.text + QStringLiteral(" 10-bit"));
    }
    SendCommand(wire);
    SendCommand(p.patternWord);
    SelectHistoryRow(User_LB, HistoryRowCount(User_LB) - 1);
    Group_LBL->setText(p.group);
    repaintNow(Group_LBL);
    repaintNow(Pattern_LBL);
    ClearPatternCheckmarks();
    SetMark(menuItem(p.markArray, p.markIndex), true);
    UpdateWindowsBorderStatus();
}

void Window1::ColorWindow_BB_Action() {
    sendColorPattern({{},
                      {},
                      {},
                      QStringLiteral("ColorWindow"),
                      QStringLiteral("User Color Window "),
                      QStringLiteral("UColorWin"),
                      QStringLiteral("Color 75"),
                      QStringLiteral("Color75"),
                      8});
}

void Window1::ColorField_BB_Action() {
    sendColorPattern({{},
                      {},
                      {},
                      QStringLiteral("ColorField"),
                      QStringLiteral("User Color Field "),
                      QStringLiteral("UColorField"),
                      QStringLiteral("Color 100"),
                      QStringLiteral("Color100"),
                      15});
}

void Window1::Window_BB_Action() {
    // The user window belongs to the 0%-100% gray-scale group, whatever group was shown before.
    sendGrayPattern({QStringLiteral("NormalGS"), QStringLiteral("UvalWindow"),
                     QStringLiteral("UWindow10"), QStringLiteral("GrayWindow"),
                     QStringLiteral("User Gray Window "), QStringLiteral("GSUser"),
                     QStringLiteral("Grayscale 0%-100%"), QStringLiteral("Grayscale100"), 13});
}

void Window1::Field_BB_Action() {
    sendGrayPattern({{},
                     QStringLiteral("UvalField"),
                     QStringLiteral("UField10"),
                     QStringLiteral("GrayField"),
                     QStringLiteral("User Grayfield "),
                     QStringLiteral("GFUser"),
                     QStringLiteral("Grayfield"),
                     QStringLiteral("Grayfield"),
                     14});
}

void Window1::Checkerbd_BB_Action() {
    sendGrayPattern({{},
                     QStringLiteral("UvalChkrBd"),
                     QStringLiteral("UChkrBd10"),
                     QStringLiteral("Checkerboard"),
                     QStringLiteral("User Checkerboard "),
                     QStringLiteral("UCheckerBd"),
                     QStringLiteral("Special"),
                     QStringLiteral("Special"),
                     11});
}

void Window1::InvCheckerbd_BB_Action() {
    sendGrayPattern({{},
                     QStringLiteral("UvalChkrBd"),
                     QStringLiteral("UChkrBd10"),
                     QStringLiteral("InvCheckerboard"),
                     QStringLiteral("User Inv Checkerboard "),
                     QStringLiteral("UInvChkerBd"),
                     QStringLiteral("Special"),
                     QStringLiteral("Special"),
                     12});
}
