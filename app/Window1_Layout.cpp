// The controls of the main window in their design state. Geometry is given in content-area
// pixels for every control, whatever its container; placeControls() maps it into the parent.
#include "app/Window1.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

namespace {

const char *const kSpecRect = "hxtRect";

// The history list shows grid lines between rows and columns, in the style's grid colour.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QColor grid = QColor::fromRgba(
            uint(option.widget ? option.widget->style()->styleHint(QStyle::SH_Table_GridLineColor,
                                                                   &option, option.widget)
                               : 0));
        painter->save();
        painter->setPen(grid.isValid() && grid.alpha() > 0 ? grid : option.palette.mid().color());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }
};

// Captions that overflow their box with the desktop's fonts at the design size get the nearest
// size that fits: 13 -> 12 for the default size, 10 -> 9 for the long bold notes.
const int kFit12 = 12;
const int kFit9 = 9;

// The geometry comes from a 72-dpi desktop, where a point is a pixel.
void setTextSize(QWidget *w, int pixels, bool bold = false) {
    QFont f = w->font();
    if (pixels > 0)
        f.setPixelSize(pixels);
    f.setBold(bold);
    w->setFont(f);
}

template <typename W> W *make(QWidget *parent, const char *name, int l, int t, int w, int h) {
    auto *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setProperty(kSpecRect, QRect(l, t, w, h));
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, int l, int t, int w, int h,
              int textSize = 0, bool bold = false) {
    auto *lbl = make<QLabel>(parent, name, l, t, w, h);
    lbl->setText(text);
    lbl->setTextFormat(Qt::PlainText);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextSize(lbl, textSize, bold);
    return lbl;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int l, int t, int w,
                    int h, int textSize = 0) {
    auto *b = make<QPushButton>(parent, name, l, t, w, h);
    b->setText(text);
    b->setAutoDefault(false);
    b->setDefault(false);
    setTextSize(b, textSize);
    return b;
}

QLineEdit *field(QWidget *parent, const char *name, int l, int t, int w, int h) {
    auto *f = make<QLineEdit>(parent, name, l, t, w, h);
    f->setFrame(true);
    return f;
}

// Moves rows nested under a row back to the top level, right after the row they were under.
void flattenHistoryRows(QTreeWidget *list) {
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = list->topLevelItem(row);
        int at = row + 1;
        while (item->childCount() > 0) {
            QTreeWidgetItem *child = item->takeChild(0);
            list->insertTopLevelItem(at++, child);
        }
    }
}

} // namespace

void Window1::createControls() {
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("Window1Content"));
    content_->setFixedSize(832, 600);
    setCentralWidget(content_);
    setTextSize(content_, 13);

    GroupBox2 = make<QGroupBox>(content_, "GroupBox2", 20, 16, 390, 78);
    GroupBox1 = make<QGroupBox>(content_, "GroupBox1", 422, 16, 390, 78);
    Tabs = make<QTabWidget>(content_, "Tabs", 20, 102, 792, 475);
    auto *userPage = new QWidget;
    userPage->setObjectName(QStringLiteral("UserPage"));
    auto *usbPage = new QWidget;
    usbPage->setObjectName(QStringLiteral("UsbPage"));
    Tabs->addTab(userPage, QStringLiteral("User"));
    Tabs->addTab(usbPage, QStringLiteral("USB "));
    Tabs->setCurrentIndex(0);

    // Signal status.
    QWidget *g2 = GroupBox2;
    Label1 = label(g2, "Label1", QStringLiteral("Output:"), 29, 25, 56, 20);
    Output_LBL = label(g2, "Output_LBL", QString(), 86, 25, 133, 20);
    Label11 = label(g2, "Label11", QStringLiteral("Deep Color:"), 242, 25, 73, 20, kFit12);
    DeepColor_LBL = label(g2, "DeepColor_LBL", QString(), 327, 25, 75, 20);
    Label2 = label(g2, "Label2", QStringLiteral("Format:"), 29, 45, 100, 20);
    Format_LBL = label(g2, "Format_LBL", QString(), 86, 45, 151, 20);
    Ch_LBL = label(g2, "Ch_LBL", QStringLiteral("Channels:"), 242, 45, 73, 20);
    Channels_LBL = label(g2, "Channels_LBL", QString(), 327, 45, 75, 20);
    G2C_LBL = label(g2, "G2C_LBL", QStringLiteral("Gray2Color:"), 242, 65, 73, 20, kFit12);
    Gray2Color_LBL = label(g2, "Gray2Color_LBL", QString(), 327, 65, 75, 20);

    // Pattern status.
    QWidget *g1 = GroupBox1;
    Label4 = label(g1, "Label4", QStringLiteral("Group:"), 436, 25, 48, 20);
    Group_LBL = label(g1, "Group_LBL", QString(), 525, 25, 265, 20);
    Label3 = label(g1, "Label3", QStringLiteral("Pattern:"), 436, 45, 54, 20);
    Pattern_LBL = label(g1, "Pattern_LBL", QString(), 525, 45, 265, 20);
    Label19 = label(g1, "Label19", QStringLiteral("GS Windows:"), 436, 65, 87, 20);
    Border_LBL = label(g1, "Border_LBL", QString(), 525, 65, 265, 20);

    // Tab "User": levels and user pattern buttons.
    QWidget *u = userPage;
    Label13 = label(u, "Label13", QStringLiteral("User Patterns"), 66, 130, 101, 20);
    Label5 = label(u, "Label5", QStringLiteral("Red"), 46, 158, 50, 20);
    Red_TF = field(u, "Red_TF", 96, 156, 50, 22);
    Label6 = label(u, "Label6", QStringLiteral("Green"), 46, 188, 50, 20);
    Green_TF = field(u, "Green_TF", 96, 186, 50, 22);
    Label7 = label(u, "Label7", QStringLiteral("Blue"), 46, 218, 50, 20);
    Blue_TF = field(u, "Blue_TF", 96, 216, 50, 22);
    ColorWindow_BB =
        button(u, "ColorWindow_BB", QStringLiteral("Color Window"), 46, 251, 114, 21, 10);
    ColorField_BB = button(u, "ColorField_BB", QStringLiteral("Color Field"), 46, 281, 114, 21, 10);
    DefaultColor_PB =
        button(u, "DefaultColor_PB", QStringLiteral("Default Colors"), 46, 311, 114, 21, 10);
    Label8 = label(u, "Label8", QStringLiteral("Gray"), 46, 355, 50, 20);
    Gray_TF = field(u, "Gray_TF", 96, 354, 50, 22);
    Window_BB = button(u, "Window_BB", QStringLiteral("Window"), 47, 388, 114, 21, 10);
    Field_BB = button(u, "Field_BB", QStringLiteral("Field"), 46, 417, 114, 21, 10);
    Checkerbd_BB = button(u, "Checkerbd_BB", QStringLiteral("Checkerboard"), 46, 446, 114, 21, 10);
    InvCheckerbd_BB =
        button(u, "InvCheckerbd_BB", QStringLiteral("Inv Checkerboard"), 46, 477, 114, 21, 10);
    WindowsBorder_PB =
        button(u, "WindowsBorder_PB", QStringLiteral("Windows Border"), 45, 507, 114, 21, 10);
    DefaultBorders_PB =
        button(u, "DefaultBorders_PB", QStringLiteral("Default Borders"), 46, 539, 114, 21, 10);

    // Tab "User": value scale and HDMI range; the two radio arrays are separate groups.
    GroupBox3 = make<QGroupBox>(u, "GroupBox3", 186, 168, 109, 351);
    setTextSize(GroupBox3, 12);
    QWidget *g3 = GroupBox3;
    Label15 = label(g3, "Label15", QStringLiteral("User Values"), 192, 179, 100, 20, 12);
    Label15->setAlignment(Qt::AlignCenter);
    const int rbTops[3] = {201, 264, 339};
    const int rbHeights[3] = {60, 51, 51};
    userValuesGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        UserValuesRB[i] = make<QRadioButton>(g3, "UserValuesRB", 197, rbTops[i], 18, rbHeights[i]);
        UserValuesRB[i]->setProperty("index", i);
        setTextSize(UserValuesRB[i], 12);
        userValuesGroup->addButton(UserValuesRB[i], i);
    }
    UserValuesRB[0]->setChecked(true);
    Label16 =
        label(g3, "Label16", QStringLiteral("8/10-bit 0%-100%  109% max"), 225, 210, 66, 55, 12);
    Label_8b =
        label(g3, "Label_8b", QStringLiteral("8-bit  16-235 1-254 min-max"), 225, 269, 62, 66, 12);
    Label_10b = label(g3, "Label_10b", QStringLiteral("10-bit  64-940 4-1019 min-max"), 225, 344,
                      62, 66, 12);
    for (QLabel *multi : {Label16, Label_8b, Label_10b}) {
        multi->setWordWrap(true);
        multi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    GroupBox4 = make<QGroupBox>(g3, "GroupBox4", 198, 426, 85, 77);
    QWidget *g4 = GroupBox4;
    Label20 = label(g4, "Label20", QStringLiteral("HDMI Range"), 203, 426, 80, 20, 11);
    Label20->setAlignment(Qt::AlignCenter);
    rangeGroup = new QButtonGroup(this);
    Range_RB[0] = make<QRadioButton>(g4, "Range_RB", 208, 448, 67, 20);
    Range_RB[0]->setText(QStringLiteral("Standard"));
    Range_RB[1] = make<QRadioButton>(g4, "Range_RB", 208, 473, 54, 20);
    Range_RB[1]->setText(QStringLiteral("Full"));
    for (int i = 0; i < 2; ++i) {
        Range_RB[i]->setProperty("index", i);
        setTextSize(Range_RB[i], 10);
        rangeGroup->addButton(Range_RB[i], i);
    }
    Range_RB[0]->setChecked(true);

    // Tab "User": history.
    Label10 = label(u, "Label10", QStringLiteral("History"), 355, 178, 57, 20);
    Label9 = label(u, "Label9", QStringLiteral("Record:"), 340, 208, 42, 20, 10);
    Record = label(u, "Record", QStringLiteral("All"), 388, 208, 50, 20, 10);
    RecordUser_PB =
        button(u, "RecordUser_PB", QStringLiteral("User Patterns"), 340, 241, 80, 20, 10);
    RecordAll_PB = button(u, "RecordAll_PB", QStringLiteral("All Patterns"), 340, 276, 80, 20, 10);
    Delete_PB = button(u, "Delete_PB", QStringLiteral("Delete Line"), 340, 326, 80, 20, 10);
    DeleteAll_PB = button(u, "DeleteAll_PB", QStringLiteral("Delete All"), 340, 361, 80, 20, 10);
    SendPrev_PB = button(u, "SendPrev_PB", QStringLiteral("Send Prev"), 340, 411, 80, 20, 10);
    Send_PB = button(u, "Send_PB", QStringLiteral("Send"), 340, 446, 80, 20, 10);
    SendNext_PB = button(u, "SendNext_PB", QStringLiteral("Send Next"), 340, 481, 80, 20, 10);

    User_LB = make<QTreeWidget>(u, "User_LB", 442, 151, 337, 370);
    User_LB->setColumnCount(5);
    User_LB->setItemDelegate(new GridDelegate(User_LB));
    User_LB->setHeaderLabels({QStringLiteral("        Pattern"), QStringLiteral("Gray"),
                              QStringLiteral("Red"), QStringLiteral("Green"),
                              QStringLiteral("Blue")});
    User_LB->setRootIsDecorated(false);
    User_LB->setItemsExpandable(false);
    User_LB->setUniformRowHeights(true);
    User_LB->setSelectionMode(QAbstractItemView::SingleSelection);
    User_LB->setSelectionBehavior(QAbstractItemView::SelectRows);
    User_LB->setEditTriggers(QAbstractItemView::NoEditTriggers);
    User_LB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    User_LB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    User_LB->setSortingEnabled(false);
    User_LB->setAttribute(Qt::WA_MacShowFocusRect, false);
    // Rows move within the list only; the invisible root accepts drops, rows do not, so the
    // list stays flat.
    User_LB->setDragEnabled(true);
    User_LB->setAcceptDrops(true);
    User_LB->setDropIndicatorShown(true);
    User_LB->setDragDropMode(QAbstractItemView::InternalMove);
    User_LB->setDefaultDropAction(Qt::MoveAction);
    User_LB->invisibleRootItem()->setFlags(User_LB->invisibleRootItem()->flags() |
                                           Qt::ItemIsDropEnabled);
    connect(User_LB->model(), &QAbstractItemModel::rowsInserted, User_LB,
            [this](const QModelIndex &parent, int first, int last) {
                if (parent.isValid()) {
                    // Whatever put a row inside another, it belongs beside it.
                    QTimer::singleShot(0, User_LB, [this] { flattenHistoryRows(User_LB); });
                    return;
                }
                for (int row = first; row <= last; ++row) {
                    QTreeWidgetItem *item = User_LB->topLevelItem(row);
                    if (item && (item->flags() & Qt::ItemIsDropEnabled))
                        item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
                }
            });
    QHeaderView *header = User_LB->header();
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);
    header->setSectionsClickable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->resizeSection(0, 120);
    header->resizeSection(1, 50);
    header->resizeSection(2, 50);
    header->resizeSection(3, 50);
    // The stretched fifth column never gets narrower than its own size: keep that below the rest.
    header->setMinimumSectionSize(1);
    header->resizeSection(4, 1);
    Label14 = label(u, "Label14", QStringLiteral("Click and Drag to Change Order"), 528, 535, 182,
                    20, 10);

    // Tab "USB ": connection panel.
    QWidget *s = usbPage;
    PageNumber_Label1112 =
        label(s, "PageNumber_Label1112", QStringLiteral("Establish USB Connection"), 145, 150, 199,
              20, 0, true);
    BaudRate_Label1 =
        label(s, "BaudRate_Label1",
              QStringLiteral("HXT-2416 must be powered on before opening this application"), 57,
              186, 345, 20, kFit9, true);
    BaudRate_Label11 =
        label(s, "BaudRate_Label11",
              QStringLiteral("The serial port is normally set automatically, else select below:"),
              57, 221, 345, 20, kFit9, true);
    SerialPort_Label =
        label(s, "SerialPort_Label", QStringLiteral("Select Serial Port:"), 57, 253, 117, 20);
    PortPopup = make<QComboBox>(s, "PortPopup", 175, 253, 188, 20);
    PortPopup->addItem(QStringLiteral("none"));
    PortPopup->setCurrentIndex(0);
    Connected_Label =
        label(s, "Connected_Label", QStringLiteral("Connected:"), 57, 285, 70, 20, kFit12);
    Connected_Text = label(s, "Connected_Text", QStringLiteral("No"), 141, 285, 31, 20);
    // The stored text doubles the ampersand; shown as plain text, a single one is meant.
    BaudRate_Label = label(s, "BaudRate_Label",
                           QStringLiteral("Recommended: Use 115200 Baud Rate for most PCs & Macs"),
                           57, 331, 314, 20, kFit9, true);
    PageNumber_Label11111 =
        label(s, "PageNumber_Label11111", QStringLiteral(" To change HXT-2416 Default Baud Rate:"),
              64, 354, 319, 20, 10, true);
    PageNumber_Label1111 = label(s, "PageNumber_Label1111",
                                 QStringLiteral("Select baud rate in Defaults/USB Baud menu, then"),
                                 83, 376, 319, 20, 10, true);
    PageNumber_Label111111 =
        label(s, "PageNumber_Label111111",
              QStringLiteral("save using Save Items/Enter and restart the HXT-2416"), 83, 395, 319,
              20, 10, true);
    SerialPort_Label1 = label(s, "SerialPort_Label1", QStringLiteral("Select Alternate Baud Rate:"),
                              57, 439, 180, 20);
    BaudPopup = make<QComboBox>(s, "BaudPopup", 242, 438, 100, 20);
    BaudPopup->addItems({QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                         QStringLiteral("115200"), QStringLiteral("230400")});
    BaudPopup->setCurrentIndex(3);

    // Tab "USB ": connection test and command terminal.
    PageNumber_Label11121 = label(s, "PageNumber_Label11121", QStringLiteral("Test USB Connection"),
                                  540, 150, 199, 20, 0, true);
    BaudRate_Label12 =
        label(s, "BaudRate_Label12",
              QStringLiteral("HXT-2416 can be reconnected without closing this application:"), 451,
              186, 345, 20, kFit9, true);
    ConnectPB = button(s, "ConnectPB", QStringLiteral("Reconnect After HXT-2416 Power Cycled"), 451,
                       220, 315, 20);
    PageNumber_Label11 =
        label(s, "PageNumber_Label11", QStringLiteral("Verify Connection:"), 451, 285, 129, 20);
    IDPB = button(s, "IDPB", QStringLiteral("ID #"), 598, 285, 66, 20);
    VersionPB = button(s, "VersionPB", QStringLiteral("Version"), 688, 285, 66, 20);
    TypeCommand_Label =
        label(s, "TypeCommand_Label",
              QStringLiteral("Type HXT-2416 Command  (followed by Return):"), 451, 320, 328, 20);
    TxText = field(s, "TxText", 451, 352, 315, 25);
    Reply_Label = label(s, "Reply_Label", QStringLiteral("HXT-2416 Reply:"), 451, 391, 160, 20);
    RxText = make<QTextEdit>(s, "RxText", 451, 418, 315, 42);
    RxText->setAcceptRichText(true);
    RxText->setReadOnly(false);
    RxText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RxText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RxText->setTabChangesFocus(true);
    RxText->setAttribute(Qt::WA_MacShowFocusRect, false);

    for (QLineEdit *f : {Red_TF, Green_TF, Blue_TF, Gray_TF, TxText})
        f->setAttribute(Qt::WA_MacShowFocusRect, true);
}

void Window1::placeControls() {
    // Parents first, so that each child is mapped against its parent's final position.
    std::function<void(QWidget *)> place = [&](QWidget *parent) {
        const auto children = parent->children();
        for (QObject *child : children) {
            auto *w = qobject_cast<QWidget *>(child);
            if (!w || w->isWindow())
                continue;
            const QVariant spec = w->property(kSpecRect);
            if (spec.isValid()) {
                const QPoint origin =
                    parent == content_ ? QPoint() : parent->mapTo(content_, QPoint());
                w->setGeometry(spec.toRect().translated(-origin));
            }
            place(w);
        }
    };
    place(content_);
}
