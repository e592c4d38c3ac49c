#include "app/Window1.h"

#include "app/AboutWindow.h"
#include "app/MenuBar1.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>

Window1::Window1(Platform platform, MenuBar1 *menuBar, QWidget *parent)
    : QMainWindow(parent), platform_(std::move(platform)), menuBar_(menuBar) {
    setObjectName(QStringLiteral("Window1"));
    setWindowTitle(QStringLiteral("HXT-2416 Desktop"));
    Serial1 = platform_.serial.get();
    Serial1->setBaudRate(19200); // design-time setting; BaudPopup_Open sets the real rate
    if (menuBar_)
        setMenuBar(menuBar_);

    createControls();
    placeControls();
    connectControls();

    // Fixed content area: no resize, no maximise.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(sizeHint());

    // The controls' own open handling.
    BaudPopup_Open();
    User_LB_Open();
    AddMenuHandlers();
}

Window1::~Window1() = default;

void Window1::connectControls() {
    connect(Serial1, &SerialPort::dataAvailable, this, &Window1::Serial1_DataAvailable);
    connect(Serial1, &SerialPort::errorOccurred, this, &Window1::Serial1_Error);
    connect(Tabs, &QTabWidget::currentChanged, this, [this] { Tabs_Change(); });
    connect(PortPopup, &QComboBox::currentIndexChanged, this, [this] { PortPopup_Change(); });
    connect(BaudPopup, &QComboBox::currentIndexChanged, this, [this] { BaudPopup_Change(); });
    connect(ConnectPB, &QPushButton::clicked, this, [this] { ConnectPB_Action(); });
    connect(VersionPB, &QPushButton::clicked, this, [this] { VersionPB_Action(); });
    connect(IDPB, &QPushButton::clicked, this, [this] { IDPB_Action(); });
    connect(RecordUser_PB, &QPushButton::clicked, this, [this] { RecordUser_PB_Action(); });
    connect(RecordAll_PB, &QPushButton::clicked, this, [this] { RecordAll_PB_Action(); });
    connect(Delete_PB, &QPushButton::clicked, this, [this] { Delete_PB_Action(); });
    connect(DeleteAll_PB, &QPushButton::clicked, this, [this] { DeleteAll_PB_Action(); });
    connect(Send_PB, &QPushButton::clicked, this, [this] { Send_PB_Action(); });
    connect(SendNext_PB, &QPushButton::clicked, this, [this] { SendNext_PB_Action(); });
    connect(SendPrev_PB, &QPushButton::clicked, this, [this] { SendPrev_PB_Action(); });
    connect(rangeGroup, &QButtonGroup::idClicked, this, [this] { Range_RB_Action(); });
    connect(DefaultColor_PB, &QPushButton::clicked, this, [this] { DefaultColor_PB_Action(); });
    connect(ColorWindow_BB, &QPushButton::clicked, this, [this] { ColorWindow_BB_Action(); });
    connect(ColorField_BB, &QPushButton::clicked, this, [this] { ColorField_BB_Action(); });
    connect(Window_BB, &QPushButton::clicked, this, [this] { Window_BB_Action(); });
    connect(Field_BB, &QPushButton::clicked, this, [this] { Field_BB_Action(); });
    connect(Checkerbd_BB, &QPushButton::clicked, this, [this] { Checkerbd_BB_Action(); });
    connect(InvCheckerbd_BB, &QPushButton::clicked, this, [this] { InvCheckerbd_BB_Action(); });
    connect(WindowsBorder_PB, &QPushButton::clicked, this, [this] { WindowsBorder_PB_Action(); });
    connect(DefaultBorders_PB, &QPushButton::clicked, this,
            [this] { DefaultBorders_PB_Action(); });
    TxText->installEventFilter(this);
    // The tab pages get their final geometry from the tab widget; controls follow them.
    for (int i = 0; i < Tabs->count(); ++i)
        Tabs->widget(i)->installEventFilter(this);
    // Escape presses the "Version" button, as a cancel button would be pressed.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, VersionPB, &QPushButton::click);
}

bool Window1::eventFilter(QObject *watched, QEvent *event) {
    if (watched == TxText && event->type() == QEvent::KeyPress) {
        return TxText_KeyDown(static_cast<QKeyEvent *>(event));
    }
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move) {
        if (Tabs && watched->parent() && watched->parent()->parent() == Tabs)
            placeControls();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Window1::repaintNow(QWidget *w) {
    if (w->isVisible())
        w->repaint();
}

QAction *Window1::menuItem(const QString &name, int index) const {
    return menuBar_ ? menuBar_->item(name, index) : nullptr;
}

QMenu *Window1::submenu(const QString &name) const {
    return menuBar_ ? menuBar_->menu(name) : nullptr;
}

void Window1::closeEvent(QCloseEvent *event) {
    if (waitDepth_ > 0) {
        // A send is waiting on this window's state: end the wait, finish the handler, then close.
        closeRequested_ = true;
        if (waitLoop_)
            waitLoop_->quit();
        event->ignore();
        QTimer::singleShot(0, this, [this] { close(); });
        return;
    }
    if (!closed_) {
        closed_ = true;
        closeRequested_ = true;
        Event_Close();
    }
    event->accept();
}
