// Replay of history rows: the words, checkmark and labels of the pattern a row was recorded from.
#include "app/MenuMarks.h"
#include "app/Window1.h"
#include "history/HistoryRow.h"

#include <QAction>
#include <QLabel>
#include <QTreeWidget>

#include <cmath>

namespace {

// The number the cell's text begins with (0 when it begins with none) times four, as plain
// digits. An 8-bit level was stored as typed; the generator wants the 10-bit code.
QString TimesFour(const QString &cell) {
    int end = 0;
    if (end < cell.size() && (cell[end] == QLatin1Char('+') || cell[end] == QLatin1Char('-')))
        ++end;
    const int digitsFrom = end;
    while (end < cell.size() && cell[end].isDigit() && cell[end].unicode() < 128)
        ++end;
    int digits = end - digitsFrom;
    if (end < cell.size() && cell[end] == QLatin1Char('.')) {
        int frac = end + 1;
        while (frac < cell.size() && cell[frac].isDigit() && cell[frac].unicode() < 128)
            ++frac;
        digits += frac - end - 1;
        end = frac;
    }
    if (digits == 0)
        return QStringLiteral("0");
    const double value = cell.left(end).toDouble() * 4.0;
    // No sign and no fraction: the level format has neither.
    const double whole = std::round(std::fabs(value));
    return whole < 0.5 ? QStringLiteral("0") : QString::number(whole, 'f', 0);
}

enum class Scale { Percent, Bit8, Bit10 };

struct GrayKey {
    const char *key;
    Scale scale;
    const char *rangeWord; // sent before the level word; may be null
    const char *levelWord;
    const char *patternWord;
    int group; // Catalogue-style group of the menu that gets the checkmark
    int item;
    const char *groupText;
    const char *prefix;
};

enum MenuGroup { Color75G, Color100G, SpecialG, PlugeG, Gs10G, Gs100G, Gs109G, GrayfieldG };

const GrayKey kGrayKeys[] = {
    {"GrayField%", Scale::Percent, nullptr, "UvalField", "GFUser", GrayfieldG, 14, "Grayfield",
     "User Grayfield "},
    {"GrayField8b", Scale::Bit8, nullptr, "UField10", "GFUser", GrayfieldG, 14, "Grayfield",
     "User Grayfield "},
    {"GrayField10b", Scale::Bit10, nullptr, "UField10", "GFUser", GrayfieldG, 14, "Grayfield",
     "User Grayfield "},
    {"GrayWindow%", Scale::Percent, "NormalGS", "UvalWindow", "GSUser", Gs100G, 13,
     "Grayscale 0%-100%", "User Gray Window "},
    {"GrayWindow8b", Scale::Bit8, "NormalGS", "UWindow10", "GSUser", Gs100G, 13,
     "Grayscale 0%-100%", "User Gray Window "},
    {"GrayWindow10b", Scale::Bit10, "NormalGS", "UWindow10", "GSUser", Gs100G, 13,
     "Grayscale 0%-100%", "User Gray Window "},
    {"Checkerboard%", Scale::Percent, nullptr, "UvalChkrBd", "UCheckerBd", SpecialG, 11, "Special",
     "User Checkerboard "},
    {"Checkerboard8b", Scale::Bit8, nullptr, "UChkrBd10", "UCheckerBd", SpecialG, 11, "Special",
     "User Checkerboard "},
    {"Checkerboard10b", Scale::Bit10, nullptr, "UChkrBd10", "UCheckerBd", SpecialG, 11, "Special",
     "User Checkerboard "},
    {"InvCheckerboard%", Scale::Percent, nullptr, "UvalChkrBd", "UInvChkerBd", SpecialG, 12,
     "Special", "User Inv Checkerboard "},
    {"InvCheckerboard8b", Scale::Bit8, nullptr, "UChkrBd10", "UInvChkerBd", SpecialG, 12, "Special",
     "User Inv Checkerboard "},
    {"InvCheckerboard10b", Scale::Bit10, nullptr, "UChkrBd10", "UInvChkerBd", SpecialG, 12,
     "Special", "User Inv Checkerboard "},
};

bool SameKey(const QString &key, const char *name) {
    return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

QString Level(const QString &cell, Scale scale) {
    return scale == Scale::Bit8 ? TimesFour(cell) : cell;
}

QString LevelSuffix(Scale scale) {
    switch (scale) {
    case Scale::Percent:
        return QStringLiteral("%");
    case Scale::Bit8:
        return QStringLiteral(" 8-bit");
    case Scale::Bit10:
        break;
    }
    return QStringLiteral(" 10-bit");
}

} // namespace

void Window1::SendListCommand() {
    const int selected = SelectedHistoryIndex(User_LB);
    if (selected < 0)
        return; // nothing to replay, as with the stepping buttons
    const HistoryRow row = HistoryRowAt(User_LB, selected);
    const QString &key = row.cells[0];
    const QString &v = row.cells[1];
    const QString &r = row.cells[2];
    const QString &g = row.cells[3];
    const QString &b = row.cells[4];

    ClearPatternCheckmarks();
    QString groupText;
    QString patternText = key;

    auto itemOf = [this](int group, int index) -> QAction * {
        switch (group) {
        case Color75G:
            return Color75(index);
        case Color100G:
            return Color100(index);
        case SpecialG:
            return Special(index);
        case PlugeG:
            return PLUGE(index);
        case Gs10G:
            return Grayscale10(index);
        case Gs100G:
            return Grayscale100(index);
        case Gs109G:
            return Grayscale109(index);
        case GrayfieldG:
            return Grayfield(index);
        }
        return nullptr;
    };

    const GrayKey *gray = nullptr;
    for (const GrayKey &candidate : kGrayKeys)
        if (SameKey(key, candidate.key)) {
            gray = &candidate;
            break;
        }

    Scale colorScale = Scale::Percent;
    const bool isColor = [&] {
        if (SameKey(key, "ColorField%") || SameKey(key, "ColorWindow%"))
            colorScale = Scale::Percent;
        else if (SameKey(key, "ColorField8b") || SameKey(key, "ColorWindow8b"))
            colorScale = Scale::Bit8;
        else if (SameKey(key, "ColorField10b") || SameKey(key, "ColorWindow10b"))
            colorScale = Scale::Bit10;
        else
            return false;
        return true;
    }();

    if (gray) {
        if (gray->rangeWord)
            SendCommand(QLatin1String(gray->rangeWord));
        SendCommand(QLatin1String(gray->levelWord));
        SendCommand(Level(v, gray->scale));
        SendCommand(QLatin1String(gray->patternWord));
        SetMark(itemOf(gray->group, gray->item), true);
        groupText = QLatin1String(gray->groupText);
        patternText = QLatin1String(gray->prefix) + v + LevelSuffix(gray->scale);
    } else if (isColor) {
        const bool percent = colorScale == Scale::Percent;
        SendCommand(percent ? QStringLiteral("UvalColorR") : QStringLiteral("UColorR10"));
        SendCommand(Level(r, colorScale));
        SendCommand(percent ? QStringLiteral("UvalColorG") : QStringLiteral("UColorG10"));
        SendCommand(Level(g, colorScale));
        SendCommand(percent ? QStringLiteral("UvalColorB") : QStringLiteral("UColorB10"));
        SendCommand(Level(b, colorScale));
        const bool window = key.startsWith(QLatin1String("ColorWindow"), Qt::CaseInsensitive);
        QString prefix;
        if (window) {
            SendCommand(QStringLiteral("UColorWin"));
            SetMark(Color75(8), true);
            groupText = QStringLiteral("Color 75");
            prefix = QStringLiteral("User Color Window ");
        } else {
            SendCommand(QStringLiteral("UColorField"));
            SetMark(Color100(15), true);
            groupText = QStringLiteral("Color 100");
            prefix = QStringLiteral("User Color Field ");
        }
        if (percent)
            patternText = prefix + r + QStringLiteral("%,") + g + QStringLiteral("%,") + b +
                          QStringLiteral("%");
        else
            patternText =
                prefix + r + QLatin1Char(',') + g + QLatin1Char(',') + b +
                (colorScale == Scale::Bit8 ? QStringLiteral("  8b") : QStringLiteral("  10b"));
    } else {
        const struct {
            const QStringList &names;
            const QStringList &words;
            int group;
            const char *rangeWord;
            const char *groupText;
        } tables[] = {
            {Color75LBPatNames, Color75PatsUSB, Color75G, nullptr, "Color 75"},
            {Color100LBPatNames, Color100PatsUSB, Color100G, nullptr, "Color 100"},
            {SpecialLBPatNames, SpecialPatsUSB, SpecialG, nullptr, "Special"},
            {PlugeLBPatNames, PlugePatsUSB, PlugeG, nullptr, "PLUGE"},
            {Grayscale10LBPatNames, GrayscalePatsUSB, Gs10G, "LowGS", "Grayscale 0%-10%"},
            {Grayscale100LBPatNames, GrayscalePatsUSB, Gs100G, "NormalGS", "Grayscale 0%-100%"},
            {Grayscale109LBPatNames, GrayscalePatsUSB, Gs109G, "HighGS", "Grayscale 100%-109%"},
            {GrayfieldLBPatNames, GrayfieldPatsUSB, GrayfieldG, nullptr, "Grayfield"},
        };
        for (const auto &table : tables) {
            int i = 0;
            while (i < table.names.size() &&
                   table.names.at(i).compare(key, Qt::CaseInsensitive) != 0)
                ++i;
            if (i == table.names.size())
                continue;
            QAction *item = itemOf(table.group, i);
            SetMark(item, true);
            if (table.rangeWord)
                SendCommand(QLatin1String(table.rangeWord));
            SendCommand(table.words.value(i));
            groupText = QLatin1String(table.groupText);
            patternText = item ? item->text() : key;
            break;
        }
    }

    Group_LBL->setText(groupText);
    repaintNow(Group_LBL);
    Pattern_LBL->setText(patternText);
    repaintNow(Pattern_LBL);
    UpdateWindowsBorderStatus();
}

void Window1::Send_PB_Action() {
    SendListCommand();
}

void Window1::SendNext_PB_Action() {
    const int i = SelectedHistoryIndex(User_LB);
    if (i < 0 || i >= HistoryRowCount(User_LB) - 1)
        return;
    SelectHistoryRow(User_LB, i + 1);
    SendListCommand();
}

void Window1::SendPrev_PB_Action() {
    const int i = SelectedHistoryIndex(User_LB);
    if (i <= 0)
        return;
    SelectHistoryRow(User_LB, i - 1);
    SendListCommand();
}
