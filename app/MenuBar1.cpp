#include "app/MenuBar1.h"

#include "patterns/Catalogue.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>

namespace {

struct ArraySpec {
    const char *submenu; // submenu title name; null when the array sits in the menu itself
    const char *caption; // submenu caption
    const char *array;
    QStringList captions;
};

// The item arrays of the Format and Misc menus.
const QList<ArraySpec> &formatArrays() {
    static const QList<ArraySpec> specs = {
        {"Format5994",
         "59.94 Hz",
         "F5994",
         {"1080i59.94", "1080p59.94", "1080p47.95", "1080p29.97", "1080p23.98", "1080p23.98sF",
          "720p59.94", "480p", "480i"}},
        {"Format60",
         "60 Hz",
         "F60",
         {"1080i60", "1080p60", "1080p48", "1080p30", "1080p24", "1080p24sF", "720p60"}},
        {"Format50", "50 Hz", "F50", {"1080i50", "1080p50", "1080p25", "720p50", "576p", "576i"}},
        {"Format3DFP",
         "3D Frame Packing",
         "F3DFP",
         {"1080p29.97", "1080p23.98", "720p59.94", "1080p30", "1080p24", "720p60", "1080p25",
          "720p50"}},
        {"Format3DSSH",
         "3D Side-by-Side (Half)",
         "F3DSSH",
         {"1080i59.94", "1080p59.94", "1080p29.97", "1080p23.98", "720p59.94", "1080i60", "1080p60",
          "1080p30", "1080p24", "720p60", "1080i50", "1080p50", "1080p25", "720p50"}},
        {"Format3DTB",
         "3D Top-and-Bottom",
         "F3DTB",
         {"1080p59.94", "1080p29.97", "1080p23.98", "720p59.94", "1080p60", "1080p30", "1080p24",
          "720p60", "1080p50", "1080p25", "720p50"}},
    };
    return specs;
}

const QList<ArraySpec> &miscArrays() {
    static const QList<ArraySpec> specs = {
        {"MiscGrayScalePLUGE", "Gray Scale PLUGE", "GS_PLUGE", {"On", "Off"}},
        {"Misc_WSize",
         "Window Size",
         "WSize",
         {"5%", "7.5%", "10%", "10.8%", "12.5%", "15%", "17.5%", "20%"}},
        {"Misc_CBSize",
         "Checkerboard Size",
         "CBSize",
         {"2x2", "3x3", "4x4", "5x5", "6x6", "7x7", "8x8", "9x9"}},
    };
    return specs;
}

QMenu *newMenu(QWidget *parent, const char *name, const QString &caption) {
    QMenu *m = nullptr;
    if (auto *bar = qobject_cast<QMenuBar *>(parent))
        m = bar->addMenu(caption);
    else
        m = static_cast<QMenu *>(parent)->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction *newItem(QMenu *menu, const char *name, const QString &caption,
                 const QKeySequence &shortcut = {}) {
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setProperty("autoEnable", true);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}

void newSeparator(QMenu *menu, const char *name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

// Every array item carries a checkmark: each array belongs to one of the radio-like groups.
void newArray(QMenu *menu, const QString &name, const QStringList &captions,
              bool autoEnable = true) {
    for (int i = 0; i < captions.size(); ++i) {
        QAction *a = menu->addAction(captions[i]);
        a->setObjectName(name);
        a->setProperty("index", i);
        a->setProperty("autoEnable", autoEnable);
        a->setCheckable(true);
    }
}

// The editing commands act on whichever text field has the keyboard focus.
QLineEdit *focusedLineEdit() {
    return qobject_cast<QLineEdit *>(QApplication::focusWidget());
}
QTextEdit *focusedTextEdit() {
    return qobject_cast<QTextEdit *>(QApplication::focusWidget());
}

void editUndo() {
    if (auto *le = focusedLineEdit())
        le->undo();
    else if (auto *te = focusedTextEdit())
        te->undo();
}
void editCut() {
    if (auto *le = focusedLineEdit())
        le->cut();
    else if (auto *te = focusedTextEdit())
        te->cut();
}
void editCopy() {
    if (auto *le = focusedLineEdit())
        le->copy();
    else if (auto *te = focusedTextEdit())
        te->copy();
}
void editPaste() {
    if (auto *le = focusedLineEdit())
        le->paste();
    else if (auto *te = focusedTextEdit())
        te->paste();
}
void editClear() {
    if (auto *le = focusedLineEdit()) {
        if (!le->isReadOnly())
            le->del();
    } else if (auto *te = focusedTextEdit()) {
        if (!te->isReadOnly())
            te->textCursor().removeSelectedText();
    }
}
void editSelectAll() {
    if (auto *le = focusedLineEdit())
        le->selectAll();
    else if (auto *te = focusedTextEdit())
        te->selectAll();
}

} // namespace

MenuBar1::MenuBar1(QWidget *parent) : QMenuBar(parent) {
    setObjectName(QStringLiteral("MenuBar1"));
    build();
}

QAction *MenuBar1::item(const QString &name, int index) const {
    const auto actions = findChildren<QAction *>(name);
    for (QAction *a : actions) {
        const QVariant v = a->property("index");
        const int itemIndex = v.isValid() ? v.toInt() : -1;
        if (itemIndex == index)
            return a;
    }
    return nullptr;
}

QMenu *MenuBar1::menu(const QString &name) const {
    return findChild<QMenu *>(name);
}

void MenuBar1::build() {
    QMenu *file = newMenu(this, "FileMenu", QStringLiteral("&File"));
    newItem(file, "Load_History", QStringLiteral("Open (History)"), QKeySequence("Ctrl+O"));
    newItem(file, "Save_History", QStringLiteral("Save (History)"), QKeySequence("Ctrl+S"));
    newItem(file, "FileQuit", QStringLiteral("&Quit"), QKeySequence("Ctrl+Q"))
        ->setMenuRole(QAction::QuitRole);

    QMenu *edit = newMenu(this, "EditMenu", QStringLiteral("&Edit"));
    QAction *undo = newItem(edit, "EditUndo", QStringLiteral("&Undo"), QKeySequence("Ctrl+Z"));
    newSeparator(edit, "UntitledMenu1");
    QAction *cut = newItem(edit, "EditCut", QStringLiteral("Cu&t"), QKeySequence("Ctrl+X"));
    QAction *copy = newItem(edit, "EditCopy", QStringLiteral("&Copy"), QKeySequence("Ctrl+C"));
    QAction *paste = newItem(edit, "EditPaste", QStringLiteral("&Paste"), QKeySequence("Ctrl+V"));
    QAction *clear = newItem(edit, "EditClear", QStringLiteral("&Delete"));
    newSeparator(edit, "UntitledMenu0");
    QAction *selectAll =
        newItem(edit, "EditSelectAll", QStringLiteral("Select &All"), QKeySequence("Ctrl+A"));
    newItem(edit, "AppleAbout", QStringLiteral("&About HXT-2416 Desktop"))
        ->setMenuRole(QAction::AboutRole);
    connect(undo, &QAction::triggered, this, editUndo);
    connect(cut, &QAction::triggered, this, editCut);
    connect(copy, &QAction::triggered, this, editCopy);
    connect(paste, &QAction::triggered, this, editPaste);
    connect(clear, &QAction::triggered, this, editClear);
    connect(selectAll, &QAction::triggered, this, editSelectAll);
    connect(edit, &QMenu::aboutToShow, this, &MenuBar1::enableEditItems);
    // Outside the open menu the shortcuts must reach the field; the commands check it themselves.
    connect(edit, &QMenu::aboutToHide, this, [edit] {
        for (QAction *a : edit->actions())
            a->setEnabled(true);
    });

    QMenu *output = newMenu(this, "OutputMenu", QStringLiteral("Output"));
    newArray(output, QStringLiteral("Output"),
             {QStringLiteral("YCbCr 4:2:2 8-bit"), QStringLiteral("YCbCr 4:2:2 10-bit"),
              QStringLiteral("YCbCr 4:4:4"), QStringLiteral("RGB-Video"),
              QStringLiteral("RGB-PC")});

    QMenu *deep = newMenu(this, "DeepColorMenu", QStringLiteral("Deep-Color"));
    newArray(deep, QStringLiteral("DeepColor"),
             {QStringLiteral("Off (8-bit/24-bit)"), QStringLiteral("10-bit/30-bit"),
              QStringLiteral("12-bit/36-bit")},
             false);

    QMenu *format = newMenu(this, "FormatMenu", QStringLiteral("Format"));
    for (const ArraySpec &s : formatArrays()) {
        QMenu *sub = newMenu(format, s.submenu, QString::fromLatin1(s.caption));
        newArray(sub, QString::fromLatin1(s.array), s.captions);
    }

    QMenu *channels = newMenu(this, "ChannelsMenu", QStringLiteral("Channels"));
    newArray(channels, QStringLiteral("Channels"),
             {QStringLiteral("YCbCr"), QStringLiteral("Y only"), QStringLiteral("Cb only"),
              QStringLiteral("Cr only"), QStringLiteral("YCb only"), QStringLiteral("YCr only"),
              QStringLiteral("CbCr only")},
             false);

    QMenu *g2c = newMenu(this, "Gray2ColorMenu", QStringLiteral("Gray2Color"));
    newArray(g2c, QStringLiteral("Gray2Color"),
             {QStringLiteral("Off"), QStringLiteral("Green"), QStringLiteral("Blue"),
              QStringLiteral("Red"), QStringLiteral("Cyan"), QStringLiteral("Yellow"),
              QStringLiteral("Magenta")});

    QMenu *misc = newMenu(this, "MiscMenu", QStringLiteral("Misc"));
    for (const ArraySpec &s : miscArrays()) {
        QMenu *sub = newMenu(misc, s.submenu, QString::fromLatin1(s.caption));
        newArray(sub, QString::fromLatin1(s.array), s.captions);
    }
    // The "Window Size" title is itself item 0 of a one-item array.
    QAction *wsizeTitle = menu(QStringLiteral("Misc_WSize"))->menuAction();
    wsizeTitle->setObjectName(QStringLiteral("Misc_WSize"));
    wsizeTitle->setProperty("index", 0);
    wsizeTitle->setProperty("autoEnable", true);

    QMenu *pattern = newMenu(this, "PatternMenu", QStringLiteral("Pattern"));
    for (const Catalogue::PatternGroup &g : Catalogue::groups()) {
        QMenu *sub = newMenu(pattern, g.submenuName.toLatin1().constData(), g.caption);
        newArray(sub, g.arrayName, g.captions);
    }
}

void MenuBar1::enableEditItems() {
    QLineEdit *le = focusedLineEdit();
    QTextEdit *te = le ? nullptr : focusedTextEdit();
    const bool editable = (le && !le->isReadOnly()) || (te && !te->isReadOnly());
    const bool selection = (le && le->hasSelectedText()) || (te && te->textCursor().hasSelection());
    const bool hasText = (le && !le->text().isEmpty()) || (te && !te->document()->isEmpty());
    const bool canUndo = (le && le->isUndoAvailable()) || (te && te->document()->isUndoAvailable());
    const bool clipboardText = !QApplication::clipboard()->text().isEmpty();
    item(QStringLiteral("EditUndo"))->setEnabled(editable && canUndo);
    item(QStringLiteral("EditCut"))->setEnabled(editable && selection);
    item(QStringLiteral("EditCopy"))->setEnabled(selection);
    item(QStringLiteral("EditPaste"))->setEnabled(editable && clipboardText);
    item(QStringLiteral("EditClear"))->setEnabled(editable && selection);
    item(QStringLiteral("EditSelectAll"))->setEnabled(hasText);
}
