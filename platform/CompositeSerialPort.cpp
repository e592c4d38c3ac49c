#include "platform/CompositeSerialPort.h"

CompositeSerialPort::CompositeSerialPort(QObject *parent) : SerialPort(parent) {}

void CompositeSerialPort::addBackend(std::unique_ptr<SerialPort> backend) {
    SerialPort *b = backend.get();
    connect(b, &SerialPort::dataAvailable, this, [this, b] {
        if (b == active_)
            emit dataAvailable();
    });
    connect(b, &SerialPort::outputDrained, this, [this, b] {
        if (b == active_)
            emit outputDrained();
    });
    connect(b, &SerialPort::errorOccurred, this, [this, b](SerialFault f, const QString &d) {
        if (b == active_)
            emit errorOccurred(f, d);
    });
    backends_.push_back(std::move(backend));
}

QStringList CompositeSerialPort::portNames() {
    QStringList names;
    counts_.clear();
    for (auto &b : backends_) {
        const QStringList part = b->portNames();
        counts_.push_back(part.size());
        names += part;
    }
    return names;
}

void CompositeSerialPort::selectPort(int index) {
    if (counts_.size() != backends_.size())
        portNames();
    if (active_)
        active_->close();
    active_ = nullptr;
    int offset = 0;
    for (size_t i = 0; i < backends_.size(); ++i) {
        if (index >= offset && index < offset + counts_[i]) {
            active_ = backends_[i].get();
            active_->setBaudRate(rate_);
            active_->selectPort(index - offset);
            return;
        }
        offset += counts_[i];
    }
}

bool CompositeSerialPort::open() { return active_ && active_->open(); }
void CompositeSerialPort::close() {
    if (active_)
        active_->close();
}
bool CompositeSerialPort::isOpen() const { return active_ && active_->isOpen(); }
void CompositeSerialPort::discardBuffers() {
    if (active_)
        active_->discardBuffers();
}
bool CompositeSerialPort::write(const QByteArray &data) { return active_ && active_->write(data); }
qint64 CompositeSerialPort::bytesToWrite() const { return active_ ? active_->bytesToWrite() : 0; }
qint64 CompositeSerialPort::bytesAvailable() const {
    return active_ ? active_->bytesAvailable() : 0;
}
QByteArray CompositeSerialPort::read(qint64 maxSize) {
    return active_ ? active_->read(maxSize) : QByteArray();
}
void CompositeSerialPort::setBaudRate(qint32 rate) {
    rate_ = rate;
    if (active_)
        active_->setBaudRate(rate);
}
qint32 CompositeSerialPort::baudRate() const { return rate_; }
void CompositeSerialPort::reset() {
    if (active_)
        active_->reset();
}
void CompositeSerialPort::discardInput() {
    if (active_)
        active_->discardInput();
}
