#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A virtual HXT-2416: takes the bytes the program writes, answers each carriage-return-terminated
// word the way the generator does, keeps the generator's state and a transcript of every word.
// Timing (delays, split replies) is the carrier's business: see VirtualSerialPort and
// PtyGenerator, which read the timing knobs here.
class VirtualHxt {
public:
    enum class Persona {
        Generator, // the HXT-2416
        Foreign,   // some other device that answers with its own banner
        Silent,    // a device that never answers
    };

    // ---- Knobs ----
    Persona persona = Persona::Generator;
    QString firmware = QStringLiteral("v4.72");
    bool errorReplies = false;  // every word answered with an error line
    bool garbled = false;       // replies mangled, as with a wrong bit rate
    int replyDelayMs = 0;       // time before the first byte of a reply
    int pieceSize = 0;          // split replies into pieces of this many bytes (0: whole)
    int pieceGapMs = 0;         // time between pieces
    qint32 lineRate = 115200;   // the generator's own bit rate; a port at another rate garbles
    // When set and returning a value, that value is the answer to the word (tests script
    // replies the generator would never give, e.g. a lower-case banner).
    std::function<std::optional<QByteArray>(const QString &word)> scriptedReply;

    // ---- State ----
    QStringList transcript;      // every word received, without its carriage return
    QMap<QString, QString> state; // category -> last word (output, depth, format, pattern, ...)
    QStringList levels;           // numeric words, in order
    std::function<void(const QString &)> onWord; // called for every word received

    // Feeds bytes from the line; returns whatever the device sends back for the complete words.
    QByteArray receive(const QByteArray &bytes);
    // A port at `portRate` talks to this device: mismatched rates garble both directions.
    QByteArray receiveAt(const QByteArray &bytes, qint32 portRate);

    // The generator's answer to one word (without the carriage return).
    QByteArray answer(const QString &word);
    static bool isKnownWord(const QString &word);
    static const QStringList &knownWords();
    void clearTranscript() { transcript.clear(); }

private:
    void remember(const QString &word);
    static QByteArray garble(const QByteArray &bytes);
    QByteArray pending_;
};
