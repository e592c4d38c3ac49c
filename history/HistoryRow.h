#pragma once

#include <QList>
#include <QString>
#include <array>

class QTreeWidget;

// One row of the history list: pattern key, gray, red, green, blue.
struct HistoryRow {
    static constexpr int CellCount = 5;
    std::array<QString, CellCount> cells;

    HistoryRow() = default;
    explicit HistoryRow(const QString &key, const QString &gray = {}, const QString &red = {},
                        const QString &green = {}, const QString &blue = {})
        : cells{key, gray, red, green, blue} {}

    const QString &key() const { return cells[0]; }
    bool operator==(const HistoryRow &other) const { return cells == other.cells; }
    bool operator!=(const HistoryRow &other) const { return !(*this == other); }
};

// The line form used by the history file and the preferences file: always five fields, four
// commas, nothing quoted.
QString HistoryLine(const HistoryRow &row);
// Missing fields read as empty cells, fields after the fifth are dropped; text is kept as is.
HistoryRow ParseHistoryLine(const QString &line);

// The history list box, addressed by row index as the rest of the program sees it.
int HistoryRowCount(const QTreeWidget *list);
HistoryRow HistoryRowAt(const QTreeWidget *list, int index); // empty row when out of range
// Every row, first to last, in the list's current order.
QList<HistoryRow> HistoryRows(const QTreeWidget *list);
// Appends at the end (levels centred, no drop target inside a row); does not select.
void AppendHistoryRow(QTreeWidget *list, const HistoryRow &row);
void RemoveHistoryRow(QTreeWidget *list, int index);
void ClearHistoryRows(QTreeWidget *list);
// -1 when no row is selected.
int SelectedHistoryIndex(const QTreeWidget *list);
// Selects row `index`; -1 (or any index out of range) leaves no row selected.
void SelectHistoryRow(QTreeWidget *list, int index);
