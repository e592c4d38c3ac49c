#pragma once

#include "platform/SerialPort.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

// Modal boxes and file dialogs. Tests replace this with scripted answers.
class Dialogs {
public:
    enum class Icon { Note, Caution, Stop };
    enum class Answer { Action, Alternate, Cancel };
    struct MessageDialog {
        Icon icon = Icon::Note;
        QString title;
        QString message;
        QString explanation;
        QString actionCaption = QStringLiteral("OK");
        QString alternateCaption; // empty: no alternate button
        bool cancelButton = false;
    };

    virtual ~Dialogs() = default;
    // A modal message box with a fixed text and one OK button.
    virtual void messageBox(QWidget *parent, const QString &text) = 0;
    virtual Answer messageDialog(QWidget *parent, const MessageDialog &dialog) = 0;
    // Both return an empty path when the user cancels.
    virtual QString openFile(QWidget *parent, const QString &fileTypeFilter) = 0;
    virtual QString saveFile(QWidget *parent, const QString &defaultName,
                             const QString &fileTypeFilter) = 0;
};

// Where per-user preferences live.
class Storage {
public:
    virtual ~Storage() = default;
    // Empty when the platform has no such folder.
    virtual QString preferencesFolder() = 0;
};

// The system tick counter: 60 ticks a second.
class TickCounter {
public:
    virtual ~TickCounter() = default;
    virtual qint64 ticks() const = 0;
};

struct Platform {
    std::unique_ptr<SerialPort> serial;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<Storage> storage;
    std::unique_ptr<TickCounter> ticks;
};

class QtDialogs : public Dialogs {
public:
    void messageBox(QWidget *parent, const QString &text) override;
    Answer messageDialog(QWidget *parent, const MessageDialog &dialog) override;
    QString openFile(QWidget *parent, const QString &fileTypeFilter) override;
    QString saveFile(QWidget *parent, const QString &defaultName,
                     const QString &fileTypeFilter) override;
};

class DesktopStorage : public Storage {
public:
    QString preferencesFolder() override;
};

class ElapsedTickCounter : public TickCounter {
public:
    ElapsedTickCounter() { timer_.start(); }
    qint64 ticks() const override { return timer_.elapsed() * 60 / 1000; }

private:
    QElapsedTimer timer_;
};

// The platform of a real desktop: system serial ports, Qt dialogs, the user's config folder.
Platform makeDesktopPlatform();
