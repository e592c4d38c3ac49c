// Output, deep colour, channels and gray-to-colour: four menus that depend on one another.
#include "app/MenuMarks.h"
#include "app/Window1.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {
const QStringList kOutputWords = {
    QStringLiteral("YCbCr422"), QStringLiteral("YCbCr422"), QStringLiteral("YCbCr444"),
    QStringLiteral("RGBVideo"), QStringLiteral("RGBPC"),
};
const QStringList kDeepColorWords = {QStringLiteral("DeepColor8"), QStringLiteral("DeepColor10"),
                                     QStringLiteral("DeepColor12")};
const QStringList kChannelWords = {
    QStringLiteral("ChGBR"), QStringLiteral("ChG"),  QStringLiteral("ChB"),  QStringLiteral("ChR"),
    QStringLiteral("ChGB"),  QStringLiteral("ChGR"), QStringLiteral("ChBR"),
};
// The channel words stay the same for RGB outputs; only captions and labels change.
const QStringList kChannelCaptionsYCbCr = {
    QStringLiteral("YCbCr"),     QStringLiteral("Y only"),   QStringLiteral("Cb only"),
    QStringLiteral("Cr only"),   QStringLiteral("YCb only"), QStringLiteral("YCr only"),
    QStringLiteral("CbCr only"),
};
const QStringList kChannelCaptionsGBR = {
    QStringLiteral("GBR"),     QStringLiteral("G only"),  QStringLiteral("B only"),
    QStringLiteral("R only"),  QStringLiteral("GB only"), QStringLiteral("GR only"),
    QStringLiteral("BR only"),
};
const QStringList kChannelLabelsYCbCr = {
    QStringLiteral("YCbCr"),     QStringLiteral("Y Only"),   QStringLiteral("Cb Only"),
    QStringLiteral("Cr Only"),   QStringLiteral("YCb Only"), QStringLiteral("YCr Only"),
    QStringLiteral("CbCr Only"),
};
const QStringList kChannelLabelsGBR = {
    QStringLiteral("GBR"),     QStringLiteral("G Only"),  QStringLiteral("B Only"),
    QStringLiteral("R Only"),  QStringLiteral("GB Only"), QStringLiteral("GR Only"),
    QStringLiteral("BR Only"),
};
const QStringList kGray2ColorWords = {
    QStringLiteral("Gray2Off"),     QStringLiteral("Gray2Green"), QStringLiteral("Gray2Blue"),
    QStringLiteral("Gray2Red"),     QStringLiteral("Gray2Cyan"),  QStringLiteral("Gray2Yellow"),
    QStringLiteral("Gray2Magenta"),
};
const QStringList kGray2ColorLabels = {
    QStringLiteral("Off"),     QStringLiteral("Green"), QStringLiteral("Blue"),
    QStringLiteral("Red"),     QStringLiteral("Cyan"),  QStringLiteral("Yellow"),
    QStringLiteral("Magenta"),
};
constexpr int kChannelCount = 7;

QString depthText(int state) {
    if (state == 0)
        return QStringLiteral("8-Bits/Off");
    if (state == 1)
        return QStringLiteral("10-Bits");
    return QStringLiteral("12-Bits");
}

} // namespace

void Window1::Output_Action(int index) {
    for (int i = 0; i < MenuItemCount(OutputMenu()); ++i)
        SetMark(Output(i), false);
    SetMark(Output(index), true);
    QAction *item = Output(index);
    Output_LBL->setText(item ? item->text() : QString());
    repaintNow(Output_LBL);

    // The 4:2:2 outputs carry their own depth; the remembered depth waits for 4:4:4 or RGB.
    bool titleEnabled = true;
    if (index == 0) {
        SendCommand(QStringLiteral("YCC422B8"));
        titleEnabled = false;
    } else if (index == 1) {
        SendCommand(QStringLiteral("YCC422B10"));
        titleEnabled = false;
    }
    if (QMenu *deepColorMenu = DeepColorMenu()) {
        deepColorMenu->setEnabled(titleEnabled);
        deepColorMenu->menuAction()->setEnabled(titleEnabled);
    }
    DeepColor_LBL->setText(titleEnabled ? depthText(DeepColorState) : QStringLiteral("N/A"));

    SendCommand(kOutputWords.value(index));

    const QStringList &captions = index >= 3 ? kChannelCaptionsGBR : kChannelCaptionsYCbCr;
    for (int i = 0; i < kChannelCount; ++i)
        if (QAction *channel = Channels(i))
            channel->setText(captions.at(i));
    UpdateChannelStatus();
}

void Window1::DeepColor_Action(int index) {
    for (int i = 0; i < MenuItemCount(DeepColorMenu()); ++i)
        SetMark(DeepColor(i), false);
    SetMark(DeepColor(index), true);
    DeepColorState = index;
    DeepColor_LBL->setText(depthText(index));
    SendCommand(kDeepColorWords.value(index));
}

void Window1::Channels_Action(int index) {
    for (int i = 0; i < MenuItemCount(ChannelsMenu()); ++i)
        SetMark(Channels(i), false);
    SetMark(Channels(index), true);
    SendCommand(kChannelWords.value(index));
    UpdateChannelStatus();
}

void Window1::Gray2Color_Action(int index) {
    for (int i = 0; i < MenuItemCount(Gray2ColorMenu()); ++i)
        SetMark(Gray2Color(i), false);
    SetMark(Gray2Color(index), true);
    SendCommand(kGray2ColorWords.value(index));
    // Every choice, "Off" included, moves the channel mark back to item 0 without a channel word.
    for (int i = 0; i < kChannelCount; ++i)
        SetMark(Channels(i), false);
    SetMark(Channels(0), true);
    UpdateChannelStatus();
    Gray2Color_LBL->setText(kGray2ColorLabels.value(index));
}

void Window1::UpdateChannelStatus() {
    int channel = 0;
    for (int i = 0; i < MenuItemCount(ChannelsMenu()); ++i)
        if (HasMark(Channels(i)))
            channel = i;
    int output = 0;
    for (int i = 0; i < MenuItemCount(OutputMenu()); ++i)
        if (HasMark(Output(i)))
            output = i;
    const QStringList &labels = output < 3 ? kChannelLabelsYCbCr : kChannelLabelsGBR;
    Channels_LBL->setText(labels.value(channel));
}
