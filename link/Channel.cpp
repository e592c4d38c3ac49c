// The command channel: one command outstanding, each waiting for "OK"/"ER" or one second.
#include "app/Window1.h"
#include "link/ReplyRules.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

namespace {

// ExcludeUserInputEvents holds back the window system's input only; input that reaches a widget
// as a posted or sent event (automation, accessibility, synthesized clicks) would still run a
// handler inside the wait. Hold that too, and hand it back in order once the wait is over.
class InputHold : public QObject {
public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override {
        QCoreApplication::instance()->removeEventFilter(this);
        for (Held &h : held_)
            if (h.receiver)
                QCoreApplication::postEvent(h.receiver, h.event.release());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (!watched->isWidgetType() || !isUserInput(event->type()))
            return false;
        held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
        return true;
    }

private:
    static bool isUserInput(QEvent::Type type) {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
        }
    }
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Held> held_;
};

} // namespace

void Window1::SendCommand(const QString &command) {
    if (!Authorized)
        return;
    sendAndWait(command);
}

void Window1::SendCmdWOAuth(const QString &command) {
    sendAndWait(command);
    RxText->setPlainText(Reply);
    repaintNow(RxText);
}

void Window1::sendAndWait(const QString &command) {
    // Input still waiting belongs to earlier exchanges; a stale "OK" must not complete this one.
    if (Serial1->isOpen()) {
        Serial1->discardInput();
    }
    ReplyReceived = false;
    Reply.clear();
    replyHead_.clear();
    replyTrimmed_ = false;

    // After an unplug, or once the window is closing, nothing can answer: fail at once.
    if (portLost_ || closeRequested_)
        return;

    QByteArray frame = command.toLatin1();
    frame.append('\r');
    Serial1->write(frame);

    // The wait wakes on input, on the drain, on a port fault, or at its deadline; user input
    // is held back so that no other handler starts inside this one.
    std::optional<InputHold> hold;
    if (waitDepth_ == 0 && QCoreApplication::instance())
        hold.emplace();
    QEventLoop loop;
    QEventLoop *outerLoop = waitLoop_;
    waitLoop_ = &loop;
    ++waitDepth_;
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    const auto interrupted = [&] { return closeRequested_ || portLost_; };

    // Drain first: the one-second limit counts from the moment the output has left.
    if (Serial1->bytesToWrite() > 0) {
        QMetaObject::Connection drained =
            connect(Serial1, &SerialPort::outputDrained, &loop, &QEventLoop::quit);
        deadline.start(1000);
        while (Serial1->bytesToWrite() > 0 && !timedOut && !interrupted())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        disconnect(drained);
        deadline.stop();
        timedOut = false;
    }

    const qint64 start = tickCounter().ticks();
    while (!ReplyReceived && !interrupted()) {
        const qint64 elapsed = tickCounter().ticks() - start;
        if (elapsed >= kReplyTimeoutTicks)
            break;
        // Re-armed from the tick counter so the limit is exactly 60 ticks after the drain.
        const int remainingMs = int((kReplyTimeoutTicks - elapsed) * 1000 / 60) + 1;
        timedOut = false;
        deadline.start(remainingMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        deadline.stop();
    }

    --waitDepth_;
    waitLoop_ = outerLoop;
}

void Window1::appendReplyChar(char c) {
    if (Reply.size() < 2)
        replyHead_.append(QLatin1Char(c));
    Reply.append(QLatin1Char(c));
    // Keep a bounded tail while a device streams; the head is kept apart for the "ER" rule.
    if (Reply.size() > kReplyLimit + 4096) {
        Reply.remove(0, Reply.size() - kReplyLimit);
        replyTrimmed_ = true;
    }
}

void Window1::Serial1_DataAvailable() {
    if (inDataHandler_)
        return;
    inDataHandler_ = true;
    bool completed = false;
    while (Serial1->bytesAvailable() > 0) {
        const QByteArray one = Serial1->read(1);
        if (one.isEmpty())
            break;
        appendReplyChar(one.at(0));
        const bool complete =
            replyTrimmed_ ? IsReplyComplete(replyHead_ + Reply.right(4)) : IsReplyComplete(Reply);
        if (complete) {
            ReplyReceived = true;
            completed = true;
            break;
        }
    }
    inDataHandler_ = false;
    if (completed) {
        if (waitLoop_)
            waitLoop_->quit();
        // What came after the completing character is handled by the next run, as if it had
        // just arrived.
        if (Serial1->bytesAvailable() > 0)
            QTimer::singleShot(0, this, &Window1::Serial1_DataAvailable);
    }
}

void Window1::Serial1_Error(SerialFault fault, const QString &detail) {
    Q_UNUSED(detail);
    const SerialErrorDecision decision = DecideSerialError(fault, errorShown_);
    if (decision.closePort) {
        Serial1->close();
        portLost_ = true;
    }
    if (decision.showText) {
        errorShown_ = true;
        RxText->setPlainText(kPortErrorText);
    }
    if (waitLoop_ && portLost_)
        waitLoop_->quit();
}
