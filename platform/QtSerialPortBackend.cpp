#include "platform/QtSerialPortBackend.h"

#include <QFile>
#include <QSerialPortInfo>

#include <poll.h>

QtSerialPortBackend::QtSerialPortBackend(QStringList explicitPaths, QObject *parent)
    : SerialPort(parent), explicitPaths_(std::move(explicitPaths)) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::dataAvailable);
    connect(&port_, &QSerialPort::bytesWritten, this, [this] {
        if (port_.bytesToWrite() == 0)
            emit outputDrained();
    });
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPortBackend::onError);
}

QStringList QtSerialPortBackend::currentLocations() {
    if (!explicitPaths_.isEmpty())
        return explicitPaths_;
    QStringList locations;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        locations << info.systemLocation();
    return locations;
}

QStringList QtSerialPortBackend::portNames() {
    locations_ = currentLocations();
    if (!explicitPaths_.isEmpty())
        return locations_;
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        names << info.portName();
    return names;
}

void QtSerialPortBackend::selectPort(int index) {
    if (locations_.isEmpty())
        locations_ = currentLocations();
    selected_ = (index >= 0 && index < locations_.size()) ? locations_.at(index) : QString();
}

bool QtSerialPortBackend::open() {
    if (port_.isOpen())
        port_.close();
    if (selected_.isEmpty())
        return false;
    port_.setPortName(selected_);
    if (!port_.open(QIODevice::ReadWrite))
        return false;
    port_.setBaudRate(rate_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    // Some devices (pseudo-terminals among them) have no modem lines; that is not a failure.
    port_.setDataTerminalReady(false);
    port_.clearError();
    return true;
}

void QtSerialPortBackend::close() {
    if (port_.isOpen())
        port_.close();
}

bool QtSerialPortBackend::isOpen() const {
    return port_.isOpen();
}

void QtSerialPortBackend::discardBuffers() {
    if (port_.isOpen()) {
        port_.clear(QSerialPort::AllDirections);
        port_.readAll();
    }
}

bool QtSerialPortBackend::write(const QByteArray &data) {
    if (!port_.isOpen())
        return false;
    return port_.write(data) == data.size();
}

qint64 QtSerialPortBackend::bytesToWrite() const {
    return port_.isOpen() ? port_.bytesToWrite() : 0;
}

qint64 QtSerialPortBackend::bytesAvailable() const {
    return port_.isOpen() ? port_.bytesAvailable() : 0;
}

QByteArray QtSerialPortBackend::read(qint64 maxSize) {
    return port_.isOpen() ? port_.read(maxSize) : QByteArray();
}

void QtSerialPortBackend::setBaudRate(qint32 rate) {
    rate_ = rate;
    if (port_.isOpen())
        port_.setBaudRate(rate_);
}

qint32 QtSerialPortBackend::baudRate() const {
    return rate_;
}

void QtSerialPortBackend::reset() {
    if (port_.isOpen())
        port_.setBaudRate(rate_);
}

void QtSerialPortBackend::onError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::OpenError:
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::NotOpenError:
    case QSerialPort::UnsupportedOperationError: // e.g. DTR on a device without modem lines
    case QSerialPort::TimeoutError:
        // Failed opens are reported by open(); the rest are not line faults.
        return;
    case QSerialPort::ResourceError:
        emit errorOccurred(SerialFault::DeviceLost, port_.errorString());
        return;
    default:
        // A hung-up line reads as end of file, which QSerialPort may report as a read error
        // (it takes whatever errno was left). Such a port stays readable for ever: call it lost
        // so that it is closed instead of reporting the same error again and again.
        emit errorOccurred(lineGone() ? SerialFault::DeviceLost : SerialFault::Other,
                           port_.errorString());
        return;
    }
}

bool QtSerialPortBackend::lineGone() const {
    if (!port_.isOpen())
        return false;
    if (!selected_.isEmpty() && !QFile::exists(selected_))
        return true;
    pollfd p{};
    p.fd = int(port_.handle());
    p.events = POLLIN | POLLOUT;
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void QtSerialPortBackend::discardInput() {
    if (port_.isOpen()) {
        port_.clear(QSerialPort::Input);
        port_.readAll();
    }
}
