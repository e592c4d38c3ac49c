#pragma once

#include "sim/VirtualHxt.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A virtual HXT-2416 behind a real pseudo-terminal, so that the QSerialPort backend can be driven
// end to end. The program opens slavePath(); this object answers on the master side with the
// timing knobs of hxt(). Runs in the event loop of the thread that creates it.
class PtyGenerator : public QObject {
    Q_OBJECT
public:
    explicit PtyGenerator(QObject *parent = nullptr);
    ~PtyGenerator() override;

    bool isValid() const { return master_ >= 0; }
    QString errorString() const { return error_; }
    // The device node a serial port opens, e.g. /dev/pts/7.
    QString slavePath() const { return slavePath_; }
    VirtualHxt &hxt() { return hxt_; }

    // Bytes the device sends on its own, not as the answer to a word.
    void send(const QByteArray &bytes);
    // Pulls the cable: the master side closes and the port on the slave side hangs up.
    void unplug();
    bool isPlugged() const { return master_ >= 0; }
    // Every byte received from the program, in order.
    QByteArray received() const { return received_; }

private:
    void onReadable();
    void onWritable();
    void deliver(const QByteArray &reply);
    qint32 slaveBaudRate() const;

    VirtualHxt hxt_;
    int master_ = -1;
    int slave_ = -1; // held open so the master never sees a hang-up between the program's opens
    QString slavePath_;
    QString error_;
    QSocketNotifier *readNotifier_ = nullptr;
    QSocketNotifier *writeNotifier_ = nullptr;
    QByteArray outgoing_; // what the line has not taken yet
    QByteArray received_;
    quint64 session_ = 0; // bumped by unplug so that scheduled reply pieces are dropped
};
