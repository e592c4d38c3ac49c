#pragma once

#include "platform/SerialPort.h"

#include <QString>

// Reply tail kept while a device streams without end; Reply never grows past this by much.
constexpr int kReplyLimit = 64 * 1024;
// One second of the 60-per-second tick counter.
constexpr int kReplyTimeoutTicks = 60;

inline const QString kPortErrorText =
    QStringLiteral("Check USB Connection or Serial Port Selection");

// A reply is complete when it ends in "OK" CR LF, or begins with "ER" and ends in CR LF;
// letter case does not matter.
bool IsReplyComplete(const QString &reply);

// The version reply begins with the model name...
bool PassesModelTest(const QString &reply);
// ...and "v4.7" first occurs at position 10 (counting from 1).
bool PassesFirmwareTest(const QString &reply);
// The six-line demo-mode message for a generator with other firmware.
QString FirmwareMessage(const QString &reply);

// What a port error does to the link.
struct SerialErrorDecision {
    bool showText;  // put kPortErrorText in the reply area
    bool closePort; // the device is gone: close it so nothing waits on it
};
SerialErrorDecision DecideSerialError(SerialFault fault, bool alreadyShown);
