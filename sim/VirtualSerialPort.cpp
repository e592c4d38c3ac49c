#include "sim/VirtualSerialPort.h"

#include <QTimer>

VirtualSerialPort::VirtualSerialPort(QObject *parent) : SerialPort(parent) {}
VirtualSerialPort::~VirtualSerialPort() = default;

VirtualHxt &VirtualSerialPort::addDevice(const QString &name, VirtualHxt::Persona persona) {
    Device d;
    d.name = name;
    d.hxt = std::make_shared<VirtualHxt>();
    d.hxt->persona = persona;
    devices_.push_back(d);
    writes_.push_back(0);
    return *devices_.back().hxt;
}

std::vector<int> VirtualSerialPort::presentIndices() const {
    std::vector<int> out;
    for (size_t i = 0; i < devices_.size(); ++i)
        if (devices_[i].present)
            out.push_back(int(i));
    return out;
}

QStringList VirtualSerialPort::portNames() {
    QStringList names;
    for (int i : presentIndices())
        names << devices_[size_t(i)].name;
    return names;
}

void VirtualSerialPort::selectPort(int index) {
    const auto present = presentIndices();
    selected_ = (index >= 0 && index < int(present.size())) ? present[size_t(index)] : -1;
}

bool VirtualSerialPort::open() {
    close();
    if (selected_ < 0)
        return false;
    const Device &d = devices_[size_t(selected_)];
    if (!d.present || !d.opens)
        return false;
    open_ = selected_;
    ++opens_;
    return true;
}

void VirtualSerialPort::close() {
    if (open_ >= 0)
        ++session_;
    open_ = -1;
    input_.clear();
}

void VirtualSerialPort::discardBuffers() {
    input_.clear();
}
void VirtualSerialPort::discardInput() {
    input_.clear();
}

bool VirtualSerialPort::write(const QByteArray &data) {
    if (open_ < 0)
        return false;
    ++writes_[size_t(open_)];
    VirtualHxt &hxt = *devices_[size_t(open_)].hxt;
    const QByteArray reply = hxt.receiveAt(data, rate_);
    if (!reply.isEmpty())
        deliver(open_, session_, reply);
    return true;
}

void VirtualSerialPort::deliver(int deviceIndex, quint64 session, const QByteArray &reply) {
    VirtualHxt &hxt = *devices_[size_t(deviceIndex)].hxt;
    const int piece = hxt.pieceSize > 0 ? hxt.pieceSize : int(reply.size());
    int delay = hxt.replyDelayMs;
    for (int pos = 0; pos < reply.size(); pos += piece) {
        const QByteArray chunk = reply.mid(pos, piece);
        QTimer::singleShot(delay, this, [this, session, chunk] {
            if (session != session_ || open_ < 0)
                return; // the port was closed meanwhile: the bytes are lost
            input_.append(chunk);
            emit dataAvailable();
        });
        delay += hxt.pieceGapMs;
    }
}

QByteArray VirtualSerialPort::read(qint64 maxSize) {
    const QByteArray out = input_.left(int(maxSize));
    input_.remove(0, int(out.size()));
    return out;
}

void VirtualSerialPort::unplug(int index) {
    Device &d = devices_.at(size_t(index));
    d.present = false;
    if (open_ == index) {
        ++session_;
        open_ = -1;
        input_.clear();
        emit errorOccurred(SerialFault::DeviceLost, QStringLiteral("device removed"));
    }
}

void VirtualSerialPort::injectInput(const QByteArray &bytes) {
    if (open_ < 0)
        return;
    // The bytes are in the port at once; the program hears of them from the event loop.
    input_.append(bytes);
    QTimer::singleShot(0, this, [this, session = session_] {
        if (session == session_ && open_ >= 0 && !input_.isEmpty())
            emit dataAvailable();
    });
}

void VirtualSerialPort::replug(int index) {
    devices_.at(size_t(index)).present = true;
}

VirtualHxt *VirtualSerialPort::openDevice() const {
    return open_ >= 0 ? devices_[size_t(open_)].hxt.get() : nullptr;
}

QList<int> VirtualSerialPort::writesPerDevice() const {
    return QList<int>(writes_.begin(), writes_.end());
}
