#pragma once

#include "platform/Platform.h"

#include <QMainWindow>
#include <QStringList>

class AboutWindow;
class MenuBar1;
class QAction;
class QButtonGroup;
class QComboBox;
class QEventLoop;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class QTreeWidget;

// Menu item arrays are looked up by name and index on every use, never cached.
#define HXT_ITEM_ARRAY(Name)                                                                       \
    QAction *Name(int index) const { return menuItem(QStringLiteral(#Name), index); }
#define HXT_MENU_ITEM(Name)                                                                        \
    QAction *Name() const { return menuItem(QStringLiteral(#Name), -1); }
#define HXT_SUBMENU(Name)                                                                          \
    QMenu *Name() const { return submenu(QStringLiteral(#Name)); }

// The main window: all state of the program and all its handlers. The methods live in the folder
// of their subsystem (app/, link/, patterns/, uservalues/, history/, prefs/).
class Window1 : public QMainWindow {
    Q_OBJECT
public:
    // Creates the controls in their design state and runs their own open handling.
    Window1(Platform platform, MenuBar1 *menuBar, QWidget *parent = nullptr);
    ~Window1() override;

    // ---- Shared fields ----------------------------------------------------------------------
    bool Authorized = false;
    QString Reply;
    bool ReplyReceived = true;
    int SerialPortCount = 0;
    int SelectedIndex = 0;
    bool RecordAll = true;
    int DeepColorState = 0;
    QString BorderValueText;
    bool clear_TxText = false;

    // Pattern tables, filled by BuildPatternTables().
    QStringList Color75PatsUSB, Color75LBPatNames;
    QStringList Color100PatsUSB, Color100LBPatNames;
    QStringList SpecialPatsUSB, SpecialLBPatNames;
    QStringList PlugePatsUSB, PlugeLBPatNames;
    QStringList GrayscalePatsUSB;
    QStringList Grayscale10LBPatNames, Grayscale100LBPatNames, Grayscale109LBPatNames;
    QStringList GrayfieldPatsUSB, GrayfieldLBPatNames;

    // ---- Controls ---------------------------------------------------------------------------
    QGroupBox *GroupBox2 = nullptr, *GroupBox1 = nullptr;
    QTabWidget *Tabs = nullptr;
    QLabel *Label1 = nullptr, *Output_LBL = nullptr, *Label11 = nullptr, *DeepColor_LBL = nullptr;
    QLabel *Label2 = nullptr, *Format_LBL = nullptr, *Ch_LBL = nullptr, *Channels_LBL = nullptr;
    QLabel *G2C_LBL = nullptr, *Gray2Color_LBL = nullptr;
    QLabel *Label4 = nullptr, *Group_LBL = nullptr, *Label3 = nullptr, *Pattern_LBL = nullptr;
    QLabel *Label19 = nullptr, *Border_LBL = nullptr;

    // Tab "User"
    QLabel *Label13 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *Red_TF = nullptr, *Green_TF = nullptr, *Blue_TF = nullptr, *Gray_TF = nullptr;
    QPushButton *ColorWindow_BB = nullptr, *ColorField_BB = nullptr, *DefaultColor_PB = nullptr;
    QPushButton *Window_BB = nullptr, *Field_BB = nullptr, *Checkerbd_BB = nullptr;
    QPushButton *InvCheckerbd_BB = nullptr, *WindowsBorder_PB = nullptr;
    QPushButton *DefaultBorders_PB = nullptr;
    QGroupBox *GroupBox3 = nullptr, *GroupBox4 = nullptr;
    QLabel *Label15 = nullptr, *Label16 = nullptr, *Label_8b = nullptr, *Label_10b = nullptr;
    QLabel *Label20 = nullptr;
    QRadioButton *UserValuesRB[3] = {};
    QRadioButton *Range_RB[2] = {};
    QButtonGroup *userValuesGroup = nullptr, *rangeGroup = nullptr;
    QLabel *Label10 = nullptr, *Label9 = nullptr, *Record = nullptr, *Label14 = nullptr;
    QPushButton *RecordUser_PB = nullptr, *RecordAll_PB = nullptr, *Delete_PB = nullptr;
    QPushButton *DeleteAll_PB = nullptr, *SendPrev_PB = nullptr, *Send_PB = nullptr;
    QPushButton *SendNext_PB = nullptr;
    QTreeWidget *User_LB = nullptr;

    // Tab "USB "
    QLabel *PageNumber_Label1112 = nullptr, *BaudRate_Label1 = nullptr, *BaudRate_Label11 = nullptr;
    QLabel *SerialPort_Label = nullptr, *Connected_Label = nullptr, *Connected_Text = nullptr;
    QLabel *BaudRate_Label = nullptr, *PageNumber_Label11111 = nullptr;
    QLabel *PageNumber_Label1111 = nullptr, *PageNumber_Label111111 = nullptr;
    QLabel *SerialPort_Label1 = nullptr;
    QComboBox *PortPopup = nullptr, *BaudPopup = nullptr;
    QLabel *PageNumber_Label11121 = nullptr, *BaudRate_Label12 = nullptr;
    QLabel *PageNumber_Label11 = nullptr, *TypeCommand_Label = nullptr, *Reply_Label = nullptr;
    QPushButton *ConnectPB = nullptr, *IDPB = nullptr, *VersionPB = nullptr;
    QLineEdit *TxText = nullptr;
    QTextEdit *RxText = nullptr;

    SerialPort *Serial1 = nullptr;
    AboutWindow *About = nullptr;

    // ---- Menu lookup ------------------------------------------------------------------------
    QAction *menuItem(const QString &name, int index) const;
    QMenu *submenu(const QString &name) const;
    MenuBar1 *MenuBar() const { return menuBar_; }

    HXT_ITEM_ARRAY(Output)
    HXT_ITEM_ARRAY(DeepColor)
    HXT_ITEM_ARRAY(Channels)
    HXT_ITEM_ARRAY(Gray2Color)
    HXT_ITEM_ARRAY(F5994)
    HXT_ITEM_ARRAY(F60)
    HXT_ITEM_ARRAY(F50)
    HXT_ITEM_ARRAY(F3DFP)
    HXT_ITEM_ARRAY(F3DSSH)
    HXT_ITEM_ARRAY(F3DTB)
    HXT_ITEM_ARRAY(GS_PLUGE)
    HXT_ITEM_ARRAY(WSize)
    HXT_ITEM_ARRAY(CBSize)
    HXT_ITEM_ARRAY(Color75)
    HXT_ITEM_ARRAY(Color100)
    HXT_ITEM_ARRAY(Special)
    HXT_ITEM_ARRAY(PLUGE)
    HXT_ITEM_ARRAY(Grayscale10)
    HXT_ITEM_ARRAY(Grayscale100)
    HXT_ITEM_ARRAY(Grayscale109)
    HXT_ITEM_ARRAY(Grayfield)
    HXT_MENU_ITEM(Load_History)
    HXT_MENU_ITEM(Save_History)
    HXT_MENU_ITEM(FileQuit)
    HXT_MENU_ITEM(AppleAbout)
    HXT_SUBMENU(FileMenu)
    HXT_SUBMENU(EditMenu)
    HXT_SUBMENU(OutputMenu)
    HXT_SUBMENU(DeepColorMenu)
    HXT_SUBMENU(FormatMenu)
    HXT_SUBMENU(ChannelsMenu)
    HXT_SUBMENU(Gray2ColorMenu)
    HXT_SUBMENU(MiscMenu)
    HXT_SUBMENU(PatternMenu)
    HXT_SUBMENU(Format5994)
    HXT_SUBMENU(Format60)
    HXT_SUBMENU(Format50)
    HXT_SUBMENU(Format3DFP)
    HXT_SUBMENU(Format3DSSH)
    HXT_SUBMENU(Format3DTB)
    HXT_SUBMENU(MiscGrayScalePLUGE)
    HXT_SUBMENU(Misc_WSize)
    HXT_SUBMENU(Misc_CBSize)
    HXT_SUBMENU(PatternColor75)
    HXT_SUBMENU(PatternColor100)
    HXT_SUBMENU(PatternSpecial)
    HXT_SUBMENU(PatternPLUGE)
    HXT_SUBMENU(PatternGrayscale10)
    HXT_SUBMENU(PatternGrayscale100)
    HXT_SUBMENU(PatternGrayscale109)
    HXT_SUBMENU(PatternGrayfield)

    // ---- Application shell (app/) -----------------------------------------------------------
    void Event_Open();
    void Event_Close();
    void Tabs_Change() {}
    void AddMenuHandlers();
    void EnableMenuItems();
    void AppleAbout_Action();
    bool hasClosed() const { return closed_; }

    // ---- Device link (link/) ----------------------------------------------------------------
    void SendCommand(const QString &command);
    void SendCmdWOAuth(const QString &command);
    void Serial1_DataAvailable();
    void Serial1_Error(SerialFault fault, const QString &detail);
    void ListSerialPorts();
    bool SearchForGenerator();
    void CheckVersion();
    void PortPopup_Change();
    void ConnectPB_Action();
    void BaudPopup_Open();
    void BaudPopup_Change();
    void VersionPB_Action();
    void IDPB_Action();
    bool TxText_KeyDown(QKeyEvent *key);
    bool isWaiting() const { return waitDepth_ > 0; }
    bool portLost() const { return portLost_; }

    // ---- Pattern catalogue and selection (patterns/) ----------------------------------------
    void BuildPatternTables();
    void ClearPatternCheckmarks();
    void ClearFormatCheckmarks();
    void Color75_Action(int index);
    void Color100_Action(int index);
    void Special_Action(int index);
    void PLUGE_Action(int index);
    void Grayscale10_Action(int index);
    void Grayscale100_Action(int index);
    void Grayscale109_Action(int index);
    void Grayfield_Action(int index);
    void F5994_Action(int index);
    void F60_Action(int index);
    void F50_Action(int index);
    void F3DFP_Action(int index);
    void F3DSSH_Action(int index);
    void F3DTB_Action(int index);
    void Output_Action(int index);
    void DeepColor_Action(int index);
    void Channels_Action(int index);
    void Gray2Color_Action(int index);
    void UpdateChannelStatus();
    void WSize_Action(int index);
    void CBSize_Action(int index);
    void GS_PLUGE_Action(int index);

    // ---- User values (uservalues/) ----------------------------------------------------------
    void UpdateWindowsBorderStatus();
    // A level as read from a field: clamped number and its text for the wire and the labels.
    struct UserValue {
        int level = 0;
        QString text;
    };
    int LimitValue(int value) const;
    UserValue ReadUserValue(const QLineEdit *field) const;
    void Range_RB_Action();
    void DefaultColor_PB_Action();
    void ColorWindow_BB_Action();
    void ColorField_BB_Action();
    void Window_BB_Action();
    void Field_BB_Action();
    void Checkerbd_BB_Action();
    void InvCheckerbd_BB_Action();
    void WindowsBorder_PB_Action();
    void DefaultBorders_PB_Action();

    // ---- History (history/) -----------------------------------------------------------------
    void User_LB_Open();
    void AddPattern2List(const QString &name);
    void RecordUser_PB_Action();
    void RecordAll_PB_Action();
    void Delete_PB_Action();
    void DeleteAll_PB_Action();
    void SendListCommand();
    void Send_PB_Action();
    void SendNext_PB_Action();
    void SendPrev_PB_Action();
    void Load_History_Action();
    void Save_History_Action();

    // ---- Preferences (prefs/) ---------------------------------------------------------------
    void OpenPrefFile();
    void SavePrefFile();

    Dialogs &dialogs() { return *platform_.dialogs; }
    Storage &storage() { return *platform_.storage; }
    TickCounter &tickCounter() { return *platform_.ticks; }

    // The screen the window's content area is laid out against (832 x 600).
    QWidget *contentArea() const { return content_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void placeControls();
    void connectControls();
    void sendAndWait(const QString &command);
    bool openSerialPort(int index);
    void appendReplyChar(char c);
    void repaintNow(QWidget *w);
    // patterns/: the steps every pattern handler and every format handler share.
    void choosePattern(QAction *item, int index, const QString &group, const QString &rangeWord,
                       const QStringList &words, const QStringList &names);
    void chooseFormat(QAction *item, const QString &labelSuffix, const QString &rateWord,
                      const QString &formatWord);
    // uservalues/: the steps the colour and the gray user-pattern buttons share.
    struct UserPattern;
    void sendColorPattern(const UserPattern &pattern);
    void sendGrayPattern(const UserPattern &pattern);

    Platform platform_;
    MenuBar1 *menuBar_ = nullptr;
    QWidget *content_ = nullptr;

    // Channel state beyond the shared fields.
    QEventLoop *waitLoop_ = nullptr;
    int waitDepth_ = 0;
    bool replyTrimmed_ = false; // the front of Reply was dropped to bound its size
    QString replyHead_;         // first two characters received since the last send
    bool portLost_ = false;     // adapter gone: sends fail fast until a port opens again
    bool errorShown_ = false;   // the port error was shown for the current fault
    bool drainPending_ = false;
    bool closeRequested_ = false;
    bool closed_ = false;
    bool historyLoaded_ = false; // until then the preferences file holds the only saved history
    bool prefsUnreadable_ = false; // the saved history could not be read: never overwrite it
    bool inDataHandler_ = false;
};
