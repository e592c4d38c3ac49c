#include "history/HistoryRow.h"

#include <QStringList>
#include <QTreeWidget>

QString HistoryLine(const HistoryRow &row) {
    QStringList fields;
    for (const QString &cell : row.cells)
        fields << cell;
    return fields.join(QLatin1Char(','));
}

HistoryRow ParseHistoryLine(const QString &line) {
    HistoryRow row;
    if (line.isEmpty())
        return row;
    const QStringList fields = line.split(QLatin1Char(','));
    for (int k = 0; k < HistoryRow::CellCount && k < fields.size(); ++k)
        row.cells[size_t(k)] = fields.at(k);
    return row;
}

int HistoryRowCount(const QTreeWidget *list) {
    return list->topLevelItemCount();
}

HistoryRow HistoryRowAt(const QTreeWidget *list, int index) {
    HistoryRow row;
    const QTreeWidgetItem *item = list->topLevelItem(index);
    if (!item)
        return row;
    for (int k = 0; k < HistoryRow::CellCount; ++k)
        row.cells[size_t(k)] = item->text(k);
    return row;
}

void AppendHistoryRow(QTreeWidget *list, const HistoryRow &row) {
    auto *item = new QTreeWidgetItem;
    for (int k = 0; k < HistoryRow::CellCount; ++k) {
        item->setText(k, row.cells[size_t(k)]);
        if (k > 0)
            item->setTextAlignment(k, Qt::AlignCenter);
    }
    // A row that accepted drops would swallow the dragged row as a child.
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled |
                   Qt::ItemNeverHasChildren);
    list->addTopLevelItem(item);
}

void RemoveHistoryRow(QTreeWidget *list, int index) {
    delete list->takeTopLevelItem(index);
}

void ClearHistoryRows(QTreeWidget *list) {
    list->clearSelection();
    list->setCurrentItem(nullptr);
    list->clear();
}

int SelectedHistoryIndex(const QTreeWidget *list) {
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return -1;
    return list->indexOfTopLevelItem(selected.first());
}

void SelectHistoryRow(QTreeWidget *list, int index) {
    QTreeWidgetItem *item = list->topLevelItem(index);
    if (!item) {
        list->clearSelection();
        list->setCurrentItem(nullptr);
        return;
    }
    list->setCurrentItem(item);
    item->setSelected(true);
}

QList<HistoryRow> HistoryRows(const QTreeWidget *list) {
    QList<HistoryRow> rows;
    const int count = HistoryRowCount(list);
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows.append(HistoryRowAt(list, i));
    return rows;
}
