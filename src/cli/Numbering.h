#pragma once

#include "store/GroupModel.h"

#include <QList>
#include <QString>

#include <optional>

namespace vexo::vault {
class MainViewController;
} // namespace vexo::vault

namespace vexo::cli {

// The numbers the tool shows for groups and items. Both follow the sidebar
// from top to bottom, so they do not change with a list's sort order or
// search: groups are the rows that can be selected; items are counted group
// by group, each group's items in stored order.

inline const QString kLocalVault = QStringLiteral("local");
inline const QString kNotes = QStringLiteral("notes");

struct NumberedGroup {
    qint64 number = 0;
    store::GroupModelPtr group;
    QString title;
    QString section;  // kLocalVault, a drive-vault key or kNotes
    qint64 count = 0; // items it shows: an "all" group counts its whole vault
};

struct NumberedItem {
    qint64 number = 0;
    store::FileModelPtr item;
    qint64 groupNumber = 0;
    QString vault; // kLocalVault or a drive-vault key
};

QList<NumberedGroup> numberedGroups(vault::MainViewController& controller);
QList<NumberedItem> numberedItems(vault::MainViewController& controller);

// The item named by word: its number, or its path (relative to the current
// folder, cleaned); nullopt when no item has it.
std::optional<NumberedItem> findItem(const QList<NumberedItem>& items, const QString& word);
// The items named by words; nullopt after telling the user of each word
// that names none.
std::optional<QList<NumberedItem>> findItems(const QList<NumberedItem>& items,
                                             const QStringList& words);
// The item recorded for path, which is absolute and clean.
std::optional<NumberedItem> itemAtPath(const QList<NumberedItem>& items, const QString& path);
// The group with number; nullopt when none has it.
std::optional<NumberedGroup> findGroup(const QList<NumberedGroup>& groups, qint64 number);

// An absolute, clean form of a path given on the command line.
QString absolutePath(const QString& path);

} // namespace vexo::cli
