// The connection panel: port choice, reconnect, bit rate, version and identity queries.
#include "app/Window1.h"

#include <QComboBox>
#include <QLabel>
#include <QTextEdit>

namespace {
const int kBaudRates[] = {9600, 19200, 38400, 115200, 230400};

QString invalidPortText(int index) {
    return QStringLiteral("Error opening serial port. Invalid serial Port:") + QString::number(index);
}
} // namespace

void Window1::PortPopup_Change() {
    Serial1->close();
    Serial1->discardBuffers();
    SerialPortCount = int(Serial1->portNames().size());
    SelectedIndex = PortPopup->currentIndex();
    if (SelectedIndex >= SerialPortCount) {
        dialogs().messageBox(this, QStringLiteral("Check USB connection"));
        return;
    }
    if (SelectedIndex < 0) {
        dialogs().messageBox(this, invalidPortText(SelectedIndex));
        return;
    }
    const bool opened = openSerialPort(SelectedIndex);
    Connected_Text->setText(opened ? QStringLiteral("True") : QStringLiteral("False"));
    if (opened)
        CheckVersion();
}

void Window1::ConnectPB_Action() {
    Serial1->close();
    Serial1->discardBuffers();
    Connected_Text->setText(QStringLiteral("False"));
    SelectedIndex = PortPopup->currentIndex();
    if (SelectedIndex < 0) {
        dialogs().messageBox(this, invalidPortText(SelectedIndex));
        return;
    }
    const bool opened = openSerialPort(SelectedIndex);
    Connected_Text->setText(opened ? QStringLiteral("True") : QStringLiteral("False"));
    if (opened)
        CheckVersion();
}

void Window1::BaudPopup_Open() {
    const int row = BaudPopup->currentIndex();
    if (row >= 0 && row < int(std::size(kBaudRates)))
        Serial1->setBaudRate(kBaudRates[row]);
}

void Window1::BaudPopup_Change() {
    BaudPopup_Open();
    Serial1->reset();
}

void Window1::VersionPB_Action() {
    RxText->clear();
    repaintNow(RxText);
    SendCmdWOAuth(QStringLiteral("ver?"));
}

void Window1::IDPB_Action() {
    RxText->clear();
    repaintNow(RxText);
    SendCmdWOAuth(QStringLiteral("id?"));
}
