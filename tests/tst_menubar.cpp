// The menu bar: tree, captions, shortcuts, default marks, enabling rules, binding and About box.
#include "app/AboutWindow.h"
#include "app/MenuBar1.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QtTest>

namespace {

QList<QAction *> allItems(MenuBar1 *bar) {
    QList<QAction *> items;
    for (QAction *a : bar->findChildren<QAction *>()) {
        if (!a->objectName().isEmpty() && !a->isSeparator() && a->isCheckable())
            items << a;
    }
    return items;
}

QString checkedItems(MenuBar1 *bar) {
    QStringList out;
    for (QAction *a : allItems(bar)) {
        if (a->isChecked())
            out << QStringLiteral("%1(%2)").arg(a->objectName()).arg(a->property("index").toInt());
    }
    out.sort();
    return out.join(QLatin1Char(' '));
}

// Checks one item of an array without running any handler.
void setMark(MenuBar1 *bar, const QString &array, int checkedIndex) {
    for (int i = 0; QAction *a = bar->item(array, i); ++i) {
        const QSignalBlocker block(a);
        a->setChecked(i == checkedIndex);
    }
}

} // namespace

class TstMenuBar : public QObject {
    Q_OBJECT
private slots:
    void menusInOrder();
    void editMenu();
    void fileMenu();
    void itemArrays_data();
    void itemArrays();
    void windowSizeTitleIsArrayItem();
    void shortcuts_data();
    void shortcuts();
    void defaultMarks();
    void defaultMarksSendNothing();
    void enablingRules_data();
    void enablingRules();
    void enablingRunsWhenMenusShow();
    void enablingFollowsCheckmarks();
    void aboutBoxIsSingle();
    void aboutBoxLayout();
    void itemsCallTheirHandlers_data();
    void itemsCallTheirHandlers();
    void quitClosesWindow();
    void quitShortcutClosesWindow();
    void editCommandsActOnFocusedField();
};

void TstMenuBar::menusInOrder() {
    MenuBar1 bar;
    const QStringList names = {"FileMenu",       "EditMenu",   "OutputMenu",
                               "DeepColorMenu",  "FormatMenu", "ChannelsMenu",
                               "Gray2ColorMenu", "MiscMenu",   "PatternMenu"};
    const QStringList captions = {"&File",    "&Edit",      "Output", "Deep-Color", "Format",
                                  "Channels", "Gray2Color", "Misc",   "Pattern"};
    const auto titles = bar.actions();
    QCOMPARE(titles.size(), 9);
    for (int i = 0; i < titles.size(); ++i) {
        QMenu *m = titles[i]->menu();
        QVERIFY(m);
        QCOMPARE(m->objectName(), names[i]);
        QCOMPARE(m->title(), captions[i]);
        QCOMPARE(bar.menu(names[i]), m);
    }
    const QStringList formatSubs = {"Format5994", "Format60",    "Format50",
                                    "Format3DFP", "Format3DSSH", "Format3DTB"};
    const auto formatTitles = bar.menu(QStringLiteral("FormatMenu"))->actions();
    QCOMPARE(formatTitles.size(), formatSubs.size());
    for (int i = 0; i < formatSubs.size(); ++i)
        QCOMPARE(formatTitles[i]->menu()->objectName(), formatSubs[i]);
    const QStringList patternSubs = {
        "PatternColor75",     "PatternColor100",     "PatternSpecial",      "PatternPLUGE",
        "PatternGrayscale10", "PatternGrayscale100", "PatternGrayscale109", "PatternGrayfield"};
    const auto patternTitles = bar.menu(QStringLiteral("PatternMenu"))->actions();
    QCOMPARE(patternTitles.size(), patternSubs.size());
    for (int i = 0; i < patternSubs.size(); ++i)
        QCOMPARE(patternTitles[i]->menu()->objectName(), patternSubs[i]);
    // Nothing is checked or disabled at build time.
    QCOMPARE(checkedItems(&bar), QString());
    for (QAction *a : bar.findChildren<QAction *>())
        QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
}

void TstMenuBar::editMenu() {
    MenuBar1 bar;
    const auto items = bar.menu(QStringLiteral("EditMenu"))->actions();
    const QStringList names = {"EditUndo",      "UntitledMenu1", "EditCut",
                               "EditCopy",      "EditPaste",     "EditClear",
                               "UntitledMenu0", "EditSelectAll", "AppleAbout"};
    const QStringList captions = {"&Undo",
                                  "",
                                  "Cu&t",
                                  "&Copy",
                                  "&Paste",
                                  "&Delete",
                                  "",
                                  "Select &All",
                                  "&About HXT-2416 Desktop"};
    QCOMPARE(items.size(), names.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->objectName(), names[i]);
        QCOMPARE(items[i]->isSeparator(), captions[i].isEmpty());
        if (!captions[i].isEmpty())
            QCOMPARE(items[i]->text(), captions[i]);
    }
    QCOMPARE(bar.item(QStringLiteral("AppleAbout"))->menuRole(), QAction::AboutRole);
    QVERIFY(bar.item(QStringLiteral("EditClear"))->shortcut().isEmpty());
}

void TstMenuBar::fileMenu() {
    MenuBar1 bar;
    const auto items = bar.menu(QStringLiteral("FileMenu"))->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->objectName(), QStringLiteral("Load_History"));
    QCOMPARE(items[0]->text(), QStringLiteral("Open (History)"));
    QCOMPARE(items[1]->objectName(), QStringLiteral("Save_History"));
    QCOMPARE(items[1]->text(), QStringLiteral("Save (History)"));
    QCOMPARE(items[2]->objectName(), QStringLiteral("FileQuit"));
    QCOMPARE(items[2]->text(), QStringLiteral("&Quit"));
    QCOMPARE(items[2]->menuRole(), QAction::QuitRole);
}

void TstMenuBar::itemArrays_data() {
    QTest::addColumn<QString>("array");
    QTest::addColumn<QString>("parentMenu");
    QTest::addColumn<QString>("parentCaption");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sample");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("autoEnable");
    auto row = [](const char *array, const char *parent, const char *parentCaption, int count,
                  int sample, const char *caption, bool autoEnable = true) {
        QTest::newRow(QStringLiteral("%1(%2)").arg(array).arg(sample).toLatin1())
            << QString::fromLatin1(array) << QString::fromLatin1(parent)
            << QString::fromLatin1(parentCaption) << count << sample << QString::fromLatin1(caption)
            << autoEnable;
    };
    row("Output", "OutputMenu", "Output", 5, 0, "YCbCr 4:2:2 8-bit");
    row("Output", "OutputMenu", "Output", 5, 2, "YCbCr 4:4:4");
    row("Output", "OutputMenu", "Output", 5, 4, "RGB-PC");
    row("DeepColor", "DeepColorMenu", "Deep-Color", 3, 0, "Off (8-bit/24-bit)", false);
    row("DeepColor", "DeepColorMenu", "Deep-Color", 3, 2, "12-bit/36-bit", false);
    row("F5994", "Format5994", "59.94 Hz", 9, 5, "1080p23.98sF");
    row("F5994", "Format5994", "59.94 Hz", 9, 8, "480i");
    row("F60", "Format60", "60 Hz", 7, 2, "1080p48");
    row("F60", "Format60", "60 Hz", 7, 5, "1080p24sF");
    row("F50", "Format50", "50 Hz", 6, 4, "576p");
    row("F3DFP", "Format3DFP", "3D Frame Packing", 8, 6, "1080p25");
    row("F3DSSH", "Format3DSSH", "3D Side-by-Side (Half)", 14, 10, "1080i50");
    row("F3DSSH", "Format3DSSH", "3D Side-by-Side (Half)", 14, 13, "720p50");
    row("F3DTB", "Format3DTB", "3D Top-and-Bottom", 11, 0, "1080p59.94");
    row("F3DTB", "Format3DTB", "3D Top-and-Bottom", 11, 8, "1080p50");
    row("Channels", "ChannelsMenu", "Channels", 7, 0, "YCbCr", false);
    row("Channels", "ChannelsMenu", "Channels", 7, 6, "CbCr only", false);
    row("Gray2Color", "Gray2ColorMenu", "Gray2Color", 7, 0, "Off");
    row("Gray2Color", "Gray2ColorMenu", "Gray2Color", 7, 6, "Magenta");
    row("GS_PLUGE", "MiscGrayScalePLUGE", "Gray Scale PLUGE", 2, 1, "Off");
    row("WSize", "Misc_WSize", "Window Size", 8, 3, "10.8%");
    row("WSize", "Misc_WSize", "Window Size", 8, 7, "20%");
    row("CBSize", "Misc_CBSize", "Checkerboard Size", 8, 2, "4x4");
    row("Color75", "PatternColor75", "Color 75", 16, 1, "75% Colorbars");
    row("Color100", "PatternColor100", "Color 100", 16, 15, "100% Gray/User Color Field");
    row("Special", "PatternSpecial", "Special", 14, 12, "User Inv Checkerboard");
    row("PLUGE", "PatternPLUGE", "PLUGE", 12, 10, "50%/100% Window 98%/102% Stripe ");
    row("Grayscale10", "PatternGrayscale10", "Grayscale 0%-10%", 14, 3, "1% Window");
    row("Grayscale100", "PatternGrayscale100", "Grayscale 0%-100%", 14, 12, "100% Window");
    row("Grayscale109", "PatternGrayscale109", "Grayscale 100%-109%", 14, 12, "109.0% Window");
    row("Grayfield", "PatternGrayfield", "Grayfield", 15, 8, "50% Field");
}

void TstMenuBar::itemArrays() {
    QFETCH(QString, array);
    QFETCH(QString, parentMenu);
    QFETCH(QString, parentCaption);
    QFETCH(int, count);
    QFETCH(int, sample);
    QFETCH(QString, caption);
    QFETCH(bool, autoEnable);
    MenuBar1 bar;
    QMenu *parent = bar.menu(parentMenu);
    QVERIFY(parent);
    QCOMPARE(parent->title(), parentCaption);
    QCOMPARE(parent->actions().size(), count);
    for (int i = 0; i < count; ++i) {
        QAction *a = bar.item(array, i);
        QVERIFY(a);
        QCOMPARE(parent->actions().at(i), a);
        QCOMPARE(a->property("index").toInt(), i);
        QVERIFY(a->isCheckable());
        QVERIFY(a->shortcut().isEmpty());
        QCOMPARE(a->property("autoEnable").toBool(), autoEnable);
    }
    QVERIFY(!bar.item(array, count));
    QVERIFY(!bar.item(array, -1));
    QCOMPARE(bar.item(array, sample)->text(), caption);
}

void TstMenuBar::windowSizeTitleIsArrayItem() {
    MenuBar1 bar;
    QMenu *sub = bar.menu(QStringLiteral("Misc_WSize"));
    QVERIFY(sub);
    QCOMPARE(bar.item(QStringLiteral("Misc_WSize"), 0), sub->menuAction());
    QVERIFY(!bar.item(QStringLiteral("Misc_WSize"), 1));
    QCOMPARE(sub->menuAction()->text(), QStringLiteral("Window Size"));
}

void TstMenuBar::shortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::newRow("open") << "Load_History"
                          << "Ctrl+O";
    QTest::newRow("save") << "Save_History"
                          << "Ctrl+S";
    QTest::newRow("quit") << "FileQuit"
                          << "Ctrl+Q";
    QTest::newRow("undo") << "EditUndo"
                          << "Ctrl+Z";
    QTest::newRow("cut") << "EditCut"
                         << "Ctrl+X";
    QTest::newRow("copy") << "EditCopy"
                          << "Ctrl+C";
    QTest::newRow("paste") << "EditPaste"
                           << "Ctrl+V";
    QTest::newRow("select all") << "EditSelectAll"
                                << "Ctrl+A";
    QTest::newRow("delete") << "EditClear"
                            << "";
    QTest::newRow("about") << "AppleAbout"
                           << "";
}

void TstMenuBar::shortcuts() {
    QFETCH(QString, name);
    QFETCH(QString, keys);
    MenuBar1 bar;
    QAction *a = bar.item(name);
    QVERIFY(a);
    QCOMPARE(a->shortcut(), QKeySequence(keys));
}

void TstMenuBar::defaultMarks() {
    App app;
    QVERIFY(!app.AutoQuit);
    app.Event_Open();
    QCOMPARE(checkedItems(app.menuBar()),
             QStringLiteral("CBSize(2) Channels(0) Color75(0) DeepColor(0) F5994(0) GS_PLUGE(0) "
                            "Gray2Color(0) Output(2) WSize(3)"));
    QCOMPARE(app.menuItem(QStringLiteral("Output"), 2)->text(), QStringLiteral("YCbCr 4:4:4"));
    QCOMPARE(app.menuItem(QStringLiteral("WSize"), 3)->text(), QStringLiteral("10.8%"));
    QCOMPARE(app.menuItem(QStringLiteral("CBSize"), 2)->text(), QStringLiteral("4x4"));
    QVERIFY(app.AutoQuit);
    QVERIFY(QApplication::quitOnLastWindowClosed());
    delete app.menuBar();
}

void TstMenuBar::defaultMarksSendNothing() {
    Rig rig([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")); });
    rig.window->Event_Open();
    QVERIFY(rig.window->Authorized);
    const QStringList before = rig.words();
    QVERIFY(!before.isEmpty());
    rig.app->Event_Open();
    pumpEvents(50);
    QCOMPARE(rig.words(), before);
    // At start the deep-colour and channel items can be chosen.
    rig.window->EnableMenuItems();
    for (int i = 0; i <= 2; ++i)
        QVERIFY(rig.window->DeepColor(i)->isEnabled());
    for (int i = 0; i <= 6; ++i)
        QVERIFY(rig.window->Channels(i)->isEnabled());
}

void TstMenuBar::enablingRules_data() {
    QTest::addColumn<int>("output");     // checked Output index, -1 for none
    QTest::addColumn<int>("gray2color"); // checked Gray2Color index, -1 for none
    QTest::addColumn<bool>("deepEnabled");
    QTest::addColumn<bool>("channelsEnabled");
    QTest::newRow("start: 4:4:4, off") << 2 << 0 << true << true;
    QTest::newRow("4:2:2 8-bit") << 0 << 0 << false << true;
    QTest::newRow("4:2:2 10-bit") << 1 << 0 << false << true;
    QTest::newRow("RGB-Video") << 3 << 0 << true << true;
    QTest::newRow("RGB-PC, green") << 4 << 1 << true << false;
    QTest::newRow("4:2:2 8-bit, magenta") << 0 << 6 << false << false;
    QTest::newRow("4:4:4, red") << 2 << 3 << true << false;
    QTest::newRow("no output mark, no g2c mark") << -1 << -1 << true << false;
}

void TstMenuBar::enablingRules() {
    QFETCH(int, output);
    QFETCH(int, gray2color);
    QFETCH(bool, deepEnabled);
    QFETCH(bool, channelsEnabled);
    Rig rig;
    Window1 &w = *rig.window;
    MenuBar1 *bar = w.MenuBar();
    setMark(bar, QStringLiteral("Output"), output);
    setMark(bar, QStringLiteral("Gray2Color"), gray2color);
    // Start from the opposite state so both directions of each rule are exercised.
    for (int i = 0; i <= 2; ++i)
        w.DeepColor(i)->setEnabled(!deepEnabled);
    for (int i = 0; i <= 6; ++i)
        w.Channels(i)->setEnabled(!channelsEnabled);
    w.EnableMenuItems();
    for (int i = 0; i <= 2; ++i)
        QCOMPARE(w.DeepColor(i)->isEnabled(), deepEnabled);
    for (int i = 0; i <= 6; ++i)
        QCOMPARE(w.Channels(i)->isEnabled(), channelsEnabled);
    // Items with AutoEnable on are left to the platform.
    for (int i = 0; i < 5; ++i)
        QVERIFY(w.Output(i)->isEnabled());
    for (int i = 0; i < 7; ++i)
        QVERIFY(w.Gray2Color(i)->isEnabled());
    QVERIFY(w.Color75(0)->isEnabled());
}

void TstMenuBar::enablingRunsWhenMenusShow() {
    Rig rig;
    Window1 &w = *rig.window;
    MenuBar1 *bar = w.MenuBar();
    setMark(bar, QStringLiteral("Output"), 1);
    setMark(bar, QStringLiteral("Gray2Color"), 0);
    const QStringList menus = {"FileMenu",       "EditMenu",   "OutputMenu",
                               "DeepColorMenu",  "FormatMenu", "ChannelsMenu",
                               "Gray2ColorMenu", "MiscMenu",   "PatternMenu"};
    for (const QString &name : menus) {
        for (int i = 0; i <= 2; ++i)
            w.DeepColor(i)->setEnabled(true);
        for (int i = 0; i <= 6; ++i)
            w.Channels(i)->setEnabled(false);
        emit bar->menu(name)->aboutToShow();
        QVERIFY2(!w.DeepColor(1)->isEnabled(), qPrintable(name));
        QVERIFY2(w.Channels(3)->isEnabled(), qPrintable(name));
    }
}

// Shortcuts and programmatic triggers open no menu, yet the flags follow the checkmarks.
void TstMenuBar::enablingFollowsCheckmarks() {
    Rig rig;
    rig.app->Event_Open();
    Window1 &w = *rig.window;
    QVERIFY(w.DeepColor(0)->isEnabled());
    QVERIFY(w.Channels(0)->isEnabled());
    w.Output(2)->setChecked(false);
    w.Output(0)->setChecked(true);
    QVERIFY(!w.DeepColor(0)->isEnabled());
    w.Gray2Color(0)->setChecked(false);
    w.Gray2Color(2)->setChecked(true);
    QVERIFY(!w.Channels(5)->isEnabled());
    w.Gray2Color(2)->setChecked(false);
    w.Gray2Color(0)->setChecked(true);
    QVERIFY(w.Channels(5)->isEnabled());
}

void TstMenuBar::aboutBoxIsSingle() {
    Rig rig;
    rig.open(true);
    Window1 &w = *rig.window;
    QVERIFY(!w.About);
    w.AppleAbout()->trigger();
    AboutWindow *first = w.About;
    QVERIFY(first);
    QVERIFY(first->isVisible());
    w.AppleAbout()->trigger();
    QCOMPARE(w.About, first);
    QCOMPARE(w.findChildren<AboutWindow *>().size(), 1);
    QVERIFY(first->isVisible());
    QVERIFY(rig.words().isEmpty()); // nothing found, nothing sent
    QTest::mouseClick(first->PushButton1, Qt::LeftButton);
    QVERIFY(!first->isVisible());
    QVERIFY(!w.hasClosed());
    // Chosen again after OK: the same window comes back.
    w.AppleAbout_Action();
    QCOMPARE(w.About, first);
    QVERIFY(first->isVisible());
    QCOMPARE(w.findChildren<AboutWindow *>().size(), 1);
    first->PushButton1_Action();
    QVERIFY(!first->isVisible());
}

void TstMenuBar::aboutBoxLayout() {
    Rig rig;
    rig.window->AppleAbout_Action();
    AboutWindow *about = rig.window->About;
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About HXT-2416 Desktop"));
    QCOMPARE(about->size(), QSize(562, 332));
    QVERIFY(about->windowModality() != Qt::NonModal);
    QCOMPARE(about->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(about->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(about->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(about->windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(about->minimumSize() != about->maximumSize()); // resizable
    QCOMPARE(about->StaticText1->objectName(), QStringLiteral("StaticText1"));
    QCOMPARE(about->StaticText1->geometry(), QRect(31, 11, 501, 263));
    QVERIFY(about->StaticText1->wordWrap());
    const QString text = QStringLiteral(
        "HXT-2416 Desktop\n\nVersion 2.70\n\nImportant Notes:\n\n"
        "1. The HXT-2416 must be connected to a PC or Mac with a USB cable and powered on BEFORE "
        "opening this application. If not, you may close this program and reopen it without "
        "powering down the HXT-2416.\n\n"
        "2. If the HXT-2416 is subsequently powered off and back on, you may re-establish the USB "
        "connection without closing this application by clicking the \"Reconnect After HXT-2416 "
        "Power Cycled\" button. Failure to do so may cause this program to quit responding.");
    QCOMPARE(about->StaticText1->text(), text);
    QCOMPARE(about->PushButton1->text(), QStringLiteral("OK"));
    QCOMPARE(about->PushButton1->geometry(), QRect(474, 292, 68, 20));
    QVERIFY(about->PushButton1->isDefault());
    // The button keeps its distance to the right and bottom edges.
    about->resize(700, 400);
    QCOMPARE(about->PushButton1->geometry(), QRect(474 + 138, 292 + 68, 68, 20));
    QCOMPARE(about->StaticText1->pos(), QPoint(31, 11));
    about->close();
}

void TstMenuBar::itemsCallTheirHandlers_data() {
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("Color75(1)") << "Color75" << 1 << QStringList{"CB75"};
    QTest::newRow("Color100(0)") << "Color100" << 0 << QStringList{"SplitCB100"};
    QTest::newRow("Special(13)") << "Special" << 13 << QStringList{"RampsMulti1"};
    QTest::newRow("PLUGE(10)") << "PLUGE" << 10 << QStringList{"PLUGEW10050"};
    QTest::newRow("Grayscale10(5)") << "Grayscale10" << 5 << QStringList{"LowGS", "GS30"};
    QTest::newRow("Grayscale100(5)") << "Grayscale100" << 5 << QStringList{"NormalGS", "GS30"};
    QTest::newRow("Grayscale109(12)") << "Grayscale109" << 12 << QStringList{"HighGS", "GS100"};
    QTest::newRow("Grayfield(2)") << "Grayfield" << 2 << QStringList{"GF50a"};
    QTest::newRow("WSize(3)") << "WSize" << 3 << QStringList{"WSize10.8"};
    QTest::newRow("CBSize(7)") << "CBSize" << 7 << QStringList{"CBSize9"};
    QTest::newRow("GS_PLUGE(1)") << "GS_PLUGE" << 1 << QStringList{"GSPLUGEOff"};
    QTest::newRow("Gray2Color(3)") << "Gray2Color" << 3 << QStringList{"Gray2Red"};
    QTest::newRow("DeepColor(2)") << "DeepColor" << 2 << QStringList{"DeepColor12"};
    QTest::newRow("F5994(1)") << "F5994" << 1 << QStringList{"HDFR59.94", "1080p60"};
    QTest::newRow("F3DFP(3)") << "F3DFP" << 3 << QStringList{"HDFR60.00", "1080p30FP"};
}

// The words sent show that the bound handler ran once, with the index of the item.
void TstMenuBar::itemsCallTheirHandlers() {
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QStringList, words);
    Rig rig([](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")); });
    rig.open();
    QVERIFY(rig.window->Authorized);
    const int before = int(rig.words().size());
    QAction *a = rig.window->menuItem(array, index);
    QVERIFY(a);
    QVERIFY(a->isEnabled());
    a->trigger();
    const QStringList sent = rig.words().mid(before);
    QCOMPARE(sent, words);
}

void TstMenuBar::quitClosesWindow() {
    Rig rig;
    rig.open(true);
    QVERIFY(!rig.window->hasClosed());
    rig.window->FileQuit()->trigger();
    QVERIFY(rig.window->hasClosed());
    QVERIFY(!rig.window->isVisible());
}

void TstMenuBar::quitShortcutClosesWindow() {
    Rig rig;
    rig.open(true);
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    QTest::keyClick(rig.window.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(rig.window->hasClosed());
}

void TstMenuBar::editCommandsActOnFocusedField() {
    Rig rig;
    rig.open(true);
    Window1 &w = *rig.window;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QLineEdit *field = w.Gray_TF;
    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), field);
    field->setText(QStringLiteral("42"));
    w.menuItem(QStringLiteral("EditSelectAll"), -1)->trigger();
    QCOMPARE(field->selectedText(), QStringLiteral("42"));
    w.menuItem(QStringLiteral("EditCopy"), -1)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("42"));
    w.menuItem(QStringLiteral("EditClear"), -1)->trigger();
    QCOMPARE(field->text(), QString());
    w.menuItem(QStringLiteral("EditPaste"), -1)->trigger();
    w.menuItem(QStringLiteral("EditPaste"), -1)->trigger();
    QCOMPARE(field->text(), QStringLiteral("4242"));
    w.menuItem(QStringLiteral("EditUndo"), -1)->trigger();
    QCOMPARE(field->text(), QStringLiteral("42"));
    field->selectAll();
    w.menuItem(QStringLiteral("EditCut"), -1)->trigger();
    QCOMPARE(field->text(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("42"));
    // The Edit menu offers only what the focused field allows.
    MenuBar1 *bar = w.MenuBar();
    emit bar->menu(QStringLiteral("EditMenu"))->aboutToShow();
    QVERIFY(!w.menuItem(QStringLiteral("EditCut"), -1)->isEnabled());
    QVERIFY(w.menuItem(QStringLiteral("EditPaste"), -1)->isEnabled());
    QVERIFY(!w.menuItem(QStringLiteral("EditSelectAll"), -1)->isEnabled());
    QVERIFY(w.AppleAbout()->isEnabled());
    emit bar->menu(QStringLiteral("EditMenu"))->aboutToHide();
    QVERIFY(w.menuItem(QStringLiteral("EditCut"), -1)->isEnabled());
}

QTEST_MAIN(TstMenuBar)
#include "tst_menubar.moc"
