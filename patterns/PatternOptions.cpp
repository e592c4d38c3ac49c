// The Misc options: window size, checkerboard size, gray-scale PLUGE. One word each, no labels.
#include "app/MenuMarks.h"
#include "app/Window1.h"

#include <QAction>

namespace {
const QStringList kWSizeWords = {
    QStringLiteral("WSize5"),    QStringLiteral("WSize7.5"),  QStringLiteral("WSize10"),
    QStringLiteral("WSize10.8"), QStringLiteral("WSize12.5"), QStringLiteral("WSize15"),
    QStringLiteral("WSize17.5"), QStringLiteral("WSize20"),
};
const QStringList kCBSizeWords = {
    QStringLiteral("CBSize2"), QStringLiteral("CBSize3"), QStringLiteral("CBSize4"),
    QStringLiteral("CBSize5"), QStringLiteral("CBSize6"), QStringLiteral("CBSize7"),
    QStringLiteral("CBSize8"), QStringLiteral("CBSize9"),
};
const QStringList kGSPlugeWords = {QStringLiteral("GSPLUGEOn"), QStringLiteral("GSPLUGEOff")};

} // namespace

void Window1::WSize_Action(int index) {
    for (int i = 0; i < 8; ++i)
        SetMark(WSize(i), false);
    SetMark(WSize(index), true);
    SendCommand(kWSizeWords.value(index));
}

void Window1::CBSize_Action(int index) {
    for (int i = 0; i < 8; ++i)
        SetMark(CBSize(i), false);
    SetMark(CBSize(index), true);
    SendCommand(kCBSizeWords.value(index));
}

void Window1::GS_PLUGE_Action(int index) {
    for (int i = 0; i < 2; ++i)
        SetMark(GS_PLUGE(i), false);
    SetMark(GS_PLUGE(index), true);
    SendCommand(kGSPlugeWords.value(index));
}
