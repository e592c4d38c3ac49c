// Port listing, the start-up search for the generator, and the firmware check.
#include "app/Window1.h"
#include "link/ReplyRules.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>

bool Window1::openSerialPort(int index) {
    Serial1->selectPort(index);
    const bool opened = Serial1->open();
    if (opened) {
        // A fresh port: earlier faults no longer hold.
        portLost_ = false;
        errorShown_ = false;
    }
    return opened;
}

void Window1::ListSerialPorts() {
    const QStringList names = Serial1->portNames();
    SerialPortCount = int(names.size());
    // Filling the popup is not a user's choice of port: no change handling runs for it.
    const QSignalBlocker blocker(PortPopup);
    PortPopup->clear();
    if (SerialPortCount < 1) {
        PortPopup->addItem(QStringLiteral("none"));
    } else {
        for (int i = 0; i < SerialPortCount; ++i) {
            PortPopup->addItem(QString::number(i) + QStringLiteral("  ") + names.at(i));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    PortPopup->setCurrentIndex(-1);
}

bool Window1::SearchForGenerator() {
    for (int i = 0; i < SerialPortCount; ++i) {
        Serial1->close();
        Serial1->discardBuffers();
        if (!openSerialPort(i))
            continue;
        SendCmdWOAuth(QStringLiteral("ver?"));
        if (closeRequested_)
            return false;
        if (PassesModelTest(Reply)) {
            Connected_Text->setText(QStringLiteral("True"));
            PortPopup->setCurrentIndex(i); // runs PortPopup_Change: reopen and CheckVersion
            return true;
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    PortPopup->setCurrentIndex(SerialPortCount - 1);
    Connected_Text->setText(QStringLiteral("False"));
    Authorized = false;
    if (!closeRequested_)
        dialogs().messageBox(
            this, QStringLiteral("No HXT-2416 Connected - Check Connections and Power, then "
                                 "Restart this Program"));
    return false;
}

void Window1::CheckVersion() {
    Authorized = true;
    SendCommand(QStringLiteral("ver?"));
    if (!PassesModelTest(Reply)) {
        Connected_Text->setText(QStringLiteral("False"));
        repaintNow(Connected_Text);
        Authorized = false;
        return;
    }
    if (PassesFirmwareTest(Reply))
        return;
    Authorized = false;
    Connected_Text->setText(QStringLiteral("True"));
    repaintNow(Connected_Text);
    dialogs().messageBox(this, FirmwareMessage(Reply));
}
