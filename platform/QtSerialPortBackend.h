#pragma once

#include "platform/SerialPort.h"

#include <QSerialPort>

// The real serial ports through QSerialPort. With explicit paths the port list is exactly those
// devices (used to drive a pseudo-terminal in tests); otherwise it is the system's list.
class QtSerialPortBackend : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPortBackend(QStringList explicitPaths = {}, QObject *parent = nullptr);

    QStringList portNames() override;
    void selectPort(int index) override;
    bool open() override;
    void close() override;
    bool isOpen() const override;
    void discardBuffers() override;
    void discardInput() override;
    bool write(const QByteArray &data) override;
    qint64 bytesToWrite() const override;
    qint64 bytesAvailable() const override;
    QByteArray read(qint64 maxSize) override;
    void setBaudRate(qint32 rate) override;
    qint32 baudRate() const override;
    void reset() override;

private:
    void onError(QSerialPort::SerialPortError error);
    bool lineGone() const;
    QStringList currentLocations();

    QSerialPort port_;
    QStringList explicitPaths_;
    QStringList locations_; // what portNames() last listed, for selectPort()
    QString selected_;
    qint32 rate_ = 19200;
};
