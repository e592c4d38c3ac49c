#pragma once

#include "platform/SerialPort.h"
#include "sim/VirtualHxt.h"

#include <memory>
#include <vector>

// An in-process serial port list whose devices are virtual: the generator, foreign or silent
// devices, ports that refuse to open, adapters that can be unplugged. No OS device is involved;
// replies arrive through the event loop with the timing knobs of each device.
class VirtualSerialPort : public SerialPort {
    Q_OBJECT
public:
    struct Device {
        QString name;
        std::shared_ptr<VirtualHxt> hxt;
        bool opens = true;   // false: open() fails, as for a port in use
        bool present = true; // false: unplugged, gone from the port list
    };

    explicit VirtualSerialPort(QObject *parent = nullptr);
    ~VirtualSerialPort() override;

    // Adds a device at the end of the list and returns it for its knobs.
    VirtualHxt &addDevice(const QString &name,
                          VirtualHxt::Persona persona = VirtualHxt::Persona::Generator);
    Device &device(int index) { return devices_.at(size_t(index)); }
    int deviceCount() const { return int(devices_.size()); }
    // Pulls the adapter: an open port reports the device lost; the port leaves the list.
    void unplug(int index);
    void replug(int index);
    // Bytes the open device sends on its own: in the input at once, announced by the event loop.
    void injectInput(const QByteArray &bytes);
    // The device behind the port that is open now, or nullptr.
    VirtualHxt *openDevice() const;
    int openIndex() const { return open_; }
    int openCount() const { return opens_; }
    QList<int> writesPerDevice() const;

    QStringList portNames() override;
    void selectPort(int index) override;
    bool open() override;
    void close() override;
    bool isOpen() const override { return open_ >= 0; }
    void discardBuffers() override;
    void discardInput() override;
    bool write(const QByteArray &data) override;
    qint64 bytesToWrite() const override { return 0; }
    qint64 bytesAvailable() const override { return input_.size(); }
    QByteArray read(qint64 maxSize) override;
    void setBaudRate(qint32 rate) override { rate_ = rate; }
    qint32 baudRate() const override { return rate_; }
    void reset() override {}

private:
    void deliver(int deviceIndex, quint64 session, const QByteArray &reply);
    std::vector<int> presentIndices() const;

    std::vector<Device> devices_;
    std::vector<int> writes_;
    int selected_ = -1; // device index
    int open_ = -1;     // device index
    int opens_ = 0;
    quint64 session_ = 0; // bumped on close so late replies of a closed session are dropped
    QByteArray input_;
    qint32 rate_ = 19200;
};
