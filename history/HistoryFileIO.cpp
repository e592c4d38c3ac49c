#include "history/HistoryFileIO.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString WriteHistoryFile(const QString &path, const QList<HistoryRow> &rows) {
    // A save file is renamed over the old one only once complete: a full disk or a crash never
    // leaves a truncated history behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QByteArray text;
    for (const HistoryRow &row : rows) {
        text += HistoryLine(row).toLatin1();
        text += '\n';
    }
    if (file.write(text) != text.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString ReadHistoryFile(const QString &path, QList<HistoryRow> *rows) {
    // A folder opens on some systems and then reads as nothing; it is not a history file.
    if (QFileInfo(path).isDir())
        return QStringLiteral("It is a folder, not a file.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();

    QList<HistoryRow> read;
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf('\n', from);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        qsizetype lineEnd = end;
        if (lineEnd > from && text.at(lineEnd - 1) == '\r')
            --lineEnd;
        read.append(ParseHistoryLine(QString::fromLatin1(text.mid(from, lineEnd - from))));
        from = next;
    }
    rows->append(read);
    return {};
}
