// The preferences file carries the history list from one run to the next.
#include "app/Window1.h"
#include "history/HistoryRow.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QTreeWidget>

namespace {
const QString kPrefFileName = QStringLiteral("HXT-2416 Desktop.pref");
} // namespace

void Window1::OpenPrefFile() {
    const QString folder = storage().preferencesFolder();
    if (folder.isEmpty())
        return;
    QFile file(QDir(folder).filePath(kPrefFileName));
    if (!file.exists())
        return; // first run
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        prefsUnreadable_ = true;
        dialogs().messageBox(
            this, QStringLiteral("The saved history list could not be read "
                                 "and will be left as it is:\n%1\n%2")
                      .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
        return;
    }
    ClearHistoryRows(User_LB);
    QTextStream in(&file);
    while (!in.atEnd())
        AppendHistoryRow(User_LB, ParseHistoryLine(in.readLine()));
    SelectHistoryRow(User_LB, -1);
}

void Window1::SavePrefFile() {
    if (prefsUnreadable_)
        return; // writing now would replace history we never loaded
    const QString folder = storage().preferencesFolder();
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    // Written to a temporary file and renamed over the old one only when complete, so a full
    // disk or a crash never leaves a truncated history behind.
    QSaveFile file(QDir(folder).filePath(kPrefFileName));
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream out(&file);
        const int rows = HistoryRowCount(User_LB);
        for (int i = 0; i < rows; ++i)
            out << HistoryLine(HistoryRowAt(User_LB, i)) << '\n';
        out.flush();
        if (file.commit())
            return;
    }
    dialogs().messageBox(this,
                         QStringLiteral("The history list could not be saved:\n%1\n%2")
                             .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
}
