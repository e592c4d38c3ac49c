// The six format handlers: a frame-rate word (or none) and a format word per menu item.
#include "app/MenuMarks.h"
#include "app/Window1.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {
const QString kRate5994 = QStringLiteral("HDFR59.94");
const QString kRate60 = QStringLiteral("HDFR60.00");

// The 59.94 Hz formats go out as their nominal-rate words after "HDFR59.94"; the 60 Hz submenu
// uses the first seven entries.
const QStringList kWords2D = {
    QStringLiteral("1080i60"), QStringLiteral("1080p60"), QStringLiteral("1080p48"),
    QStringLiteral("1080p30"), QStringLiteral("1080p24"), QStringLiteral("1080p24sf"),
    QStringLiteral("720p60"),  QStringLiteral("480p"),    QStringLiteral("480i"),
};
const QStringList kWords50 = {
    QStringLiteral("1080i50"), QStringLiteral("1080p50"), QStringLiteral("1080p25"),
    QStringLiteral("720p50"),  QStringLiteral("576p"),    QStringLiteral("576i"),
};
// Items 6 and 7 send the plain 50 Hz words, without an "FP" ending.
const QStringList kWords3DFP = {
    QStringLiteral("1080p30FP"), QStringLiteral("1080p24FP"), QStringLiteral("720p60FP"),
    QStringLiteral("1080p30FP"), QStringLiteral("1080p24FP"), QStringLiteral("720p60FP"),
    QStringLiteral("1080p25"),   QStringLiteral("720p50"),
};
const QStringList kWords3DSSH = {
    QStringLiteral("1080i60SSH"), QStringLiteral("1080p60SSH"), QStringLiteral("1080p30SSH"),
    QStringLiteral("1080p24SSH"), QStringLiteral("720p60SSH"),  QStringLiteral("1080i60SSH"),
    QStringLiteral("1080p60SSH"), QStringLiteral("1080p30SSH"), QStringLiteral("1080p24SSH"),
    QStringLiteral("720p60SSH"),  QStringLiteral("1080i50SSH"), QStringLiteral("1080p50SSH"),
    QStringLiteral("1080p25SSH"), QStringLiteral("720p50SSH"),
};
const QStringList kWords3DTB = {
    QStringLiteral("1080p60TB"), QStringLiteral("1080p30TB"), QStringLiteral("1080p24TB"),
    QStringLiteral("720p60TB"),  QStringLiteral("1080p60TB"), QStringLiteral("1080p30TB"),
    QStringLiteral("1080p24TB"), QStringLiteral("720p60TB"),  QStringLiteral("1080p50TB"),
    QStringLiteral("1080p25TB"), QStringLiteral("720p50TB"),
};

// The 3D submenus list their 59.94 Hz items first, then 60 Hz, then 50 Hz.
QString rateWord3D(int index, int first60, int first50) {
    if (index < first60)
        return kRate5994;
    if (index < first50)
        return kRate60;
    return {};
}

} // namespace

void Window1::ClearFormatCheckmarks() {
    for (int i = 0; i < MenuItemCount(Format5994()); ++i)
        SetMark(F5994(i), false);
    for (int i = 0; i < MenuItemCount(Format60()); ++i)
        SetMark(F60(i), false);
    for (int i = 0; i < MenuItemCount(Format50()); ++i)
        SetMark(F50(i), false);
    for (int i = 0; i < MenuItemCount(Format3DFP()); ++i)
        SetMark(F3DFP(i), false);
    for (int i = 0; i < MenuItemCount(Format3DSSH()); ++i)
        SetMark(F3DSSH(i), false);
    for (int i = 0; i < MenuItemCount(Format3DTB()); ++i)
        SetMark(F3DTB(i), false);
}

void Window1::chooseFormat(QAction *item, const QString &labelSuffix, const QString &rateWord,
                           const QString &formatWord) {
    ClearFormatCheckmarks();
    SetMark(item, true);
    Format_LBL->setText((item ? item->text() : QString()) + labelSuffix);
    repaintNow(Format_LBL);
    if (!rateWord.isEmpty())
        SendCommand(rateWord);
    SendCommand(formatWord);
}

void Window1::F5994_Action(int index) {
    chooseFormat(F5994(index), {}, kRate5994, kWords2D.value(index));
}

void Window1::F60_Action(int index) {
    chooseFormat(F60(index), {}, kRate60, kWords2D.value(index));
}

void Window1::F50_Action(int index) {
    chooseFormat(F50(index), {}, {}, kWords50.value(index));
}

void Window1::F3DFP_Action(int index) {
    chooseFormat(F3DFP(index), QStringLiteral(" 3D FP"), rateWord3D(index, 3, 6),
                 kWords3DFP.value(index));
}

void Window1::F3DSSH_Action(int index) {
    chooseFormat(F3DSSH(index), QStringLiteral(" 3D S-S(H)"), rateWord3D(index, 5, 10),
                 kWords3DSSH.value(index));
}

void Window1::F3DTB_Action(int index) {
    chooseFormat(F3DTB(index), QStringLiteral(" 3D T-B"), rateWord3D(index, 4, 8),
                 kWords3DTB.value(index));
}
