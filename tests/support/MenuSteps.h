#pragma once

// Menu choices written as steps, for table-driven tests of the menu handlers:
//   "Grayscale10(5)"       calls the array's handler with index 5,
//   "menu Grayscale10(5)"  triggers the menu item, as a click would.

#include "app/Window1.h"

#include <QAction>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

namespace steps {

using Handler = void (Window1::*)(int);

inline const QMap<QString, Handler> &handlers() {
    static const QMap<QString, Handler> map = {
        {"Color75", &Window1::Color75_Action},
        {"Color100", &Window1::Color100_Action},
        {"Special", &Window1::Special_Action},
        {"PLUGE", &Window1::PLUGE_Action},
        {"Grayscale10", &Window1::Grayscale10_Action},
        {"Grayscale100", &Window1::Grayscale100_Action},
        {"Grayscale109", &Window1::Grayscale109_Action},
        {"Grayfield", &Window1::Grayfield_Action},
        {"F5994", &Window1::F5994_Action},
        {"F60", &Window1::F60_Action},
        {"F50", &Window1::F50_Action},
        {"F3DFP", &Window1::F3DFP_Action},
        {"F3DSSH", &Window1::F3DSSH_Action},
        {"F3DTB", &Window1::F3DTB_Action},
        {"Output", &Window1::Output_Action},
        {"DeepColor", &Window1::DeepColor_Action},
        {"Channels", &Window1::Channels_Action},
        {"Gray2Color", &Window1::Gray2Color_Action},
        {"WSize", &Window1::WSize_Action},
        {"CBSize", &Window1::CBSize_Action},
        {"GS_PLUGE", &Window1::GS_PLUGE_Action},
    };
    return map;
}

const QStringList patternArrays = {"Color75",     "Color100",     "Special",      "PLUGE",
                                   "Grayscale10", "Grayscale100", "Grayscale109", "Grayfield"};
const QStringList formatArrays = {"F5994", "F60", "F50", "F3DFP", "F3DSSH", "F3DTB"};

// Runs one step; returns false (with a test failure) when the step cannot be run.
inline bool run(Window1 &w, const QString &step) {
    static const QRegularExpression re(QStringLiteral(R"(^(menu )?(\w+)\((\d+)\)$)"));
    const auto m = re.match(step);
    if (!m.hasMatch() || !handlers().contains(m.captured(2))) {
        QTest::qFail(qPrintable(QStringLiteral("bad step: ") + step), __FILE__, __LINE__);
        return false;
    }
    const int index = m.captured(3).toInt();
    if (m.capturedLength(1) > 0) {
        QAction *item = w.menuItem(m.captured(2), index);
        if (!item || !item->isEnabled()) {
            QTest::qFail(qPrintable(QStringLiteral("no enabled item for ") + step), __FILE__,
                         __LINE__);
            return false;
        }
        item->trigger();
    } else {
        (w.*handlers().value(m.captured(2)))(index);
    }
    return true;
}

inline bool runAll(Window1 &w, const QStringList &list) {
    for (const QString &step : list)
        if (!run(w, step))
            return false;
    return true;
}

// Every checked item of the given arrays, as "Name(index)".
inline QStringList checkedItems(const Window1 &w, const QStringList &arrays) {
    QStringList out;
    for (const QString &name : arrays)
        for (int i = 0; QAction *item = w.menuItem(name, i); ++i)
            if (item->isChecked())
                out << QStringLiteral("%1(%2)").arg(name).arg(i);
    return out;
}

// The step without its "menu " prefix, i.e. the item it names.
inline QString itemOf(const QString &step) {
    return step.startsWith(QLatin1String("menu ")) ? step.mid(5) : step;
}

} // namespace steps
