// Saving the history list to a text file and loading it back.
#include "app/Window1.h"
#include "history/HistoryFileIO.h"
#include "history/HistoryRow.h"

#include <QDir>
#include <QTreeWidget>

namespace {
const QString kTextFileType = QStringLiteral("Text (*.txt)");
} // namespace

void Window1::Save_History_Action() {
    const QString path = dialogs().saveFile(this, QStringLiteral("History.txt"), kTextFileType);
    if (path.isEmpty())
        return;
    const QString failure = WriteHistoryFile(path, HistoryRows(User_LB));
    if (!failure.isEmpty())
        dialogs().messageBox(this, QStringLiteral("The history file could not be saved:\n%1\n%2")
                                       .arg(QDir::toNativeSeparators(path), failure));
}

void Window1::Load_History_Action() {
    const QString path = dialogs().openFile(this, kTextFileType);
    if (path.isEmpty())
        return;
    // Read before asking: a file that cannot be read must not cost the user the current list.
    QList<HistoryRow> rows;
    const QString failure = ReadHistoryFile(path, &rows);
    if (!failure.isEmpty()) {
        dialogs().messageBox(this, QStringLiteral("The history file could not be read:\n%1\n%2")
                                       .arg(QDir::toNativeSeparators(path), failure));
        return;
    }
    Dialogs::MessageDialog question;
    question.icon = Dialogs::Icon::Caution;
    question.message = QStringLiteral("Do you want to append the saved history to your current "
                                      "history list, or replace the current history list");
    question.actionCaption = QStringLiteral("Append");
    question.alternateCaption = QStringLiteral("Replace");
    question.cancelButton = false;
    if (dialogs().messageDialog(this, question) == Dialogs::Answer::Alternate)
        ClearHistoryRows(User_LB);
    for (const HistoryRow &row : rows)
        AppendHistoryRow(User_LB, row);
}
