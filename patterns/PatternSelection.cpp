// The eight pattern handlers: checkmark, pattern labels, range and pattern words, history row.
#include "app/MenuMarks.h"
#include "app/Window1.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

void Window1::ClearPatternCheckmarks() {
    // Bounds come from the menus themselves, so a submenu and its table can never disagree here.
    for (int i = 0; i < MenuItemCount(PatternColor75()); ++i)
        SetMark(Color75(i), false);
    for (int i = 0; i < MenuItemCount(PatternColor100()); ++i)
        SetMark(Color100(i), false);
    for (int i = 0; i < MenuItemCount(PatternSpecial()); ++i)
        SetMark(Special(i), false);
    for (int i = 0; i < MenuItemCount(PatternPLUGE()); ++i)
        SetMark(PLUGE(i), false);
    for (int i = 0; i < MenuItemCount(PatternGrayscale10()); ++i)
        SetMark(Grayscale10(i), false);
    for (int i = 0; i < MenuItemCount(PatternGrayscale100()); ++i)
        SetMark(Grayscale100(i), false);
    for (int i = 0; i < MenuItemCount(PatternGrayscale109()); ++i)
        SetMark(Grayscale109(i), false);
    for (int i = 0; i < MenuItemCount(PatternGrayfield()); ++i)
        SetMark(Grayfield(i), false);
}

void Window1::choosePattern(QAction *item, int index, const QString &group,
                            const QString &rangeWord, const QStringList &words,
                            const QStringList &names) {
    ClearPatternCheckmarks();
    SetMark(item, true);
    // The labels show the new pattern while the words below still wait for their replies.
    Group_LBL->setText(group);
    repaintNow(Group_LBL);
    Pattern_LBL->setText(item ? item->text() : QString());
    repaintNow(Pattern_LBL);
    if (!rangeWord.isEmpty())
        SendCommand(rangeWord);
    SendCommand(words.value(index));
    AddPattern2List(names.value(index));
}

void Window1::Color75_Action(int index) {
    choosePattern(Color75(index), index, QStringLiteral("Color 75"), {}, Color75PatsUSB,
                  Color75LBPatNames);
}

void Window1::Color100_Action(int index) {
    choosePattern(Color100(index), index, QStringLiteral("Color 100"), {}, Color100PatsUSB,
                  Color100LBPatNames);
}

void Window1::Special_Action(int index) {
    choosePattern(Special(index), index, QStringLiteral("Special"), {}, SpecialPatsUSB,
                  SpecialLBPatNames);
}

void Window1::PLUGE_Action(int index) {
    choosePattern(PLUGE(index), index, QStringLiteral("PLUGE"), {}, PlugePatsUSB, PlugeLBPatNames);
}

void Window1::Grayscale10_Action(int index) {
    choosePattern(Grayscale10(index), index, QStringLiteral("Grayscale 0%-10%"),
                  QStringLiteral("LowGS"), GrayscalePatsUSB, Grayscale10LBPatNames);
}

void Window1::Grayscale100_Action(int index) {
    choosePattern(Grayscale100(index), index, QStringLiteral("Grayscale 0%-100%"),
                  QStringLiteral("NormalGS"), GrayscalePatsUSB, Grayscale100LBPatNames);
}

void Window1::Grayscale109_Action(int index) {
    choosePattern(Grayscale109(index), index, QStringLiteral("Grayscale 100%-109%"),
                  QStringLiteral("HighGS"), GrayscalePatsUSB, Grayscale109LBPatNames);
}

void Window1::Grayfield_Action(int index) {
    choosePattern(Grayfield(index), index, QStringLiteral("Grayfield"), {}, GrayfieldPatsUSB,
                  GrayfieldLBPatNames);
}
