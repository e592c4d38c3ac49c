#include "sim/PtyGenerator.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PtyGenerator::PtyGenerator(QObject *parent) : QObject(parent) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
        return;
    }
    slavePath_ = QString::fromLocal8Bit(::ptsname(master_));
    slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ < 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        ::close(master_);
        master_ = -1;
        return;
    }
    // A serial line passes bytes unchanged: no echo, no CR/LF translation, no line editing.
    termios tio{};
    ::tcgetattr(slave_, &tio);
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B115200);
    ::cfsetospeed(&tio, B115200);
    ::tcsetattr(slave_, TCSANOW, &tio);

    readNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &PtyGenerator::onReadable);
    writeNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &PtyGenerator::onWritable);
}

PtyGenerator::~PtyGenerator() {
    unplug();
}

void PtyGenerator::unplug() {
    ++session_;
    delete readNotifier_;
    readNotifier_ = nullptr;
    delete writeNotifier_;
    writeNotifier_ = nullptr;
    outgoing_.clear();
    if (slave_ >= 0)
        ::close(slave_);
    slave_ = -1;
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

qint32 PtyGenerator::slaveBaudRate() const {
    // The kernel ignores the rate on a pseudo-terminal but keeps what the port set, which is
    // enough to model a port at the wrong rate.
    termios tio{};
    if (slave_ < 0 || ::tcgetattr(slave_, &tio) != 0)
        return hxt_.lineRate;
    switch (::cfgetospeed(&tio)) {
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B115200:
        return 115200;
    case B230400:
        return 230400;
    default:
        return hxt_.lineRate;
    }
}

void PtyGenerator::onReadable() {
    char buf[4096];
    QByteArray bytes;
    for (;;) {
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n > 0) {
            bytes.append(buf, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: drained for now
    }
    if (bytes.isEmpty())
        return;
    received_.append(bytes);
    const QByteArray reply = hxt_.receiveAt(bytes, slaveBaudRate());
    if (!reply.isEmpty())
        deliver(reply);
}

void PtyGenerator::deliver(const QByteArray &reply) {
    const int piece = hxt_.pieceSize > 0 ? hxt_.pieceSize : int(reply.size());
    int delay = hxt_.replyDelayMs;
    for (int pos = 0; pos < reply.size(); pos += piece) {
        const QByteArray chunk = reply.mid(pos, piece);
        const quint64 session = session_;
        if (delay <= 0) {
            send(chunk);
        } else {
            QTimer::singleShot(delay, this, [this, session, chunk] {
                if (session == session_)
                    send(chunk);
            });
        }
        delay += hxt_.pieceGapMs;
    }
}

void PtyGenerator::send(const QByteArray &bytes) {
    if (master_ < 0)
        return;
    outgoing_.append(bytes);
    onWritable();
}

void PtyGenerator::onWritable() {
    while (!outgoing_.isEmpty()) {
        const ssize_t n = ::write(master_, outgoing_.constData(), size_t(outgoing_.size()));
        if (n > 0) {
            outgoing_.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // the line is full: go on when it has room
    }
    if (writeNotifier_)
        writeNotifier_->setEnabled(!outgoing_.isEmpty());
}
