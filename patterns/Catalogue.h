#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The fixed pattern catalogue: for every pattern group the menu captions, the command words sent
// to the generator and the names the history list records. Entry i of the three lists belongs to
// item i of the group's menu item array.
namespace Catalogue {

// Group numbers, in the order of the Pattern menu.
enum GroupId {
    Color75 = 0,
    Color100,
    Special,
    PLUGE,
    Grayscale10,
    Grayscale100,
    Grayscale109,
    Grayfield,
    GroupCount
};

struct PatternGroup {
    QString arrayName;        // menu item array, e.g. "Color75"
    QString submenuName;      // submenu title, e.g. "PatternColor75"
    QString caption;          // submenu caption and Group_LBL text, e.g. "Color 75"
    QString rangeWord;        // sent before the pattern word; empty for most groups
    QString commandTableName; // e.g. "Color75PatsUSB"; the gray-scale groups share one
    QString historyTableName; // e.g. "Color75LBPatNames"
    QStringList captions;
    QStringList commandWords;
    QStringList historyNames;

    int count() const { return int(captions.size()); }
};

// All eight groups, indexed by GroupId.
const QList<PatternGroup> &groups();
const PatternGroup &group(int id);

// The group whose menu item array is `arrayName` (case-insensitive); -1 if none.
int groupOfArray(const QString &arrayName);

struct PatternRef {
    int group = -1; // -1: not found
    int index = -1;
    bool found() const { return group >= 0; }
};

// Finds a history name in the eight history tables, ignoring case. History names are unique
// across the tables, so the result names one pattern.
PatternRef FindHistoryName(const QString &name);

} // namespace Catalogue
