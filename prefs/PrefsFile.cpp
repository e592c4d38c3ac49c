// The preferences file carries the history list from one run to the next.
#include "app/Window1.h"
#include "history/HistoryFileIO.h"
#include "history/HistoryRow.h"

#include <QDir>
#include <QFileInfo>
#include <QTreeWidget>

namespace {
const QString kPrefFileName = QStringLiteral("HXT-2416 Desktop.pref");
} // namespace

void Window1::OpenPrefFile() {
    const QString folder = storage().preferencesFolder();
    if (folder.isEmpty())
        return;
    const QString path = QDir(folder).filePath(kPrefFileName);
    if (!QFileInfo::exists(path))
        return; // first run
    QList<HistoryRow> rows;
    const QString failure = ReadHistoryFile(path, &rows);
    if (!failure.isEmpty()) {
        prefsUnreadable_ = true;
        dialogs().messageBox(this, QStringLiteral("The saved history list could not be read "
                                                  "and will be left as it is:\n%1\n%2")
                                       .arg(QDir::toNativeSeparators(path), failure));
        return;
    }
    ClearHistoryRows(User_LB);
    for (const HistoryRow &row : rows)
        AppendHistoryRow(User_LB, row);
    SelectHistoryRow(User_LB, -1);
}

void Window1::SavePrefFile() {
    if (prefsUnreadable_)
        return; // writing now would replace history we never loaded
    const QString folder = storage().preferencesFolder();
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(kPrefFileName);
    const QString failure = WriteHistoryFile(path, HistoryRows(User_LB));
    if (!failure.isEmpty())
        dialogs().messageBox(this, QStringLiteral("The history list could not be saved:\n%1\n%2")
                                       .arg(QDir::toNativeSeparators(path), failure));
}
