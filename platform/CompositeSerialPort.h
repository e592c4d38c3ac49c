#pragma once

#include "platform/SerialPort.h"

#include <memory>
#include <vector>

// Several backends shown as one port list, in order: the system's ports, then e.g. a virtual
// generator. Only the selected backend's signals reach the window.
class CompositeSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit CompositeSerialPort(QObject *parent = nullptr);
    void addBackend(std::unique_ptr<SerialPort> backend);

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
    std::vector<std::unique_ptr<SerialPort>> backends_;
    std::vector<int> counts_; // ports per backend at the last listing
    SerialPort *active_ = nullptr;
    qint32 rate_ = 19200;
};
