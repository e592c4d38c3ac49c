#pragma once

#include "history/HistoryRow.h"

#include <QList>
#include <QString>

// The text files that hold a history list, one history line per row. Cells are bytes: they are
// mapped one to one onto characters (Latin-1), so whatever a file holds is written back as it
// was read.

// Replaces the file at `path` with the rows, each line ended by "\n". The old file stays intact
// unless the new one was written completely. Returns the reason of a failure, empty on success.
QString WriteHistoryFile(const QString &path, const QList<HistoryRow> &rows);

// Appends a row for every line of the file at `path` ("\n" or "\r\n" line ends, the last line
// may have none). On failure `rows` is left untouched and the reason is returned; empty on
// success.
QString ReadHistoryFile(const QString &path, QList<HistoryRow> *rows);
