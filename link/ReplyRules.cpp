#include "link/ReplyRules.h"

bool IsReplyComplete(const QString &reply) {
    if (reply.endsWith(QLatin1String("OK\r\n"), Qt::CaseInsensitive))
        return true;
    return reply.size() >= 2 && reply.startsWith(QLatin1String("ER"), Qt::CaseInsensitive) &&
           reply.endsWith(QLatin1String("\r\n"));
}

bool PassesModelTest(const QString &reply) {
    return reply.startsWith(QLatin1String("HXT"), Qt::CaseInsensitive);
}

bool PassesFirmwareTest(const QString &reply) {
    return reply.indexOf(QLatin1String("v4.7"), 0, Qt::CaseInsensitive) == 9;
}

QString FirmwareMessage(const QString &reply) {
    const QStringList lines = {
        reply.left(14),
        QString(),
        QStringLiteral("This program only works with a HXT-2416 v4.7x."),
        QStringLiteral("Please update this program or the HXT-2416 firmware."),
        QString(),
        QStringLiteral(
            "This program will now run in demo mode without sending commands to the HXT-2416."),
    };
    return lines.join(QLatin1Char('\n'));
}

SerialErrorDecision DecideSerialError(SerialFault fault, bool alreadyShown) {
    switch (fault) {
    case SerialFault::DeviceLost:
        return {!alreadyShown, true};
    case SerialFault::Other:
        return {!alreadyShown, false};
    }
    return {false, false};
}
