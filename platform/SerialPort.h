#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

// How a port error is to be treated; the backend classifies, the window decides.
enum class SerialFault {
    DeviceLost, // adapter unplugged or device node gone
    Other,      // any other I/O error
};

// The serial port as the window sees it: the system's port list, one selected port, raw bytes.
// Backends: the real ports (QSerialPort), the in-process virtual generator, and a mix of both.
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialPort() override = default;

    // The system's ports, in the system's order, by their display names.
    virtual QStringList portNames() = 0;
    virtual void selectPort(int index) = 0;
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Drops whatever input and output is still buffered.
    virtual void discardBuffers() = 0;
    // Drops received input only, in the driver and in our buffer.
    virtual void discardInput() = 0;
    virtual bool write(const QByteArray &data) = 0;
    // Output not yet handed to the line; 0 means drained.
    virtual qint64 bytesToWrite() const = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray read(qint64 maxSize) = 0;
    virtual void setBaudRate(qint32 rate) = 0;
    virtual qint32 baudRate() const = 0;
    // Re-applies the line settings so that a new bit rate takes effect on an open port.
    virtual void reset() = 0;

signals:
    void dataAvailable();
    void outputDrained();
    void errorOccurred(SerialFault fault, const QString &detail);
};
