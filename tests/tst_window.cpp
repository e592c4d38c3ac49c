// The main window: controls in their design state, frame, history list behaviour, text fit.
#include "support/TestSupport.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QTextLayout>
#include <QTreeWidget>
#include <QtTest>

namespace {

// "Name" or "Name[index]" for members of a control array.
QWidget *control(Window1 *w, const QString &key) {
    QString name = key;
    int index = -1;
    if (key.endsWith(QLatin1Char(']'))) {
        const int open = int(key.indexOf(QLatin1Char('[')));
        name = key.left(open);
        index = key.mid(open + 1, key.size() - open - 2).toInt();
    }
    const auto found = w->findChildren<QWidget *>(name);
    for (QWidget *c : found) {
        if (index < 0 || c->property("index").toInt() == index)
            return c;
    }
    return nullptr;
}

// Brings the control's tab page to the front so the tab widget has laid that page out.
void bringForward(Window1 *w, QWidget *c) {
    for (int i = 0; i < w->Tabs->count(); ++i) {
        if (w->Tabs->widget(i)->isAncestorOf(c))
            w->Tabs->setCurrentIndex(i);
    }
    pumpEvents(0);
}

QString shownText(QWidget *c) {
    if (auto *l = qobject_cast<QLabel *>(c))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(c))
        return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(c))
        return e->text();
    if (auto *t = qobject_cast<QTextEdit *>(c))
        return t->toPlainText();
    if (auto *p = qobject_cast<QComboBox *>(c))
        return p->currentText();
    if (auto *g = qobject_cast<QGroupBox *>(c))
        return g->title();
    return QString();
}

// Width the style leaves for the caption of a button or radio button.
int captionWidth(QWidget *c) {
    if (auto *b = qobject_cast<QPushButton *>(c)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QRect r = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        return r.width();
    }
    if (auto *r = qobject_cast<QRadioButton *>(c)) {
        QStyleOptionButton opt;
        opt.initFrom(r);
        opt.text = r->text();
        return r->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, r).width();
    }
    return c->contentsRect().width();
}

// Lines of a word-wrapped text laid out as a label does it, at the given width.
QList<QTextLine> wrapped(QTextLayout &layout, int width) {
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<QTextLine> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << line;
    }
    layout.endLayout();
    return lines;
}

struct Spec {
    const char *key;
    const char *kind;
    const char *text;
    QRect rect;
    const char *container; // objectName of the group box or tab page it lives in
    int textPixels;        // 0: the default size
    bool bold;
    Qt::Alignment align;
};

const Qt::Alignment L = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment C = Qt::AlignCenter;
const Qt::Alignment T = Qt::AlignLeft | Qt::AlignTop;

// Design state of every control. Label11, G2C_LBL and Connected_Label use 12 instead of the
// default 13, the four long bold notes 9 instead of 10: the design sizes overflow their boxes
// with the desktop's fonts.
const Spec kControls[] = {
    {"GroupBox2", "QGroupBox", "", {20, 16, 390, 78}, "Window1Content", 0, false, {}},
    {"GroupBox1", "QGroupBox", "", {422, 16, 390, 78}, "Window1Content", 0, false, {}},
    {"Tabs", "QTabWidget", "", {20, 102, 792, 475}, "Window1Content", 0, false, {}},
    {"Label1", "QLabel", "Output:", {29, 25, 56, 20}, "GroupBox2", 0, false, L},
    {"Output_LBL", "QLabel", "", {86, 25, 133, 20}, "GroupBox2", 0, false, L},
    {"Label11", "QLabel", "Deep Color:", {242, 25, 73, 20}, "GroupBox2", 12, false, L},
    {"DeepColor_LBL", "QLabel", "", {327, 25, 75, 20}, "GroupBox2", 0, false, L},
    {"Label2", "QLabel", "Format:", {29, 45, 100, 20}, "GroupBox2", 0, false, L},
    {"Format_LBL", "QLabel", "", {86, 45, 151, 20}, "GroupBox2", 0, false, L},
    {"Ch_LBL", "QLabel", "Channels:", {242, 45, 73, 20}, "GroupBox2", 0, false, L},
    {"Channels_LBL", "QLabel", "", {327, 45, 75, 20}, "GroupBox2", 0, false, L},
    {"G2C_LBL", "QLabel", "Gray2Color:", {242, 65, 73, 20}, "GroupBox2", 12, false, L},
    {"Gray2Color_LBL", "QLabel", "", {327, 65, 75, 20}, "GroupBox2", 0, false, L},
    {"Label4", "QLabel", "Group:", {436, 25, 48, 20}, "GroupBox1", 0, false, L},
    {"Group_LBL", "QLabel", "", {525, 25, 265, 20}, "GroupBox1", 0, false, L},
    {"Label3", "QLabel", "Pattern:", {436, 45, 54, 20}, "GroupBox1", 0, false, L},
    {"Pattern_LBL", "QLabel", "", {525, 45, 265, 20}, "GroupBox1", 0, false, L},
    {"Label19", "QLabel", "GS Windows:", {436, 65, 87, 20}, "GroupBox1", 0, false, L},
    {"Border_LBL", "QLabel", "", {525, 65, 265, 20}, "GroupBox1", 0, false, L},

    {"Label13", "QLabel", "User Patterns", {66, 130, 101, 20}, "UserPage", 0, false, L},
    {"Label5", "QLabel", "Red", {46, 158, 50, 20}, "UserPage", 0, false, L},
    {"Red_TF", "QLineEdit", "", {96, 156, 50, 22}, "UserPage", 0, false, {}},
    {"Label6", "QLabel", "Green", {46, 188, 50, 20}, "UserPage", 0, false, L},
    {"Green_TF", "QLineEdit", "", {96, 186, 50, 22}, "UserPage", 0, false, {}},
    {"Label7", "QLabel", "Blue", {46, 218, 50, 20}, "UserPage", 0, false, L},
    {"Blue_TF", "QLineEdit", "", {96, 216, 50, 22}, "UserPage", 0, false, {}},
    {"ColorWindow_BB",
     "QPushButton",
     "Color Window",
     {46, 251, 114, 21},
     "UserPage",
     10,
     false,
     {}},
    {"ColorField_BB", "QPushButton", "Color Field", {46, 281, 114, 21}, "UserPage", 10, false, {}},
    {"DefaultColor_PB",
     "QPushButton",
     "Default Colors",
     {46, 311, 114, 21},
     "UserPage",
     10,
     false,
     {}},
    {"Label8", "QLabel", "Gray", {46, 355, 50, 20}, "UserPage", 0, false, L},
    {"Gray_TF", "QLineEdit", "", {96, 354, 50, 22}, "UserPage", 0, false, {}},
    {"Window_BB", "QPushButton", "Window", {47, 388, 114, 21}, "UserPage", 10, false, {}},
    {"Field_BB", "QPushButton", "Field", {46, 417, 114, 21}, "UserPage", 10, false, {}},
    {"Checkerbd_BB", "QPushButton", "Checkerboard", {46, 446, 114, 21}, "UserPage", 10, false, {}},
    {"InvCheckerbd_BB",
     "QPushButton",
     "Inv Checkerboard",
     {46, 477, 114, 21},
     "UserPage",
     10,
     false,
     {}},
    {"WindowsBorder_PB",
     "QPushButton",
     "Windows Border",
     {45, 507, 114, 21},
     "UserPage",
     10,
     false,
     {}},
    {"DefaultBorders_PB",
     "QPushButton",
     "Default Borders",
     {46, 539, 114, 21},
     "UserPage",
     10,
     false,
     {}},

    {"GroupBox3", "QGroupBox", "", {186, 168, 109, 351}, "UserPage", 12, false, {}},
    {"Label15", "QLabel", "User Values", {192, 179, 100, 20}, "GroupBox3", 12, false, C},
    {"UserValuesRB[0]", "QRadioButton", "", {197, 201, 18, 60}, "GroupBox3", 12, false, {}},
    {"Label16",
     "QLabel",
     "8/10-bit 0%-100%  109% max",
     {225, 210, 66, 55},
     "GroupBox3",
     12,
     false,
     T},
    {"UserValuesRB[1]", "QRadioButton", "", {197, 264, 18, 51}, "GroupBox3", 12, false, {}},
    {"Label_8b",
     "QLabel",
     "8-bit  16-235 1-254 min-max",
     {225, 269, 62, 66},
     "GroupBox3",
     12,
     false,
     T},
    {"UserValuesRB[2]", "QRadioButton", "", {197, 339, 18, 51}, "GroupBox3", 12, false, {}},
    {"Label_10b",
     "QLabel",
     "10-bit  64-940 4-1019 min-max",
     {225, 344, 62, 66},
     "GroupBox3",
     12,
     false,
     T},
    {"GroupBox4", "QGroupBox", "", {198, 426, 85, 77}, "GroupBox3", 12, false, {}},
    {"Label20", "QLabel", "HDMI Range", {203, 426, 80, 20}, "GroupBox4", 11, false, C},
    {"Range_RB[0]", "QRadioButton", "Standard", {208, 448, 67, 20}, "GroupBox4", 10, false, {}},
    {"Range_RB[1]", "QRadioButton", "Full", {208, 473, 54, 20}, "GroupBox4", 10, false, {}},

    {"Label10", "QLabel", "History", {355, 178, 57, 20}, "UserPage", 0, false, L},
    {"Label9", "QLabel", "Record:", {340, 208, 42, 20}, "UserPage", 10, false, L},
    {"Record", "QLabel", "All", {388, 208, 50, 20}, "UserPage", 10, false, L},
    {"RecordUser_PB",
     "QPushButton",
     "User Patterns",
     {340, 241, 80, 20},
     "UserPage",
     10,
     false,
     {}},
    {"RecordAll_PB", "QPushButton", "All Patterns", {340, 276, 80, 20}, "UserPage", 10, false, {}},
    {"Delete_PB", "QPushButton", "Delete Line", {340, 326, 80, 20}, "UserPage", 10, false, {}},
    {"DeleteAll_PB", "QPushButton", "Delete All", {340, 361, 80, 20}, "UserPage", 10, false, {}},
    {"SendPrev_PB", "QPushButton", "Send Prev", {340, 411, 80, 20}, "UserPage", 10, false, {}},
    {"Send_PB", "QPushButton", "Send", {340, 446, 80, 20}, "UserPage", 10, false, {}},
    {"SendNext_PB", "QPushButton", "Send Next", {340, 481, 80, 20}, "UserPage", 10, false, {}},
    {"User_LB", "QTreeWidget", "", {442, 151, 337, 370}, "UserPage", 0, false, {}},
    {"Label14",
     "QLabel",
     "Click and Drag to Change Order",
     {528, 535, 182, 20},
     "UserPage",
     10,
     false,
     L},

    {"PageNumber_Label1112",
     "QLabel",
     "Establish USB Connection",
     {145, 150, 199, 20},
     "UsbPage",
     0,
     true,
     L},
    {"BaudRate_Label1",
     "QLabel",
     "HXT-2416 must be powered on before opening this application",
     {57, 186, 345, 20},
     "UsbPage",
     9,
     true,
     L},
    {"BaudRate_Label11",
     "QLabel",
     "The serial port is normally set automatically, else select below:",
     {57, 221, 345, 20},
     "UsbPage",
     9,
     true,
     L},
    {"SerialPort_Label",
     "QLabel",
     "Select Serial Port:",
     {57, 253, 117, 20},
     "UsbPage",
     0,
     false,
     L},
    {"PortPopup", "QComboBox", "none", {175, 253, 188, 20}, "UsbPage", 0, false, {}},
    {"Connected_Label", "QLabel", "Connected:", {57, 285, 70, 20}, "UsbPage", 12, false, L},
    {"Connected_Text", "QLabel", "No", {141, 285, 31, 20}, "UsbPage", 0, false, L},
    {"BaudRate_Label",
     "QLabel",
     "Recommended: Use 115200 Baud Rate for most PCs & Macs",
     {57, 331, 314, 20},
     "UsbPage",
     9,
     true,
     L},
    {"PageNumber_Label11111",
     "QLabel",
     " To change HXT-2416 Default Baud Rate:",
     {64, 354, 319, 20},
     "UsbPage",
     10,
     true,
     L},
    {"PageNumber_Label1111",
     "QLabel",
     "Select baud rate in Defaults/USB Baud menu, then",
     {83, 376, 319, 20},
     "UsbPage",
     10,
     true,
     L},
    {"PageNumber_Label111111",
     "QLabel",
     "save using Save Items/Enter and restart the HXT-2416",
     {83, 395, 319, 20},
     "UsbPage",
     10,
     true,
     L},
    {"SerialPort_Label1",
     "QLabel",
     "Select Alternate Baud Rate:",
     {57, 439, 180, 20},
     "UsbPage",
     0,
     false,
     L},
    {"BaudPopup", "QComboBox", "115200", {242, 438, 100, 20}, "UsbPage", 0, false, {}},
    {"PageNumber_Label11121",
     "QLabel",
     "Test USB Connection",
     {540, 150, 199, 20},
     "UsbPage",
     0,
     true,
     L},
    {"BaudRate_Label12",
     "QLabel",
     "HXT-2416 can be reconnected without closing this application:",
     {451, 186, 345, 20},
     "UsbPage",
     9,
     true,
     L},
    {"ConnectPB",
     "QPushButton",
     "Reconnect After HXT-2416 Power Cycled",
     {451, 220, 315, 20},
     "UsbPage",
     0,
     false,
     {}},
    {"PageNumber_Label11",
     "QLabel",
     "Verify Connection:",
     {451, 285, 129, 20},
     "UsbPage",
     0,
     false,
     L},
    {"IDPB", "QPushButton", "ID #", {598, 285, 66, 20}, "UsbPage", 0, false, {}},
    {"VersionPB", "QPushButton", "Version", {688, 285, 66, 20}, "UsbPage", 0, false, {}},
    {"TypeCommand_Label",
     "QLabel",
     "Type HXT-2416 Command  (followed by Return):",
     {451, 320, 328, 20},
     "UsbPage",
     0,
     false,
     L},
    {"TxText", "QLineEdit", "", {451, 352, 315, 25}, "UsbPage", 0, false, {}},
    {"Reply_Label", "QLabel", "HXT-2416 Reply:", {451, 391, 160, 20}, "UsbPage", 0, false, L},
    {"RxText", "QTextEdit", "", {451, 418, 315, 42}, "UsbPage", 0, false, {}},
};

const int kDefaultPixels = 13;

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controlDesignState_data();
    void controlDesignState();
    void everyControlIsInTheTable();
    void captionsFit_data();
    void captionsFit();
    void frameIsFixed();
    void designStateOfChoices();
    void radioGroupsAreIndependent();
    void historyListSettings();
    void historyRowsStayFlat();
    void historyRefusesForeignDrops();
    void saveScreenshots();

private:
    std::unique_ptr<Rig> rig;
    Window1 *w = nullptr;
};

void WindowTest::init() {
    rig = std::make_unique<Rig>();
    w = rig->window.get();
    w->show();
    pumpEvents(0);
}

void WindowTest::cleanup() {
    w = nullptr;
    rig.reset();
}

void WindowTest::controlDesignState_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("container");
    QTest::addColumn<int>("textPixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("align");
    for (const Spec &s : kControls) {
        QTest::newRow(s.key) << QString::fromLatin1(s.key) << QString::fromLatin1(s.kind)
                             << QString::fromLatin1(s.text) << s.rect
                             << QString::fromLatin1(s.container) << s.textPixels << s.bold
                             << int(s.align);
    }
}

void WindowTest::controlDesignState() {
    QFETCH(QString, key);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    QFETCH(QString, container);
    QFETCH(int, textPixels);
    QFETCH(bool, bold);
    QFETCH(int, align);

    QWidget *c = control(w, key);
    QVERIFY2(c, qPrintable(key));
    QCOMPARE(QString::fromLatin1(c->metaObject()->className()), kind);
    QCOMPARE(shownText(c), text);
    QCOMPARE(c->property("hxtRect").toRect(), rect);

    bringForward(w, c);
    const QRect placed(c->mapTo(w->contentArea(), QPoint()), c->size());
    QCOMPARE(placed, rect);
    QVERIFY(c->isVisible());
    QVERIFY(c->isEnabled());

    QCOMPARE(c->parentWidget()->objectName(), container);
    QCOMPARE(c->font().pixelSize(), textPixels ? textPixels : kDefaultPixels);
    QCOMPARE(c->font().bold(), bold);
    if (auto *l = qobject_cast<QLabel *>(c)) {
        QCOMPARE(int(l->alignment()), align);
        QCOMPARE(l->textFormat(), Qt::PlainText);
        QCOMPARE(l->wordWrap(), align == int(T));
    }
}

void WindowTest::everyControlIsInTheTable() {
    // A control added without a row here would escape the checks above.
    QSet<QWidget *> listed;
    for (const Spec &s : kControls)
        listed << control(w, QString::fromLatin1(s.key));
    const auto all = w->contentArea()->findChildren<QWidget *>();
    QStringList missing;
    for (QWidget *c : all) {
        if (c->property("hxtRect").isValid() && !listed.contains(c))
            missing << c->objectName();
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(','))));
    QCOMPARE(listed.size(), int(std::size(kControls)));
}

void WindowTest::captionsFit_data() {
    QTest::addColumn<QString>("key");
    for (const Spec &s : kControls) {
        if (*s.text && (!strcmp(s.kind, "QLabel") || !strcmp(s.kind, "QPushButton") ||
                        !strcmp(s.kind, "QRadioButton") || !strcmp(s.kind, "QComboBox")))
            QTest::newRow(s.key) << QString::fromLatin1(s.key);
    }
}

void WindowTest::captionsFit() {
    QFETCH(QString, key);
    QWidget *c = control(w, key);
    QVERIFY(c);
    bringForward(w, c);
    const QFontMetrics fm(c->font());
    const QString text = shownText(c);

    if (auto *l = qobject_cast<QLabel *>(c); l && l->wordWrap()) {
        // Every word must stay inside the box: no line wider than it, no line below it.
        const QRect box = l->contentsRect();
        QTextLayout layout(text, l->font());
        const auto lines = wrapped(layout, box.width());
        qreal height = 0;
        for (const QTextLine &line : lines) {
            const QString part = text.mid(line.textStart(), line.textLength()).trimmed();
            QVERIFY2(fm.horizontalAdvance(part) <= box.width(),
                     qPrintable(QStringLiteral("line \"%1\" is %2 px wide in %3")
                                    .arg(part)
                                    .arg(fm.horizontalAdvance(part))
                                    .arg(box.width())));
            height += line.height();
        }
        QVERIFY2(height <= box.height(), qPrintable(QStringLiteral("%1 lines need %2 px in %3")
                                                        .arg(lines.size())
                                                        .arg(height)
                                                        .arg(box.height())));
        return;
    }

    int room = captionWidth(c);
    if (auto *p = qobject_cast<QComboBox *>(c)) {
        QStyleOptionComboBox opt;
        opt.initFrom(p);
        opt.editable = false;
        room = p->style()
                   ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, p)
                   .width();
    }
    const int advance = fm.horizontalAdvance(text);
    QVERIFY2(advance <= room,
             qPrintable(QStringLiteral("\"%1\" is %2 px wide in %3 px (%4 px font)")
                            .arg(text)
                            .arg(advance)
                            .arg(room)
                            .arg(c->font().pixelSize())));
    QVERIFY2(fm.height() <= c->height(), qPrintable(QString::number(fm.height())));
}

void WindowTest::frameIsFixed() {
    QCOMPARE(w->windowTitle(), QStringLiteral("HXT-2416 Desktop"));
    QCOMPARE(w->contentArea()->size(), QSize(832, 600));
    QVERIFY(w->menuBar()->isVisible());
    QCOMPARE(w->contentArea()->mapTo(w, QPoint()).y(), w->menuBar()->height());

    QCOMPARE(w->minimumSize(), w->maximumSize());
    const QSize before = w->size();
    w->resize(before + QSize(200, 150));
    pumpEvents(0);
    QCOMPARE(w->size(), before);
    QCOMPARE(w->contentArea()->size(), QSize(832, 600));

    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::FramelessWindowHint));
    QVERIFY(!w->isFullScreen());
}

void WindowTest::designStateOfChoices() {
    QCOMPARE(w->Tabs->currentIndex(), 0);
    QCOMPARE(w->Tabs->count(), 2);
    QCOMPARE(w->Tabs->tabText(0), QStringLiteral("User"));
    QCOMPARE(w->Tabs->tabText(1), QStringLiteral("USB "));
    QCOMPARE(w->Tabs->widget(0)->objectName(), QStringLiteral("UserPage"));

    QVERIFY(w->UserValuesRB[0]->isChecked());
    QVERIFY(!w->UserValuesRB[1]->isChecked());
    QVERIFY(!w->UserValuesRB[2]->isChecked());
    QVERIFY(w->Range_RB[0]->isChecked());
    QVERIFY(!w->Range_RB[1]->isChecked());

    QCOMPARE(w->PortPopup->count(), 1);
    QCOMPARE(w->PortPopup->currentIndex(), 0);
    const QStringList rates = {"9600", "19200", "38400", "115200", "230400"};
    QCOMPARE(w->BaudPopup->count(), int(rates.size()));
    for (int i = 0; i < rates.size(); ++i)
        QCOMPARE(w->BaudPopup->itemText(i), rates.at(i));
    QCOMPARE(w->BaudPopup->currentIndex(), 3);
    QCOMPARE(rig->ports->baudRate(), 115200); // BaudPopup_Open ran

    for (QPushButton *b : w->contentArea()->findChildren<QPushButton *>())
        QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));
    for (QLineEdit *f : {w->Red_TF, w->Green_TF, w->Blue_TF, w->Gray_TF, w->TxText}) {
        QVERIFY(f->hasFrame());
        QVERIFY(!f->isReadOnly());
        QCOMPARE(f->maxLength(), QLineEdit().maxLength());
        QVERIFY(f->inputMask().isEmpty());
        QVERIFY(f->placeholderText().isEmpty());
    }
    QVERIFY(!w->RxText->isReadOnly());
    QCOMPARE(w->RxText->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(w->RxText->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(w->RxText->tabChangesFocus());
    QVERIFY(w->RxText->acceptRichText());
}

void WindowTest::radioGroupsAreIndependent() {
    QTest::mouseClick(w->Range_RB[1], Qt::LeftButton);
    QVERIFY(w->Range_RB[1]->isChecked());
    QVERIFY(!w->Range_RB[0]->isChecked());
    QVERIFY(w->UserValuesRB[0]->isChecked());

    QTest::mouseClick(w->UserValuesRB[2], Qt::LeftButton);
    QVERIFY(w->UserValuesRB[2]->isChecked());
    QVERIFY(!w->UserValuesRB[0]->isChecked());
    QVERIFY(w->Range_RB[1]->isChecked());

    // Each array is one exclusive group: choosing another member clears the first.
    QTest::mouseClick(w->UserValuesRB[1], Qt::LeftButton);
    QVERIFY(w->UserValuesRB[1]->isChecked());
    QVERIFY(!w->UserValuesRB[2]->isChecked());
    QTest::mouseClick(w->Range_RB[0], Qt::LeftButton);
    QVERIFY(w->Range_RB[0]->isChecked());
    QVERIFY(!w->Range_RB[1]->isChecked());
    QVERIFY(w->UserValuesRB[1]->isChecked());
}

void WindowTest::historyListSettings() {
    QTreeWidget *lb = w->User_LB;
    QCOMPARE(lb->columnCount(), 5);
    const QStringList headings = {"        Pattern", "Gray", "Red", "Green", "Blue"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(lb->headerItem()->text(i), headings.at(i));
    QVERIFY(!lb->isHeaderHidden());
    QHeaderView *h = lb->header();
    const int widths[4] = {120, 50, 50, 50};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(h->sectionSize(i), widths[i]);
    QCOMPARE(h->sectionSize(4), lb->viewport()->width() - 270); // the fifth takes the rest
    for (int i = 0; i < 5; ++i)
        QCOMPARE(h->sectionResizeMode(i), QHeaderView::Fixed);
    QVERIFY(!h->sectionsMovable());
    QVERIFY(!h->isSortIndicatorShown());
    QVERIFY(!lb->isSortingEnabled());

    QCOMPARE(lb->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(lb->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(lb->verticalScrollBar()->isVisible()); // shown with no rows at all
    QCOMPARE(lb->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(lb->dragDropMode(), QAbstractItemView::InternalMove);
    QCOMPARE(lb->defaultDropAction(), Qt::MoveAction);
    QVERIFY(!lb->rootIsDecorated());
    QVERIFY(lb->frameShape() != QFrame::NoFrame);

    // One row at most; clicking another row moves the selection.
    for (const char *name : {"ColorBars75", "RedField75", "UserWindow"})
        new QTreeWidgetItem(lb, {QString::fromLatin1(name)});
    lb->setCurrentItem(lb->topLevelItem(0));
    QTest::mouseClick(lb->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      lb->visualItemRect(lb->topLevelItem(2)).center());
    QCOMPARE(lb->selectedItems().size(), 1);
    QCOMPARE(lb->selectedItems().first()->text(0), QStringLiteral("UserWindow"));
}

void WindowTest::historyRowsStayFlat() {
    QTreeWidget *lb = w->User_LB;
    // Rows created the ways a caller might: with the list as parent, or added afterwards.
    new QTreeWidgetItem(lb, {"ColorBars75", "", "", "", ""});
    new QTreeWidgetItem(lb, {"UserWindow", "50", "", "", ""});
    auto *third = new QTreeWidgetItem({"GrayField10", "", "", "", ""});
    lb->addTopLevelItem(third);
    lb->insertTopLevelItem(0, new QTreeWidgetItem({"Pluge", "", "", "", ""}));

    // A row is never a drop target, so a drop in the middle of a row lands between rows.
    for (int i = 0; i < lb->topLevelItemCount(); ++i)
        QVERIFY2(!(lb->topLevelItem(i)->flags() & Qt::ItemIsDropEnabled),
                 qPrintable(QString::number(i)));
    QVERIFY(lb->model()->flags(QModelIndex()) & Qt::ItemIsDropEnabled);
    for (int i = 0; i < lb->topLevelItemCount(); ++i)
        QVERIFY(lb->topLevelItem(i)->flags() & Qt::ItemIsDragEnabled);

    // Dropped onto a row through the model: the row still ends up beside it, not inside it.
    QAbstractItemModel *m = lb->model();
    std::unique_ptr<QMimeData> mime(m->mimeData({m->index(0, 0)}));
    QVERIFY(mime);
    QVERIFY(m->dropMimeData(mime.get(), Qt::MoveAction, -1, -1, m->index(2, 0)));
    pumpEvents(0);
    QCOMPARE(lb->topLevelItemCount(), 5);
    for (int i = 0; i < lb->topLevelItemCount(); ++i)
        QCOMPARE(lb->topLevelItem(i)->childCount(), 0);
    QCOMPARE(lb->topLevelItem(3)->text(0), QStringLiteral("Pluge"));

    // The move itself, as the drop finishes it: the dragged row leaves its old place.
    delete lb->takeTopLevelItem(0);
    QStringList order;
    for (int i = 0; i < lb->topLevelItemCount(); ++i)
        order << lb->topLevelItem(i)->text(0);
    QCOMPARE(order, QStringList({"ColorBars75", "UserWindow", "Pluge", "GrayField10"}));
}

void WindowTest::historyRefusesForeignDrops() {
    QTreeWidget *lb = w->User_LB;
    new QTreeWidgetItem(lb, {"ColorBars75"});
    QMimeData mime;
    mime.setText(QStringLiteral("RedField75,,,,"));
    const QPoint at = lb->visualItemRect(lb->topLevelItem(0)).center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(lb->viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(lb->viewport(), &drop);
    QCOMPARE(lb->topLevelItemCount(), 1);
    QCOMPARE(lb->topLevelItem(0)->childCount(), 0);
}

// Not a check: writes what the window looks like when HXT_SCREENSHOT_DIR names a folder.
void WindowTest::saveScreenshots() {
    const QString dir = qEnvironmentVariable("HXT_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("HXT_SCREENSHOT_DIR not set");
    QVERIFY(QDir().mkpath(dir));
    for (int i = 0; i < w->Tabs->count(); ++i) {
        w->Tabs->setCurrentIndex(i);
        pumpEvents(50);
        const QString file = QStringLiteral("%1/tab%2.png").arg(dir).arg(i);
        QVERIFY(w->grab().save(file));
    }
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
