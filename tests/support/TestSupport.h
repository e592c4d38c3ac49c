#pragma once

#include "app/App.h"
#include "app/Window1.h"
#include "platform/Platform.h"
#include "sim/VirtualSerialPort.h"

#include <QTemporaryDir>

class QComboBox;
#include <functional>
#include <memory>

// Dialogs that answer from a script and remember what they were asked.
class FakeDialogs : public Dialogs {
public:
    QStringList messages;                           // every message box text, in order
    QList<MessageDialog> shownDialogs;              // every message dialog, in order
    QList<Answer> answers;                          // next answers; Cancel when the script runs out
    QStringList openPaths, savePaths;               // next file dialog results; empty = cancelled
    QStringList saveDefaults;                       // default names offered by save dialogs
    std::function<void(const QString &)> onMessage; // runs while a message box is "open"

    void messageBox(QWidget *, const QString &text) override;
    Answer messageDialog(QWidget *, const MessageDialog &dialog) override;
    QString openFile(QWidget *, const QString &) override;
    QString saveFile(QWidget *, const QString &defaultName, const QString &) override;
};

class FixedStorage : public Storage {
public:
    explicit FixedStorage(QString folder) : folder_(std::move(folder)) {}
    QString preferencesFolder() override { return folder_; }

private:
    QString folder_;
};

// A main window on virtual ports with scripted dialogs and a private preferences folder.
struct Rig {
    // setup adds the virtual devices before the window exists.
    explicit Rig(const std::function<void(VirtualSerialPort &)> &setup = {},
                 std::unique_ptr<SerialPort> serial = {}, const QString &prefsFolder = {});
    ~Rig();

    // Runs the start-up as main() does (without showing the window unless asked).
    void open(bool show = false);
    QStringList words(int device = -1) const; // transcript of one device (default: the last)

    QTemporaryDir prefsDir;
    std::unique_ptr<App> app;
    std::unique_ptr<Window1> window;
    VirtualSerialPort *ports = nullptr; // null when another serial backend was given
    FakeDialogs *dialogs = nullptr;
};

// A started window on one virtual generator, its start-up "ver?" words cleared.
struct OpenGenerator {
    Rig rig{[](VirtualSerialPort &p) { p.addDevice(QStringLiteral("ttyV0")); }};
    Window1 &w = *rig.window;
    VirtualHxt &hxt = *rig.ports->device(0).hxt;

    OpenGenerator() {
        rig.open();
        hxt.clearTranscript();
    }
};

// The rows of a popup menu, in order.
QStringList popupRows(const QComboBox *popup);
// A file's bytes, or "<unreadable>".
QByteArray readAll(const QString &path);
// Writes bytes to a file; fails the running test when it cannot.
void writeFile(const QString &path, const QByteArray &bytes);

// Runs the event loop for a while (lets late replies and queued events arrive).
void pumpEvents(int ms);
