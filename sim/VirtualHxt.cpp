#include "sim/VirtualHxt.h"

#include <QRegularExpression>
#include <QSet>

namespace {

// The generator's vocabulary, by category (the category names its state slot).
struct WordGroup {
    const char *category;
    QStringList words;
};

QList<WordGroup> vocabulary() {
    QList<WordGroup> g;
    g.append({"pattern",
              {"SplitCB75", "CB75",      "RedW75",     "GreenW75",    "BlueW75",    "YellowW75",
               "CyanW75",   "MagentaW75", "WhiteW75",  "RedF75",      "GreenF75",   "BlueF75",
               "YellowF75", "CyanF75",   "MagentaF75", "WhiteF75",    "SplitCB100", "CB100",
               "RedW100",   "GreenW100", "BlueW100",   "YellowW100",  "CyanW100",   "MagentaW100",
               "WhiteW100", "RedF100",   "GreenF100",  "BlueF100",    "YellowF100", "CyanF100",
               "MagentaF100", "WhiteF100", "Overscan", "InvOverscan", "XHatch",     "InvXHatch",
               "NeedlePulse", "CMultiBurst", "MultiBurst", "CrossHair", "Sharpness", "CheckerBrd",
               "InvChkerBrd", "UCheckerBd", "UInvChkerBd", "RampsMulti1", "PLUGE0",   "PLUGE50",
               "PLUGE100",  "PLUGE11-21", "PLUGE6-26", "PLUGEW25",    "PLUGEW50",   "PLUGEW75",
               "PLUGEW100", "PLUGEW10098", "PLUGEW10050", "PLUGEC98102", "GSVert",  "GSSplitVert",
               "GSHoriz",   "GS10",      "GS20",       "GS30",        "GS40",       "GS50",
               "GS60",      "GS70",      "GS80",       "GS90",        "GS100",      "GSUser",
               "GF0",       "GF25",      "GF50a",      "GF75",        "GF10",       "GF20",
               "GF30",      "GF40",      "GF50",       "GF60",        "GF70",       "GF80",
               "GF90",      "GF100",     "GFUser",     "UColorWin",   "UColorField"}});
    g.append({"gsrange", {"LowGS", "NormalGS", "HighGS"}});
    g.append({"framerate", {"HDFR59.94", "HDFR60.00"}});
    g.append({"format",
              {"1080i60",    "1080p60",    "1080p48",    "1080p30",    "1080p24",    "1080p24sf",
               "720p60",     "480p",       "480i",       "1080i50",    "1080p50",    "1080p25",
               "720p50",     "576p",       "576i",       "1080p30FP",  "1080p24FP",  "720p60FP",
               "1080i60SSH", "1080p60SSH", "1080p30SSH", "1080p24SSH", "720p60SSH",  "1080i50SSH",
               "1080p50SSH", "1080p25SSH", "720p50SSH",  "1080p60TB",  "1080p30TB",  "1080p24TB",
               "720p60TB",   "1080p50TB",  "1080p25TB",  "720p50TB"}});
    g.append({"output", {"YCbCr422", "YCbCr444", "RGBVideo", "RGBPC"}});
    g.append({"depth422", {"YCC422B8", "YCC422B10"}});
    g.append({"depth", {"DeepColor8", "DeepColor10", "DeepColor12"}});
    g.append({"channels", {"ChGBR", "ChG", "ChB", "ChR", "ChGB", "ChGR", "ChBR"}});
    g.append({"gray2color",
              {"Gray2Off", "Gray2Green", "Gray2Blue", "Gray2Red", "Gray2Cyan", "Gray2Yellow",
               "Gray2Magenta"}});
    g.append({"wsize",
              {"WSize5", "WSize7.5", "WSize10", "WSize10.8", "WSize12.5", "WSize15", "WSize17.5",
               "WSize20"}});
    g.append({"cbsize",
              {"CBSize2", "CBSize3", "CBSize4", "CBSize5", "CBSize6", "CBSize7", "CBSize8",
               "CBSize9"}});
    g.append({"gspluge", {"GSPLUGEOn", "GSPLUGEOff"}});
    g.append({"range", {"RangeStd", "RangeFull"}});
    g.append({"level",
              {"UvalColorR", "UvalColorG", "UvalColorB", "UColorR10", "UColorG10", "UColorB10",
               "UvalField", "UField10", "UvalWindow", "UWindow10", "UvalChkrBd", "UChkrBd10"}});
    g.append({"border", {"UvalWBorder", "UWBorder10", "UWBorderF"}});
    g.append(WordGroup{"usercolor", {"UvalColorF"}});
    return g;
}

const QList<WordGroup> &groups() {
    static const QList<WordGroup> g = vocabulary();
    return g;
}

QString categoryOf(const QString &word) {
    for (const WordGroup &g : groups())
        for (const QString &w : g.words)
            if (w.compare(word, Qt::CaseInsensitive) == 0)
                return QString::fromLatin1(g.category);
    return QString();
}

bool isLevel(const QString &word) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(word).hasMatch();
}

} // namespace

const QStringList &VirtualHxt::knownWords() {
    static const QStringList all = [] {
        QStringList l{QStringLiteral("ver?"), QStringLiteral("id?")};
        for (const WordGroup &g : groups())
            l += g.words;
        return l;
    }();
    return all;
}

bool VirtualHxt::isKnownWord(const QString &word) {
    if (word.compare(QLatin1String("ver?"), Qt::CaseInsensitive) == 0 ||
        word.compare(QLatin1String("id?"), Qt::CaseInsensitive) == 0)
        return true;
    return isLevel(word) || !categoryOf(word).isEmpty();
}

void VirtualHxt::remember(const QString &word) {
    if (isLevel(word)) {
        levels << word;
        return;
    }
    const QString category = categoryOf(word);
    if (!category.isEmpty())
        state.insert(category, word);
}

QByteArray VirtualHxt::answer(const QString &word) {
    if (scriptedReply) {
        if (std::optional<QByteArray> scripted = scriptedReply(word))
            return *scripted;
    }
    switch (persona) {
    case Persona::Silent:
        return {};
    case Persona::Foreign:
        return QByteArrayLiteral("ACME MODEM 2.1\r\nREADY\r\n");
    case Persona::Generator:
        break;
    }
    if (errorReplies)
        return QByteArrayLiteral("ER 01 rejected\r\n");
    if (word.compare(QLatin1String("ver?"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("HXT-2416 %1\r\nOK\r\n").arg(firmware).toLatin1();
    if (word.compare(QLatin1String("id?"), Qt::CaseInsensitive) == 0)
        return QByteArrayLiteral("ID 2416-00417\r\nOK\r\n");
    if (!isKnownWord(word))
        return QByteArrayLiteral("ER unknown command\r\n");
    remember(word);
    return QByteArrayLiteral("OK\r\n");
}

QByteArray VirtualHxt::garble(const QByteArray &bytes) {
    // What a wrong bit rate looks like: high-bit noise, no line ends.
    QByteArray out;
    for (char c : bytes)
        out.append(char((uchar(c) * 7 + 0x85) | 0x80));
    return out;
}

QByteArray VirtualHxt::receive(const QByteArray &bytes) {
    QByteArray out;
    pending_.append(bytes);
    int cr;
    while ((cr = pending_.indexOf('\r')) >= 0) {
        const QString word = QString::fromLatin1(pending_.left(cr));
        pending_.remove(0, cr + 1);
        transcript << word;
        if (onWord)
            onWord(word);
        out.append(answer(word));
    }
    // A device never holds more than one line of unterminated input.
    if (pending_.size() > 4096)
        pending_.clear();
    return garbled ? garble(out) : out;
}

QByteArray VirtualHxt::receiveAt(const QByteArray &bytes, qint32 portRate) {
    if (portRate == lineRate)
        return receive(bytes);
    // At the wrong rate the device sees noise with no carriage return and stays silent.
    return {};
}
