// The gray border status: which border the gray-scale window now shown carries.
#include "app/MenuMarks.h"
#include "app/Window1.h"

#include <QAction>
#include <QLabel>

void Window1::UpdateWindowsBorderStatus() {
    // Items 0 to 2 of each gray-scale group are bars and have no border; a later group wins.
    QString defaultLevel;
    for (int i = 3; i <= 13; ++i)
        if (HasMark(Grayscale10(i)))
            defaultLevel = QStringLiteral("0%");
    for (int i = 3; i <= 13; ++i)
        if (HasMark(Grayscale100(i)))
            defaultLevel = QStringLiteral("0%");
    for (int i = 3; i <= 13; ++i)
        if (HasMark(Grayscale109(i)))
            defaultLevel = QStringLiteral("100%");

    if (defaultLevel.isEmpty())
        Border_LBL->setText(QStringLiteral("N/A"));
    else if (BorderValueText.isEmpty())
        Border_LBL->setText(QStringLiteral("Gray Border ") + defaultLevel +
                            QStringLiteral(" (Default)"));
    else
        Border_LBL->setText(QStringLiteral("Gray Border ") + BorderValueText);
}
