// The history list: recording of catalogue patterns, the recording mode and the delete commands.
#include "app/Window1.h"
#include "history/HistoryRow.h"

#include <QLabel>
#include <QTreeWidget>

void Window1::User_LB_Open() {
    // Rows added later get the same alignment from AppendHistoryRow.
    for (int i = 0; i < User_LB->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = User_LB->topLevelItem(i);
        for (int k = 1; k < HistoryRow::CellCount; ++k)
            item->setTextAlignment(k, Qt::AlignCenter);
    }
}

void Window1::AddPattern2List(const QString &name) {
    if (RecordAll) {
        AppendHistoryRow(User_LB, HistoryRow(name));
        SelectHistoryRow(User_LB, HistoryRowCount(User_LB) - 1);
    }
    UpdateWindowsBorderStatus();
}

void Window1::RecordUser_PB_Action() {
    RecordAll = false;
    Record->setText(QStringLiteral("User Only"));
}

void Window1::RecordAll_PB_Action() {
    RecordAll = true;
    Record->setText(QStringLiteral("All"));
}

void Window1::Delete_PB_Action() {
    const int i = SelectedHistoryIndex(User_LB);
    if (i < 0)
        return;
    RemoveHistoryRow(User_LB, i);
    const int last = HistoryRowCount(User_LB) - 1;
    SelectHistoryRow(User_LB, i <= last ? i : last);
}

void Window1::DeleteAll_PB_Action() {
    Dialogs::MessageDialog dialog;
    dialog.icon = Dialogs::Icon::Caution;
    dialog.message = QStringLiteral("Are you sure you want to delete the entire history list?");
    dialog.actionCaption = QStringLiteral("Delete All");
    dialog.cancelButton = true;
    if (dialogs().messageDialog(this, dialog) != Dialogs::Answer::Action)
        return;
    ClearHistoryRows(User_LB);
}
